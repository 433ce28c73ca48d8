// Start-up of the program: fonts, the main window and the about box.
#pragma once

class QApplication;

// Sets up the application and runs it until the main window is closed.
int runProgram(QApplication &app);
