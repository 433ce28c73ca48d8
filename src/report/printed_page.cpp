// Building the page's items and drawing them.
#include "printed_page.h"

#include <QPainter>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace report {

namespace {

// Room kept free between a text and the sides of its box; Thai marks stacked
// above a letter need the pixel above.
constexpr double kTextMargin = 1.0;

void paintFrame(QPainter &painter, const PageItem &item)
{
    // The border lies inside the item's box.
    const double inset = item.row().pen / 2.0;
    painter.setPen(QPen(Qt::black, item.row().pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(item.rect()).adjusted(inset, inset, -inset, -inset));
}

void paintRule(QPainter &painter, const PageItem &item)
{
    const QRectF box(item.rect());
    painter.setPen(QPen(Qt::black, item.row().pen, Qt::SolidLine, Qt::FlatCap));
    if (item.row().kind == ItemKind::horizontalRule)
        painter.drawLine(QPointF(box.left(), box.top() + 2), QPointF(box.right(), box.top() + 2));
    else
        painter.drawLine(QPointF(box.left() + 2, box.top()), QPointF(box.left() + 2, box.bottom()));
}

} // namespace

// A text wider than a fixed box is narrowed just enough to fit, so nothing is
// cut off and no rule is crossed.
void paintText(QPainter &painter, const PageItem &item)
{
    const QRectF box(item.rect());
    if (!item.row().transparent)
        painter.fillRect(box, Qt::white);

    const bool right = item.row().align == Align::right;
    // Blanks on the aligned side only push the text about; they are not drawn.
    QString text = item.text();
    if (right) {
        while (text.startsWith(QLatin1Char(' ')))
            text.remove(0, 1);
    } else {
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
    }
    if (text.isEmpty())
        return;

    const QFont font = item.font();
    const double room = box.width() - 2 * kTextMargin;
    const double width = textWidth(font, text);
    const double narrowing = width > room ? room / width : 1.0;

    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double left = right ? box.right() - kTextMargin - width * narrowing : box.left() + kTextMargin;
    painter.translate(left, box.top() + kTextMargin);
    painter.scale(narrowing, 1.0);
    painter.drawText(QRectF(0, 0, width + 1, box.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    painter.restore();
}

PrintedPage::PrintedPage(QObject &owner)
{
    for (const PageItemRow &row : pageLayout())
        m_items.push_back(new PageItem(row, &owner));
}

PageItem &PrintedPage::item(const char *name) const
{
    for (PageItem *item : m_items) {
        if (qstrcmp(item->row().name, name) == 0)
            return *item;
    }
    throw std::out_of_range(std::string("the printed page has no item ") + name);
}

void PrintedPage::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PageItem *item : m_items) {
        if (item->row().kind == ItemKind::frame)
            paintFrame(painter, *item);
    }
    for (const PageItem *item : m_items) {
        if (item->row().isText())
            paintText(painter, *item);
    }
    for (const PageItem *item : m_items) {
        const ItemKind kind = item->row().kind;
        if (kind == ItemKind::horizontalRule || kind == ItemKind::verticalRule)
            paintRule(painter, *item);
    }
    painter.restore();
}

QString PrintedPage::readingText() const
{
    std::vector<const PageItem *> texts;
    for (const PageItem *item : m_items) {
        if (item->row().isText() && !item->text().trimmed().isEmpty())
            texts.push_back(item);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const PageItem *a, const PageItem *b) { return a->rect().top() < b->rect().top(); });
    // Items whose tops lie within half a row of the line's first item share its line.
    QStringList lines;
    std::vector<const PageItem *> line;
    const auto flush = [&] {
        std::sort(line.begin(), line.end(), [](const PageItem *a, const PageItem *b) { return a->rect().left() < b->rect().left(); });
        QStringList words;
        for (const PageItem *item : line)
            words << item->text().trimmed();
        if (!words.isEmpty())
            lines << words.join(QStringLiteral("  "));
        line.clear();
    };
    for (const PageItem *item : texts) {
        if (!line.empty() && item->rect().top() > line.front()->rect().top() + line.front()->rect().height() / 2)
            flush();
        line.push_back(item);
    }
    flush();
    return lines.join(QLatin1Char('\n'));
}

} // namespace report
