// A picture the program draws itself, shown at the sharpness of the screen.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

// Draws its picture when it is first painted, not before, at the device pixel
// ratio of the screen the window is on, and draws it anew when the window
// comes to a screen with another ratio. Between those it shows the picture it
// has.
class PictureView : public QWidget {
    Q_OBJECT
public:
    // `draw` gives the picture for the view's size at a device pixel ratio.
    using Draw = std::function<QPixmap(const QSize &size, qreal devicePixelRatio)>;

    PictureView(Draw draw, QWidget *parent);

    // The picture as last painted; null until the view was first painted.
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Draw m_draw;
    QPixmap m_picture;
    // What the picture was drawn for.
    QSize m_size;
    qreal m_ratio = 0;
};
