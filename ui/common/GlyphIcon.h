#pragma once
// Button pictures of our own: a green shape, and for the disabled button the same shape greyed
// over its white shadow.

#include <QIcon>
#include <QPolygonF>

namespace soyka::ui {

inline constexpr int GlyphIconSize = 16;

// `shape` is drawn on a GlyphIconSize square.
QIcon greenGlyphIcon(const QPolygonF& shape);

} // namespace soyka::ui
