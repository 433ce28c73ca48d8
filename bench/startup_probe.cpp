// The program's own start-up, ended at the first idle moment after the main
// window is shown: what the user waits for before the window can be used.
#include "first_idle.h"
#include "main_window.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Program program(app);
    probe::quitAtFirstIdle(program.mainWindow());
    return app.exec();
}
