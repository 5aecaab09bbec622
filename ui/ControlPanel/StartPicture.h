#pragma once
// The picture on ПУСК: a green "play" triangle, greyed out while the button is disabled.

#include "GlyphIcon.h"

#include <QIcon>

namespace soyka::ui {

inline constexpr int StartPictureSize = GlyphIconSize;

QIcon startPicture();

} // namespace soyka::ui
