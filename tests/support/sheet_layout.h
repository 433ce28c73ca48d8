// Checks of a page whose controls stand at fixed places: every text drawn
// whole, no two texts or fields on top of each other, and everything inside
// the part of the page the page control shows.
#pragma once

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

namespace sheet {

// Whether a line of text centred in `height` pixels keeps its marks above and
// below inside them.
inline bool fitsHeight(const QFontMetrics &metrics, const QString &text, int height)
{
    const QRect ink = metrics.tightBoundingRect(text);
    const int baseline = (height - metrics.height()) / 2 + metrics.ascent();
    return baseline + ink.top() >= 0 && baseline + ink.bottom() < height;
}

// Where a control draws, in its own coordinates: a label its text (blanks
// before and after are not seen), a radio button its indicator and text, a
// field or push button all of itself. Tells whether the text is drawn whole.
inline bool inkOf(const QWidget *control, QRect &ink)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const QString shown = label->text().trimmed();
        const QRect room = label->contentsRect();
        const int width = metrics.horizontalAdvance(shown);
        int x = room.left();
        if (label->alignment() & Qt::AlignRight)
            x = room.right() + 1 - width;
        else if (label->alignment() & Qt::AlignHCenter)
            x = room.left() + (room.width() - width) / 2;
        ink = QRect(x, room.top(), width, room.height());
        return width <= room.width() && fitsHeight(metrics, shown, room.height());
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        // A radio button's size hint keeps a pixel to spare after the text.
        const int spare = qobject_cast<const QPushButton *>(button) ? 0 : 1;
        const int needed = button->sizeHint().width() - spare;
        ink = spare ? QRect(0, 0, std::min(needed, button->width()), button->height()) : button->rect();
        return needed <= button->width() && fitsHeight(metrics, button->text(), button->height());
    }
    const auto *field = qobject_cast<const QLineEdit *>(control);
    ink = field->rect();
    // The frame and the margins inside it take about four pixels a side.
    return metrics.horizontalAdvance(field->text()) + 8 <= field->width();
}

// The faults of every control the user sees on `page`.
inline QStringList layoutFaults(QWidget *page)
{
    QStringList faults;
    std::vector<std::pair<QString, QRect>> inks;
    for (QWidget *control : page->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(page)
            || !(qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control)
                 || qobject_cast<QLineEdit *>(control)))
            continue;
        const auto *label = qobject_cast<QLabel *>(control);
        const QString name = control->objectName().isEmpty() && label ? '"' + label->text() + '"' : control->objectName();
        QRect ink;
        if (!inkOf(control, ink))
            faults << name + " is cut";
        ink.translate(control->mapTo(page, QPoint(0, 0)));
        if (!page->rect().contains(ink))
            faults << name + " lies outside the page";
        for (const auto &[other, otherInk] : inks) {
            if (ink.intersects(otherInk))
                faults << name + " overlaps " + other;
        }
        inks.emplace_back(name, ink);
    }
    return faults;
}

} // namespace sheet
