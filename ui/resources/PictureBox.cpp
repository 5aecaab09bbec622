#include "PictureBox.h"

#include <QPainter>

namespace soyka::ui {

PictureBox::PictureBox(Drawing drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)) {}

void PictureBox::paintEvent(QPaintEvent*) {
  if (!drawing_) {
    return;
  }
  QPainter painter(this);
  drawing_(painter, QRectF(rect()));
}

} // namespace soyka::ui
