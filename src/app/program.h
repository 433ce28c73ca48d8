// Start-up of the program: fonts, the main window and the about box.
#pragma once

#include <memory>

class QApplication;
class Tabout;
class TFmain;

// The program's windows, from start-up until the program ends.
class Program {
public:
    // Sets up the application and shows the main window.
    explicit Program(QApplication &app);
    ~Program();

    TFmain &mainWindow() const { return *m_main; }

private:
    // The about box outlives the main window and the wizards that show it.
    std::unique_ptr<Tabout> m_about;
    std::unique_ptr<TFmain> m_main;
};

// Starts the program and runs it until the main window is closed.
int runProgram(QApplication &app);
