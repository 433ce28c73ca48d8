// One item of the printed page as an object named after it, whose `text`
// property holds what it prints ("" for a rule or an item that prints nothing).
#pragma once

#include "page_layout.h"

#include <QFont>
#include <QObject>
#include <QString>

namespace report {

class PageItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    PageItem(const PageItemRow &row, QObject *owner);

    const PageItemRow &row() const { return m_row; }

    QString text() const { return m_text; }
    // A growing item widens to the right so that its whole text shows.
    void setText(const QString &text);

    // Where the item stands on the page, grown with its text where it grows.
    QRect rect() const;

    // The item's font, sized in pixels of the page so it prints the same on every device.
    QFont font() const;

private:
    const PageItemRow &m_row;
    QString m_text;
    int m_width = 0;
};

// The width the text needs in that font, in page pixels.
double textWidth(const QFont &font, const QString &text);

} // namespace report
