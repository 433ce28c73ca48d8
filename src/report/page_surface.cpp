// Painting the page on screen.
#include "page_surface.h"

#include "page_accessibility.h"
#include "printed_page.h"

#include <QPainter>

namespace report {

PageSurface::PageSurface(const PrintedPage &page, QWidget *parent)
    : QWidget(parent),
      m_page(page)
{
    setObjectName("pageSurface");
    setFixedSize(kPageSize);
    installPageAccessibility();
}

void PageSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_page.paint(painter);
}

} // namespace report
