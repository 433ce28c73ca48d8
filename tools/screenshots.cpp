// Renders the program's windows offscreen into PNG files, for the README and
// for looking at the layout without a display.
//   varo91_screenshots <output folder>
#include "about_box.h"
#include "fonts.h"
#include "formsolve.h"
#include "main_window.h"
#include "personal_data_area.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

namespace {

bool save(QWidget *window, const QDir &folder, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(name + ".png");
    const bool saved = window->grab().save(path);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    folder.mkpath(".");

    bool ok = true;
    Tabout about;
    TFmain main(&about);
    main.show();
    ok &= save(&main, folder, "main-window");
    main.N1Click();
    ok &= save(&main, folder, "usage-counter");
    main.Panel1Click();

    about.show();
    ok &= save(&about, folder, "about-box");

    TFormsolve wizard(main.Lcount, &about);
    wizard.resize(800, 600);
    wizard.show();
    ok &= save(&wizard, folder, "wizard-personal-data");
    // Valid numbers, so that leaving the first field asks nothing.
    wizard.N1Click();
    wizard.first->ok1->click();
    ok &= save(&wizard, folder, "wizard-income");
    return ok ? 0 : 1;
}
