// Stacking order of overlapping areas and their reachability.
#include "area_stack.h"

#include <QApplication>

#include <algorithm>

namespace ui {

void AreaStack::add(QWidget *area)
{
    // An area hides what lies under it only if it paints its whole rectangle.
    area->setAutoFillBackground(true);
    m_bottomToTop.emplace_back(area);
    restack();
}

void AreaStack::bringToFront(QWidget *area)
{
    auto it = std::find(m_bottomToTop.begin(), m_bottomToTop.end(), area);
    if (it == m_bottomToTop.end())
        return;
    std::rotate(it, it + 1, m_bottomToTop.end());
    restack();
}

void AreaStack::sendToBack(QWidget *area)
{
    auto it = std::find(m_bottomToTop.begin(), m_bottomToTop.end(), area);
    if (it == m_bottomToTop.end())
        return;
    std::rotate(m_bottomToTop.begin(), it, it + 1);
    restack();
}

QWidget *AreaStack::front() const
{
    return m_bottomToTop.empty() ? nullptr : m_bottomToTop.back().data();
}

bool AreaStack::isCovered(const QWidget *area) const
{
    auto it = std::find(m_bottomToTop.begin(), m_bottomToTop.end(), area);
    if (it == m_bottomToTop.end())
        return false;
    return std::any_of(it + 1, m_bottomToTop.end(), [area](const QPointer<QWidget> &above) {
        return above && !above->isHidden() && above->geometry().intersects(area->geometry());
    });
}

void AreaStack::restack()
{
    for (const QPointer<QWidget> &area : m_bottomToTop) {
        if (!area)
            continue;
        area->raise();
        const bool covered = isCovered(area);
        if (covered) {
            // Drop the focus first, so that Qt does not hand it on to some other
            // control; the code that changed the stacking decides where it goes.
            QWidget *focus = QApplication::focusWidget();
            if (focus && area->isAncestorOf(focus))
                focus->clearFocus();
        }
        area->setEnabled(!covered);
    }
}

} // namespace ui
