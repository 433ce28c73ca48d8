// The program's start-up sequence.
#include "program.h"

#include "about_box.h"
#include "fonts.h"
#include "main_window.h"
#include "messages.h"

#include <QApplication>

int runProgram(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("varo91"));
    QApplication::setApplicationDisplayName(ui::messageCaption());
    ui::installFontSubstitutions();

    // The about box is a window of its own, so that the wizard, which blocks the
    // main window, does not block it.
    Tabout about;
    TFmain Fmain(&about);
    // Closing the main window ends the program, also while the about box is up.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(&Fmain, &TFmain::closed, &app, [] { QApplication::exit(0); });
    Fmain.show();
    return app.exec();
}
