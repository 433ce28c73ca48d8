// Controls placed at fixed positions on the sheet, the one way every page and panel is built.
#pragma once

#include "bevel_panel.h"

#include <QIcon>
#include <QRect>
#include <QStyle>
#include <QString>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

// The sizes the pages share.
// An entry field, tall enough for Thai text with its marks above and below.
inline constexpr int kFieldHeight = 25;
// A caption or a computed amount on one line.
inline constexpr int kLabelHeight = 22;
// An amount field or result: "%12.2m" amounts up to hundreds of millions.
inline constexpr int kAmountWidth = 112;
// The "บาท" after an amount, and the gap before it.
inline constexpr int kBahtWidth = 28;
inline constexpr int kBahtGap = 4;
// A push button.
inline constexpr int kButtonHeight = 27;
// A page's next button "หน้าต่อไป", at the bottom right of the page (789 x 542
// inside the page control).
inline constexpr QRect kNextButtonRect(661, 508, 120, kButtonHeight);

// A member of Owner together with the object name its control carries, so
// that one row of a table both creates a control and keeps it in its member.
template <typename Owner, typename Control>
struct Named {
    Control *Owner::*member = nullptr;
    const char *name = nullptr;

    Control *&in(Owner &owner) const { return owner.*member; }
};

// A caption; `name` may be empty for captions nothing refers to.
QLabel *placeCaption(QWidget *parent, const QString &text, const QRect &where,
                     const char *name = "", bool bold = false);

// A caption over two lines, broken between words where it does not fit.
QLabel *placeWrappedCaption(QWidget *parent, const QString &text, const QRect &where,
                            const char *name = "");

// A computed amount, right-aligned so that the decimals line up.
QLabel *placeResult(QWidget *parent, const char *name, const QRect &where, const QString &text);

// An entry field for an amount, a count or free text.
QLineEdit *placeField(QWidget *parent, const char *name, const QRect &where,
                      const QString &text, Qt::Alignment alignment = Qt::AlignRight);

QPushButton *placeButton(QWidget *parent, const char *name, const QString &text,
                         const QRect &where);

// A step's next button "หน้าต่อไป" with its arrow.
// The style's glyph of that kind, one icon for the whole run: a fresh icon
// per button would leave its own pictures in Qt's pixmap cache, so that every
// wizard opened would add to it.
QIcon glyph(QStyle::StandardPixmap kind);

QPushButton *placeNextButton(QWidget *parent, const char *name, const QRect &where = kNextButtonRect);

QCheckBox *placeCheckBox(QWidget *parent, const char *name, const QString &text, const QRect &where);
QRadioButton *placeRadioButton(QWidget *parent, const char *name, const QString &text, const QRect &where);

// A panel with the given bevels; `name` may be empty.
BevelPanel *placePanel(QWidget *parent, const char *name, const QRect &where,
                       BevelPanel::Bevel outer = BevelPanel::Bevel::raised,
                       BevelPanel::Bevel inner = BevelPanel::Bevel::lowered, int width = 1);

// "บาท" after an amount that ends at `amountRight`; `name` may be empty.
QLabel *placeBaht(QWidget *parent, int amountRight, int y, const char *name = "");

// Puts the controls one after another in the Tab order.
void chainTabOrder(const std::vector<QWidget *> &controls);

// Whether the control is shown, enabled (its areas included) and takes the
// focus at all.
bool canTakeFocus(const QWidget *control);

// The first control of the list that can take the focus now, or null.
QWidget *firstFocusable(const std::vector<QWidget *> &controls);

} // namespace ui
