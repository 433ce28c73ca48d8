// Overlapping areas of one window, stacked: only what is in front can be reached.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace ui {

// The areas are siblings. An area covered by one above it (their rectangles
// overlap) is disabled, so neither Tab, a click nor a shortcut reaches
// anything inside it; it shows again as it was when it comes to the front.
// What a covered area holds under the areas above it is hidden as well, so
// that assistive technology, which reads what is shown rather than what is
// on top, does not report it: a whole area when all but its frame lies under
// one above, otherwise each control that lies entirely under one. What the
// stack hid carries the property "coveredByArea" while it is hidden.
class AreaStack {
public:
    // Adds an area on top of those added before.
    void add(QWidget *area);

    void bringToFront(QWidget *area);
    void sendToBack(QWidget *area);

    QWidget *front() const;
    bool isCovered(const QWidget *area) const;

private:
    void restack();
    void hideUnder(QWidget *widget, const std::vector<QRect> &covers);
    void hideCovered(QWidget *widget);
    void showHidden();

    std::vector<QPointer<QWidget>> m_bottomToTop;
    std::vector<QPointer<QWidget>> m_hidden; // what the stack itself hid
};

} // namespace ui
