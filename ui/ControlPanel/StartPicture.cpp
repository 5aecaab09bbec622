#include "StartPicture.h"

#include "GlyphIcon.h"

namespace soyka::ui {

QIcon startPicture() {
  return greenGlyphIcon(QPolygonF({QPointF(3, 2), QPointF(14, 8), QPointF(3, 14)}));
}

} // namespace soyka::ui
