#include "Lamp.h"

#include "Palette.h"

#include <QPainter>

namespace soyka::ui {
namespace {

QString colorName(const QColor& color) {
  if (color == LampGreen) {
    return QStringLiteral("зелёный");
  }
  if (color == LampRed) {
    return QStringLiteral("красный");
  }
  return QStringLiteral("серый");
}

} // namespace

Lamp::Lamp(const QString& caption, QColor color, QWidget* parent)
    : QWidget(parent), caption_(caption) {
  setFocusPolicy(Qt::NoFocus);
  setColor(color);
}

void Lamp::setColor(const QColor& color) {
  if (color == color_) {
    return;
  }
  color_ = color;
  setAccessibleName(caption_ + QStringLiteral(": ") + colorName(color));
  update();
}

void Lamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(color_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace soyka::ui
