// A third yardstick for start-up: a bare window with what the main window
// shows in Thai and nothing of its own (the Thai title, one line of Thai text
// and the two buttons with their captions and glyphs, in the program's dialog
// font), ended at its first idle moment.
#include "first_idle.h"
#include "fonts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    QWidget window;
    window.setWindowTitle(QStringLiteral("บริการคำนวณ VARO. 91"));
    window.setFixedSize(399, 398);
    QLabel label(QStringLiteral("บริการคำนวณภาษี VARO. 91"), &window);
    label.setGeometry(0, 0, 399, 340);
    label.setAlignment(Qt::AlignCenter);
    QPushButton start(window.style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("เริ่มโปรแกรม"), &window);
    start.setGeometry(32, 360, 121, 25);
    QPushButton leave(window.style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("ออกจากโปรแกรม"), &window);
    leave.setGeometry(248, 360, 121, 25);
    window.show();
    probe::quitAtFirstIdle(window);
    return app.exec();
}
