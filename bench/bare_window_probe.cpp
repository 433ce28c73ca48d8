// The yardstick for start-up: a bare Qt window of the main window's size,
// ended at the first idle moment after it is shown.
#include "first_idle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(399, 398);
    window.show();
    probe::quitAtFirstIdle(window);
    return app.exec();
}
