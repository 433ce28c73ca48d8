// Controls placed at fixed positions on the wizard's sheet, for the attachment
// page and the severance panel: captions, amount fields and result labels with
// the program's fonts, and named members that tables of rows can fill.
#pragma once

#include <QRect>
#include <QString>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

// The height an entry field needs for Thai text with its marks above and below.
inline constexpr int kFieldHeight = 25;

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

// Puts the controls one after another in the Tab order.
void chainTabOrder(const std::vector<QWidget *> &controls);

// Whether the control is shown, enabled (its areas included) and takes the
// focus at all.
bool canTakeFocus(const QWidget *control);

// The first control of the list that can take the focus now, or null.
QWidget *firstFocusable(const std::vector<QWidget *> &controls);

} // namespace ui
