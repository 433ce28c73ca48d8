// Page items: their text, their size and their font.
#include "page_item.h"

#include "fonts.h"

#include <QFontMetricsF>

#include <cmath>

namespace report {

namespace {

// Room kept free at each side of a growing text.
constexpr int kGrowthMargin = 2;

} // namespace

double textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

PageItem::PageItem(const PageItemRow &row, QObject *owner)
    : QObject(owner),
      m_row(row),
      m_text(row.isText() ? QString::fromUtf8(row.text) : QString()),
      m_width(row.width)
{
    setObjectName(QString::fromLatin1(row.name));
    setText(m_text);
}

void PageItem::setText(const QString &text)
{
    m_text = text;
    m_width = m_row.width;
    if (m_row.growsWithText) {
        const int needed = static_cast<int>(std::ceil(textWidth(font(), text))) + 2 * kGrowthMargin;
        m_width = std::max(m_width, needed);
    }
}

QRect PageItem::rect() const
{
    return QRect(m_row.left, m_row.top, m_width, m_row.height);
}

QFont PageItem::font() const
{
    return ui::printFont(m_row.fontHeight, m_row.bold);
}

} // namespace report
