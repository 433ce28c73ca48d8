// Saves a window as a PNG when VARO_SCREENSHOT_DIR names a folder, so that the
// tests that walk the wizard also leave pictures of what a user sees.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

inline void saveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("VARO_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QCoreApplication::processEvents();
    window->grab().save(QDir(folder).filePath(name + ".png"));
}
