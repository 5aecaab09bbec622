#pragma once
// The small pictures on the program's buttons, drawn here rather than looked up in the icon
// theme: each is a few strokes, and the theme lookup costs far more than the drawing. A disabled
// button greys its picture as the style does for any icon.

#include <QIcon>

namespace soyka::ui {

inline constexpr int ButtonGlyphSize = 16;

// A circular arrow: ВВОД, and the example's load into memory.
QIcon reloadGlyph();
// A red stop sign: СТОП.
QIcon stopGlyph();
// A question mark in a blue disc: Помощь.
QIcon questionGlyph();
// A green tick: OK.
QIcon okGlyph();

} // namespace soyka::ui
