// Narrowing a control's font by its horizontal stretch.
#include "narrow_text.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>

namespace ui {

namespace {

// Narrower than this, Thai letters become hard to tell apart.
constexpr int kNarrowestStretch = 75;

void narrow(QWidget *control, const QString &text, int room)
{
    QFont font = control->font();
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= room || room <= 0)
        return;
    for (int stretch = 100 * room / natural; stretch >= kNarrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    control->setFont(font);
}

} // namespace

void narrowToFit(QLabel *label)
{
    narrow(label, label->text(), label->contentsRect().width());
}

void narrowToFit(QAbstractButton *button, int padding)
{
    // What the button needs beside its text: an indicator and its spacing, or
    // the margins within the bevel.
    const int decoration = button->sizeHint().width() - button->fontMetrics().horizontalAdvance(button->text());
    narrow(button, button->text(), button->width() - decoration - padding);
}

} // namespace ui
