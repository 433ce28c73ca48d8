// The pictures of the main window and the about box, drawn by the program.
#pragma once

#include <QPixmap>

// The 400 x 400 picture of the main window: a tax form with a calculator.
QPixmap mainWindowPicture();

// The about box's picture, drawn for the given size.
QPixmap aboutPicture(const QSize &size);
