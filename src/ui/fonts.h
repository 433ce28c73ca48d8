// The program's fonts: the Windows fonts the forms name, mapped to Thai TLWG fonts and sized.
#pragma once

#include <QFont>

namespace ui {

// Maps the forms' fonts to their Thai substitutes and makes the dialog font
// the application's font. Call once at start-up.
void installFontSubstitutions();

// The font a form names, sized so that Thai text with its marks above and below
// fits the heights the forms were drawn with. `designHeight` is the height in
// pixels that the form gives. Each maps "MS Sans Serif", "BrowalliaUPC" and
// "EucrosiaUPC" to Loma, Garuda and Kinnari first, so that the font shows in
// its substitute also where the program's start-up never ran.
QFont dialogFont(int designHeight = 11, bool bold = false); // MS Sans Serif
QFont displayFont(int designHeight, bool bold = false);     // BrowalliaUPC
QFont printFont(int designHeight, bool bold = false);       // EucrosiaUPC, the printed return

} // namespace ui
