#include "GlyphIcon.h"

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>
#include <numbers>

namespace soyka::ui {
namespace {

const QColor ArrowBlue(24, 96, 168);
const QColor StopRed(200, 24, 24);
const QColor HelpBlue(40, 96, 200);

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

QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap = canvas();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

QPointF onCircle(const QPointF& centre, double radius, double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

} // namespace

QIcon greenGlyphIcon(const QPolygonF& shape) {
  QIcon icon;
  icon.addPixmap(enabledImage(shape), QIcon::Normal);
  icon.addPixmap(disabledImage(shape), QIcon::Disabled);
  return icon;
}

QIcon reloadGlyph() {
  return drawnIcon([](QPainter& painter) {
    const QPointF centre(8, 8.5);
    constexpr double Radius = 5.5;
    // Three quarters and more of a circle, open at the top right, with the head at its end.
    constexpr double StartDegrees = 60;
    constexpr double SpanDegrees = 270;
    painter.setPen(QPen(ArrowBlue, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(QRectF(centre.x() - Radius, centre.y() - Radius, 2 * Radius, 2 * Radius),
                    static_cast<int>(StartDegrees * 16), static_cast<int>(SpanDegrees * 16));
    const double endDegrees = StartDegrees + SpanDegrees;
    const QPointF tip = onCircle(centre, Radius, endDegrees);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArrowBlue);
    painter.drawPolygon(
        QPolygonF({tip + QPointF(-3.5, -3.5), tip + QPointF(3.5, -0.5), tip + QPointF(-1, 3.5)}));
  });
}

QIcon stopGlyph() {
  return drawnIcon([](QPainter& painter) {
    QPolygonF octagon;
    for (int corner = 0; corner < 8; ++corner) {
      octagon << onCircle(QPointF(8, 8), 7.5, 22.5 + 45.0 * corner);
    }
    painter.setPen(QPen(QColor(120, 0, 0), 1));
    painter.setBrush(StopRed);
    painter.drawPolygon(octagon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(3.5, 6.5, 9, 3));
  });
}

QIcon questionGlyph() {
  return drawnIcon([](QPainter& painter) {
    painter.setPen(QPen(QColor(16, 48, 120), 1));
    painter.setBrush(HelpBlue);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPainterPath hook;
    hook.moveTo(5.5, 6);
    hook.arcTo(QRectF(5.5, 3.5, 5, 5), 180, -270);
    hook.lineTo(8, 9.5);
    hook.lineTo(8, 10.5);
    painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 12.8), 1.1, 1.1);
  });
}

QIcon okGlyph() {
  return drawnIcon([](QPainter& painter) {
    painter.setPen(QPen(LampGreen, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
  });
}

} // namespace soyka::ui
