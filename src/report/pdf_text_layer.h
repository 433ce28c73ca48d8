// The text layer of a PDF written by Qt's PDF engine, mended so that copying
// or searching Thai gives what was typed. Qt maps each glyph back to the
// first code point the font maps to it: the Thai fonts reach their positioned
// tone marks and vowels (a mai ek set lower, a sara i moved left) only by
// private-use code points, and the space by the tab. HarfBuzz draws a tone
// mark before the vowel below its letter, and a sara am as a nikhahit, set
// before any mark above, and a sara aa. Nothing drawn changes.
#pragma once

#include <QByteArray>

namespace report {

// The same PDF with each font's glyph-to-text map giving the letters the
// glyphs draw, and each letter drawn with Thai marks marked with its text as
// typed. A PDF not laid out
// as Qt writes it comes back unchanged.
QByteArray mendTextLayer(const QByteArray &pdf);

} // namespace report
