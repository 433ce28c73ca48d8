// Overlapping areas of one window, stacked: only what is in front can be reached.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace ui {

// The areas are siblings. An area covered by one above it (their rectangles
// overlap) is disabled, so neither Tab, a click nor a shortcut reaches
// anything inside it; it shows again as it was when it comes to the front.
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

    std::vector<QPointer<QWidget>> m_bottomToTop;
};

} // namespace ui
