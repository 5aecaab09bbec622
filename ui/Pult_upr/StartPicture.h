#pragma once
// The picture on ПУСК: a green "play" triangle, greyed out while the button is disabled.

#include <QIcon>

namespace soyka::ui {

inline constexpr int StartPictureSize = 16;

QIcon StartPicture();

} // namespace soyka::ui
