// How many windows of a class exist, for checks that closed windows are released.
#pragma once

#include <QApplication>
#include <QWidget>

// The windows of class T that exist now, shown or not: a window counts from
// its construction until it is destroyed (one closed with WA_DeleteOnClose
// until its deferred deletion has run).
template <typename T>
int liveWindows()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += qobject_cast<T *>(window) != nullptr;
    return count;
}
