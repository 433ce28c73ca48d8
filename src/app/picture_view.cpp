// Painting of a drawn picture at the screen's device pixel ratio.
#include "picture_view.h"

#include <QPainter>

PictureView::PictureView(Draw draw, QWidget *parent)
    : QWidget(parent)
    , m_draw(std::move(draw))
{
    // The picture covers the view: nothing beneath it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || ratio != m_ratio || size() != m_size) {
        m_picture = m_draw(size(), ratio);
        m_size = size();
        m_ratio = ratio;
    }
    QPainter(this).drawPixmap(0, 0, m_picture);
}
