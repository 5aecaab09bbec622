#include "StartPicture.h"

#include "Palette.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace soyka::ui {
namespace {

QPolygonF Triangle(QPointF offset) {
  return QPolygonF({QPointF(3, 2), QPointF(14, 8), QPointF(3, 14)}).translated(offset);
}

QPixmap Canvas() {
  QPixmap pixmap(StartPictureSize, StartPictureSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap EnabledImage() {
  QPixmap pixmap = Canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 64, 0), 1));
  painter.setBrush(LampGreen);
  painter.drawPolygon(Triangle(QPointF(0, 0)));
  return pixmap;
}

// The classic disabled look: a grey shape over its white shadow.
QPixmap DisabledImage() {
  QPixmap pixmap = Canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(Triangle(QPointF(1, 1)));
  painter.setBrush(LampGrey);
  painter.drawPolygon(Triangle(QPointF(0, 0)));
  return pixmap;
}

} // namespace

QIcon StartPicture() {
  QIcon icon;
  icon.addPixmap(EnabledImage(), QIcon::Normal);
  icon.addPixmap(DisabledImage(), QIcon::Disabled);
  return icon;
}

} // namespace soyka::ui
