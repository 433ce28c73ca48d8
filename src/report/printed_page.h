// The printed return's page: one named item object per entry of the page's
// table, owned by the window that shows the page.
#pragma once

#include "page_item.h"

#include <vector>

class QPainter;

namespace report {

class PrintedPage {
public:
    // Creates every item as a child of `owner`, showing its text before filling.
    explicit PrintedPage(QObject &owner);

    const std::vector<PageItem *> &items() const { return m_items; }

    // The item of that name; throws std::out_of_range for a name the page lacks.
    PageItem &item(const char *name) const;

    // Draws the page in page pixels onto the painter: the frame, then the
    // texts, then the rules, so that no white behind a text hides a rule.
    void paint(QPainter &painter) const;

    // The page's texts in reading order: a line for each row of the page,
    // its items from left to right; items that print nothing are left out.
    QString readingText() const;

private:
    std::vector<PageItem *> m_items;
};

// Draws one text item: white behind it unless it is transparent, its text at
// the top of its box, narrowed where a fixed box is too small for it.
void paintText(QPainter &painter, const PageItem &item);

} // namespace report
