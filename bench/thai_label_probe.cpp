// A second yardstick for start-up: the bare window with one line of Thai text
// in the program's dialog font, ended at its first idle moment. It shows what
// drawing any Thai text costs (the font database, the Thai fonts, Thai word
// breaking) before the program does anything of its own.
#include "first_idle.h"
#include "fonts.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    QLabel window(QStringLiteral("บริการคำนวณ VARO. 91"));
    window.setFixedSize(399, 398);
    window.show();
    probe::quitAtFirstIdle(window);
    return app.exec();
}
