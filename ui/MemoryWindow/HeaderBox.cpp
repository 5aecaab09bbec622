#include "HeaderBox.h"

#include <QPainter>

namespace soyka::ui {

HeaderBox::HeaderBox(const QString& text, Shade shade, QWidget* parent)
    : QWidget(parent), text_(text), shade_(shade) {
  setAccessibleName(text);
}

void HeaderBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (shade_ == Shade::Dark) {
    painter.fillRect(rect(), HeaderDarkShadow);
    painter.setPen(Qt::white);
  } else {
    painter.fillRect(rect(), HeaderLightFace);
    painter.setPen(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
  }
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignCenter, text_);
}

} // namespace soyka::ui
