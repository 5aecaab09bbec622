#pragma once
// Free faces with Cyrillic that stand in for the classic Windows fonts, at their pixel heights.

#include <QFont>

namespace soyka::ui {

// "System": the plain sans-serif face of every window.
QFont systemFont(int pixelSize, bool bold = false);
// "Small Fonts": the small bold captions over the lamps.
QFont smallFont(int pixelSize = 9);
// "MS Serif": the memory window's row labels and digits.
QFont serifFont(int pixelSize, bool bold = true);

// The face narrowed just enough for `text` to fit `room` pixels, but to no less than half its
// width; unchanged if it fits already. The stretch is computed from measurements rather than found
// by trying one stretch after another, each of which loads a font engine.
QFont narrowedToFit(const QFont& font, const QString& text, int room);

} // namespace soyka::ui
