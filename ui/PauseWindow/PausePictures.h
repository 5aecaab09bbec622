#pragma once
// The pictures on the pause window's buttons.

#include "GlyphIcon.h"

#include <QIcon>

namespace soyka::ui {

inline constexpr int PausePictureSize = GlyphIconSize;

// Дальше: a green arrow pointing right, greyed out while the button is disabled.
QIcon continuePicture();
// Назад: the same arrow pointing left.
QIcon backPicture();

// The icon with `gap` blank pixels on its right, to widen the space between picture and caption
// (the style itself leaves 4).
QIcon withGapAfter(const QIcon& icon, int gap);
// The size to show such an icon at.
QSize withGapAfterSize(int gap);

} // namespace soyka::ui
