#include "BoardAreaButton.h"

#include "MenuKey.h"

#include <QKeyEvent>
#include <QPainter>

namespace soyka::ui {
namespace {

// The frame runs this far outside the area, in black with a white middle line, so it shows on
// the purple, on the yellow labels and on the photograph alike.
constexpr int FrameGap = 3;
constexpr int FrameWidth = 3;
constexpr int Margin = FrameGap + FrameWidth;

} // namespace

BoardAreaButton::BoardAreaButton(const QString& name, const std::vector<const QWidget*>& parts,
                                 QWidget* parent)
    : QAbstractButton(parent) {
  QPainterPath area;
  for (const QWidget* part : parts) {
    area.addRect(part->geometry().adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap));
  }
  area = area.simplified();
  const QRect bounds = area.boundingRect().toRect().adjusted(-Margin, -Margin, Margin, Margin);
  setGeometry(bounds);
  frame_ = area.translated(-bounds.topLeft());

  setText(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Out of the Tab order until the main window lets the areas in at the learner's first Tab.
  setFocusPolicy(Qt::NoFocus);
}

void BoardAreaButton::paintEvent(QPaintEvent*) {
  if (!hasFocus()) {
    return;
  }
  QPainter painter(this);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, FrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(frame_);
  painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(frame_);
}

void BoardAreaButton::keyPressEvent(QKeyEvent* event) {
  if (isMenuKey(*event)) {
    emit menuRequested(mapToGlobal(rect().center()));
    return;
  }
  switch (event->key()) {
  case Qt::Key_Return:
  case Qt::Key_Enter:
  case Qt::Key_Space:
    if (!event->isAutoRepeat()) {
      click();
    }
    return;
  default:
    // Not the button's own arrow-key steps: only Tab moves between the areas.
    event->ignore();
  }
}

} // namespace soyka::ui
