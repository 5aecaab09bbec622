#pragma once
// How the pictures drawn while the program is built are laid out inside it: bare 32-bit pixels,
// row after row, in the formats the screen takes, so each picture is used in place and painted
// without conversion.
//   board.rgb32: BoardHeight rows of BoardWidth RGB32 pixels.
//   icon.argb32: the icon at each side of IconSides, smallest first, premultiplied ARGB32.

#include "Pictures.h"

namespace soyka::ui::kept {

inline constexpr const char* BoardFile = "board.rgb32";
inline constexpr const char* IconFile = "icon.argb32";

} // namespace soyka::ui::kept
