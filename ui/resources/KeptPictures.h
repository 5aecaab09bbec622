#pragma once
// How the pictures drawn while the program is built are laid out inside it. Every row and every
// file is a whole number of 32-bit words, so each picture starts where QImage can use it in place.
//   board.palette8: 256 palette entries (QRgb), then BoardHeight rows of BoardRowBytes indices.
//   icon.argb32: the icon at each side of IconSides, smallest first, premultiplied ARGB32.
//   groupbox.argb32: its width and height (32-bit), then its premultiplied ARGB32 pixels.

#include "Pictures.h"

namespace soyka::ui::kept {

inline constexpr int PaletteEntries = 256;
inline constexpr int BoardRowBytes = (BoardWidth + 3) / 4 * 4;

inline constexpr const char* BoardFile = "board.palette8";
inline constexpr const char* IconFile = "icon.argb32";
inline constexpr const char* GroupBoxFile = "groupbox.argb32";

} // namespace soyka::ui::kept
