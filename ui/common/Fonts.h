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

} // namespace soyka::ui
