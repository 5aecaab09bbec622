#include "Pictures.h"

#include <QPainterPath>

namespace soyka::ui {

// A jay's head in profile on a purple chip: the bird the machine is named after.
void drawApplicationIcon(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(box.topLeft());
  painter.scale(box.width() / 32.0, box.height() / 32.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 180, 80));
  for (int i = 0; i < 4; ++i) {
    painter.drawRect(QRectF(8 + i * 5, 0, 2, 3));
    painter.drawRect(QRectF(8 + i * 5, 29, 2, 3));
  }
  painter.setBrush(QColor(128, 0, 128));
  painter.drawRoundedRect(QRectF(2, 3, 28, 26), 4, 4);
  QPainterPath head;
  head.moveTo(9, 24);
  head.cubicTo(6, 14, 11, 7, 19, 8);
  head.lineTo(27, 14);
  head.lineTo(20, 16);
  head.cubicTo(21, 20, 19, 23, 15, 25);
  head.closeSubpath();
  painter.setBrush(QColor(214, 170, 130));
  painter.drawPath(head);
  painter.setBrush(QColor(40, 110, 220));
  painter.drawRect(QRectF(10, 19, 6, 3));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(17, 12), 2.2, 2.2);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QPointF(17.4, 12), 1.1, 1.1);
  painter.restore();
}

QImage drawApplicationIconImage(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  drawApplicationIcon(painter, QRectF(0, 0, side, side));
  painter.end();
  return image;
}

} // namespace soyka::ui
