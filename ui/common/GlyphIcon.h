#pragma once
// The small pictures on the program's buttons, drawn here rather than looked up in the icon
// theme: each is a few strokes, and the theme lookup costs far more than the drawing.

#include <QIcon>
#include <QPolygonF>

namespace soyka::ui {

inline constexpr int GlyphIconSize = 16;

// A green shape, and for the disabled button the same shape greyed over its white shadow.
// `shape` is drawn on a GlyphIconSize square.
QIcon greenGlyphIcon(const QPolygonF& shape);

// The pictures below grey themselves when disabled, as the style does for any icon.

// A circular arrow: ВВОД, and the example's load into memory.
QIcon reloadGlyph();
// A red stop sign: СТОП.
QIcon stopGlyph();
// A question mark in a blue disc: Помощь.
QIcon questionGlyph();
// A green tick: OK.
QIcon okGlyph();

} // namespace soyka::ui
