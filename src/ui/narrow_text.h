// Captions narrowed just enough to fit the room a fixed layout leaves them.
#pragma once

class QAbstractButton;
class QLabel;

namespace ui {

// Narrows the label's font until its text fits the label's width; a text that
// fits already keeps the font as it is.
void narrowToFit(QLabel *label);

// Fits an amount into its label whatever its length: the label's own font
// when it fits, else narrowed sideways, and only for amounts longer than any
// the line is laid out for, also smaller. Called whenever the text changes;
// a shorter text gets the label's own font back.
void fitAmount(QLabel *label);

// Fits the label's amount again whenever it is painted, so that a text set by
// any code shows whole too.
void keepAmountFitted(QLabel *label);

// The same for a button: the text fits beside a radio button's or check box's
// indicator, or within a push button's margins, with `padding` pixels to spare.
void narrowToFit(QAbstractButton *button, int padding = 0);

} // namespace ui
