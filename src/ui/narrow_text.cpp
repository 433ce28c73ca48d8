// Narrowing a control's font by its horizontal stretch.
#include "narrow_text.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace ui {

namespace {

// Narrower than this, Thai letters become hard to tell apart.
constexpr int kNarrowestStretch = 75;

// The font narrowed sideways just enough for the text to fit the room, but
// no narrower than Thai stays legible; the font itself where it fits.
QFont narrowed(QFont font, const QString &text, int room)
{
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= room || room <= 0)
        return font;
    for (int stretch = std::max(kNarrowestStretch, 100 * room / natural); stretch >= kNarrowestStretch; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    return font;
}

void narrow(QWidget *control, const QString &text, int room)
{
    const QFont font = narrowed(control->font(), text, room);
    if (font != control->font())
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
    // The blanks that pad an amount to its column are not seen.
    const QString shown = label->text().trimmed();
    const int room = label->contentsRect().width();
    QFont font = narrowed(own.value<QFont>(), shown, room);
    // Still too long at the narrowest: the whole amount, in smaller figures.
    while (room > 0 && QFontMetrics(font).horizontalAdvance(shown) > room) {
        if (font.pixelSize() > 1)
            font.setPixelSize(font.pixelSize() - 1);
        else if (font.pixelSize() <= 0 && font.pointSizeF() > 1.5)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        else
            break;
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
