// The program's start-up sequence.
#include "program.h"

#include "about_box.h"
#include "accessibility.h"
#include "fonts.h"
#include "language.h"
#include "main_window.h"

#include <QApplication>

Program::Program(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("varo91"));
    // Thai until the person chooses English; Qt's own dialogs speak Thai too.
    ui::setLanguage(ui::Language::thai);
    // The desktop matches the windows to the installed menu entry, which gives
    // it the program's name and icon. No display name is set: the window
    // systems would append it to every title that does not already end with
    // it ("เกี่ยวกับผู้เขียน — บริการคำนวณ VARO. 91"), and each window's title
    // bar shows its own caption alone.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.varo91"));
    ui::installFontSubstitutions();
    ui::installAccessibility();

    // The main window first, then the about box, hidden. The box is a window of
    // its own, so that the wizard, which blocks the main window, does not block it.
    m_main = std::make_unique<TFmain>();
    m_about = std::make_unique<Tabout>();
    m_main->setAboutBox(m_about.get());
    // Closing the main window ends the program, also while the about box is up.
    app.setQuitOnLastWindowClosed(false);
    QObject::connect(m_main.get(), &TFmain::closed, &app, [] { QApplication::exit(0); });
    m_main->show();
}

Program::~Program() = default;

int runProgram(QApplication &app)
{
    const Program program(app);
    return app.exec();
}
