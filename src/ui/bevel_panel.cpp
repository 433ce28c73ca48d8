// Painting and clicks of the bevelled panel.
#include "bevel_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace ui {

BevelPanel::BevelPanel(QWidget *parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
}

void BevelPanel::setBevels(Bevel outer, Bevel inner, int width)
{
    m_outer = outer;
    m_inner = inner;
    m_width = width;
    const int thickness = (outer == Bevel::none ? 0 : 1) + (inner == Bevel::none ? 0 : width);
    setContentsMargins(thickness, thickness, thickness, thickness);
    update();
}

void BevelPanel::setCaption(const QString &caption, Qt::Alignment alignment)
{
    m_caption = caption;
    m_alignment = alignment;
    update();
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect r = rect();
    auto bevel = [&](Bevel kind, int width) {
        if (kind == Bevel::none)
            return;
        qDrawShadePanel(&painter, r, palette(), kind == Bevel::lowered, width);
        r.adjust(width, width, -width, -width);
    };
    bevel(m_outer, 1);
    bevel(m_inner, m_width);
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(r.adjusted(2, 0, -2, 0), int(m_alignment), m_caption);
    }
}

void BevelPanel::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void BevelPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
