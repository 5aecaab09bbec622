#include "GlyphIcon.h"

#include "Palette.h"

#include <QPainter>
#include <QPixmap>

namespace soyka::ui {
namespace {

QPixmap canvas() {
  QPixmap pixmap(GlyphIconSize, GlyphIconSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap enabledImage(const QPolygonF& shape) {
  QPixmap pixmap = canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 64, 0), 1));
  painter.setBrush(LampGreen);
  painter.drawPolygon(shape);
  return pixmap;
}

// The classic disabled look: a grey shape over its white shadow.
QPixmap disabledImage(const QPolygonF& shape) {
  QPixmap pixmap = canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(shape.translated(1, 1));
  painter.setBrush(LampGrey);
  painter.drawPolygon(shape);
  return pixmap;
}

} // namespace

QIcon greenGlyphIcon(const QPolygonF& shape) {
  QIcon icon;
  icon.addPixmap(enabledImage(shape), QIcon::Normal);
  icon.addPixmap(disabledImage(shape), QIcon::Disabled);
  return icon;
}

} // namespace soyka::ui
