// The pictures of the main window and the about box, drawn by the program.
#pragma once

#include <QPixmap>

// The 400 x 400 picture of the main window: a tax form with a calculator,
// drawn at the given device pixel ratio (a 2 gives 800 x 800 pixels).
QPixmap mainWindowPicture(qreal devicePixelRatio = 1);

// The about box's picture, drawn for the given size and device pixel ratio.
QPixmap aboutPicture(const QSize &size, qreal devicePixelRatio = 1);
