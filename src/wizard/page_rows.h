// Controls of the entry pages' amount rows: fields, result labels and the
// "บาท" after them, sized so that the amounts of a page line up in one column.
#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

class BevelPanel;

// The width of the amount column: "%12.2m" amounts up to hundreds of millions.
inline constexpr int kAmountWidth = 100;
inline constexpr int kBahtWidth = 26;

// A caption; bold for headings.
QLabel *caption(QWidget *parent, const QString &text, bool bold = false);

// An amount field, right-aligned like the amounts it stands beside.
QLineEdit *amountField(QWidget *parent, const QString &name, const QString &text);

// A computed amount in a sunken box, right-aligned so that the decimals line up.
QLabel *resultLabel(QWidget *parent, const QString &name, const QString &text = QString());

// The unit after an amount; `name` where other code refers to it.
QLabel *bahtLabel(QWidget *parent, const QString &name = QString());

// Adds the amount and its "บาท" to the end of a row.
void addAmount(QBoxLayout *row, QWidget *amount, QLabel *baht);

// A panel with a raised outer and a lowered inner bevel, holding a block of rows.
BevelPanel *blockPanel(QWidget *parent, const char *name);

// A step's next button "หน้าต่อไป", its default button.
QPushButton *nextButton(QWidget *parent, const char *name);

// Ends a page or area with its button at the bottom right.
void addBottomButton(QBoxLayout *layout, QPushButton *button);

} // namespace ui
