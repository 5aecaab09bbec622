#include "ClickRelay.h"

#include <QMouseEvent>
#include <QWidget>

ClickRelay::ClickRelay(QWidget* target, std::function<void()> handler)
    : QObject(target), handler_(std::move(handler)) {
  target->installEventFilter(this);
}

bool ClickRelay::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return QObject::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) {
    return false;
  }
  if (type == QEvent::MouseButtonPress) {
    pressed_ = true;
  } else if (type == QEvent::MouseButtonDblClick) {
    pressed_ = false;
    handler_();
  } else if (pressed_) {
    pressed_ = false;
    // Like a button: releasing outside the element cancels the click.
    if (static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
      handler_();
    }
  }
  return true;
}
