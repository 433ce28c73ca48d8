// The A4 page of the printed return as data: every frame, rule, caption and
// amount item with its name, place, size, alignment and font, in pixels of the
// 96-dpi page.
#pragma once

#include <QRect>
#include <QSize>

#include <span>

namespace report {

// The A4 sheet at 96 pixels per inch.
inline constexpr QSize kPageSize{794, 1123};
inline constexpr double kMillimetresPerPixel = 25.4 / 96.0;

enum class ItemKind {
    frame,          // a white rectangle with a black border, drawn first
    horizontalRule, // a line through the middle of its box, drawn last
    verticalRule,
    caption,        // a fixed text
    data,           // a text filled from the wizard
};

enum class Align { left, right };

// The heights of the page's text sizes: 14, 16 and 18 point.
inline constexpr int kSmall = 19;
inline constexpr int kMedium = 21;
inline constexpr int kLarge = 24;

struct PageItemRow {
    const char *name;
    ItemKind kind;
    int left;
    int top;
    int width;
    int height;
    int pen = 0;             // rules and the frame: the pen width
    Align align = Align::left;
    int fontHeight = kSmall; // text items: kSmall, kMedium or kLarge
    bool bold = false;
    bool transparent = false; // no white behind the text
    bool growsWithText = false;
    const char *text = "";   // a caption's text, a data item's text before filling

    constexpr QRect rect() const { return QRect(left, top, width, height); }
    constexpr bool isText() const { return kind == ItemKind::caption || kind == ItemKind::data; }
};

// Every item of the page, in the order the table lists them.
std::span<const PageItemRow> pageLayout();

// The item of that name, or null.
const PageItemRow *findPageItem(const char *name);

} // namespace report
