// Narrowing a control's font by its horizontal stretch.
#include "narrow_text.h"

#include <QAbstractButton>
#include <algorithm>
#include <QFontMetrics>
#include <QEvent>
#include <QLabel>
#include <QVariant>

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

void fitAmount(QLabel *label)
{
    // The font the label was given, kept from its first fitting on.
    static const char *const kOwnFont = "ownFont";
    QVariant own = label->property(kOwnFont);
    if (!own.isValid()) {
        own = label->font();
        label->setProperty(kOwnFont, own);
    }
    QFont font = own.value<QFont>();
    // The blanks that pad an amount to its column are not seen.
    const QString shown = label->text().trimmed();
    const int room = label->contentsRect().width();
    int natural = QFontMetrics(font).horizontalAdvance(shown);
    if (natural > room && room > 0) {
        for (int stretch = std::max(kNarrowestStretch, 100 * room / natural); stretch >= kNarrowestStretch; --stretch) {
            font.setStretch(stretch);
            natural = QFontMetrics(font).horizontalAdvance(shown);
            if (natural <= room)
                break;
        }
        // Still too long at the narrowest: the whole amount, in smaller figures.
        while (natural > room) {
            if (font.pixelSize() > 1)
                font.setPixelSize(font.pixelSize() - 1);
            else if (font.pixelSize() <= 0 && font.pointSizeF() > 1.5)
                font.setPointSizeF(font.pointSizeF() - 0.5);
            else
                break;
            natural = QFontMetrics(font).horizontalAdvance(shown);
        }
    }
    if (label->font() != font)
        label->setFont(font);
}

namespace {

// Refits an amount label just before it paints; setting the font it already
// has changes nothing, so a paint never asks for another one twice.
class AmountFitter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            fitAmount(static_cast<QLabel *>(watched));
        return false;
    }
};

} // namespace

void keepAmountFitted(QLabel *label)
{
    static AmountFitter *const fitter = new AmountFitter; // shared by every label, for the whole run
    label->installEventFilter(fitter);
    fitAmount(label);
}

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
