#pragma once
// Free faces with Cyrillic that stand in for the classic Windows fonts, at their pixel heights.
// Each face is asked for by its cut (book or bold), so a narrower width draws that cut narrowed
// rather than switching to the family's condensed cut: the letters look the same (the condensed
// cuts are the book cuts at nine tenths of the width) and no second font file is read.

#include <QFont>

namespace soyka::ui {

// Widths, as QFont stretch factors of the book cut: as wide as the family's condensed cut, and
// that cut narrowed to the classic "Condensed" step.
inline constexpr int SemiCondensedWidth = 90;
inline constexpr int CondensedWidth = 77;

// "System": the plain sans-serif face of every window.
QFont systemFont(int pixelSize, bool bold = false);
// "Small Fonts": the small bold captions over the lamps.
QFont smallFont(int pixelSize = 9);
// "MS Serif": the memory window's row labels and digits.
QFont serifFont(int pixelSize, bool bold = true);

// The face narrowed just enough for `text` to fit `room` pixels, but to no less than half its
// width; unchanged if it fits already.
QFont narrowedToFit(const QFont& font, const QString& text, int room);

} // namespace soyka::ui
