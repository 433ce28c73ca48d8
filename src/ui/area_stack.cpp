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

namespace {

// All but a frame of this many pixels of an area under one above it.
constexpr int kFrame = 8;

// Marks what the stack hid, for those who read whether a control is shown.
constexpr const char *kCoveredProperty = "coveredByArea";

} // namespace

bool AreaStack::isCovered(const QWidget *area) const
{
    auto it = std::find(m_bottomToTop.begin(), m_bottomToTop.end(), area);
    if (it == m_bottomToTop.end())
        return false;
    // An area the stack itself hid still lies where it lies.
    return std::any_of(it + 1, m_bottomToTop.end(), [this, area](const QPointer<QWidget> &above) {
        const bool there = above && (!above->isHidden() || std::find(m_hidden.begin(), m_hidden.end(), above) != m_hidden.end());
        return there && above->geometry().intersects(area->geometry());
    });
}

void AreaStack::hideCovered(QWidget *widget)
{
    widget->setProperty(kCoveredProperty, true);
    widget->hide();
    m_hidden.emplace_back(widget);
}

void AreaStack::showHidden()
{
    for (const QPointer<QWidget> &widget : m_hidden) {
        if (!widget)
            continue;
        widget->setProperty(kCoveredProperty, false);
        widget->show();
    }
    m_hidden.clear();
}

void AreaStack::hideUnder(QWidget *widget, const std::vector<QRect> &covers)
{
    QWidget *stackParent = widget->parentWidget();
    for (QWidget *w = widget; w->parentWidget(); w = w->parentWidget()) {
        if (std::find(m_bottomToTop.begin(), m_bottomToTop.end(), w) != m_bottomToTop.end())
            stackParent = w->parentWidget();
    }
    for (QWidget *child : widget->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->isWindow())
            continue;
        const QRect where(child->mapTo(stackParent, QPoint(0, 0)), child->size());
        if (std::any_of(covers.begin(), covers.end(), [&](const QRect &c) { return c.contains(where); })) {
            hideCovered(child);
        } else if (std::any_of(covers.begin(), covers.end(), [&](const QRect &c) { return c.intersects(where); })) {
            hideUnder(child, covers);
        }
    }
}

void AreaStack::restack()
{
    showHidden();
    std::vector<QRect> above; // the areas above the one in hand, from the top down
    for (auto it = m_bottomToTop.rbegin(); it != m_bottomToTop.rend(); ++it) {
        QWidget *area = *it;
        if (!area)
            continue;
        std::vector<QRect> covers;
        for (const QRect &rect : above) {
            if (rect.intersects(area->geometry()))
                covers.push_back(rect);
        }
        const bool covered = !covers.empty();
        if (covered) {
            // Drop the focus first, so that Qt does not hand it on to some other
            // control; the code that changed the stacking decides where it goes.
            QWidget *focus = QApplication::focusWidget();
            if (focus && area->isAncestorOf(focus))
                focus->clearFocus();
        }
        area->setEnabled(!covered);
        if (!area->isHidden())
            above.push_back(area->geometry());
        if (!covered)
            continue;
        const bool underOne = std::any_of(covers.begin(), covers.end(), [area](const QRect &c) {
            return c.adjusted(-kFrame, -kFrame, kFrame, kFrame).contains(area->geometry());
        });
        if (underOne) {
            hideCovered(area);
        } else {
            hideUnder(area, covers);
        }
    }
    for (const QPointer<QWidget> &area : m_bottomToTop) {
        if (area)
            area->raise();
    }
}

} // namespace ui
