#include "TickWatch.h"

#include "ControlPanel.h"

#include <QEvent>

namespace soyka::monkey {

TickWatch::TickWatch(MachineState& state, ControlPanel& panel) : state_(state), panel_(panel) {
  panel_.installEventFilter(this);
}

TickWatch::~TickWatch() {
  panel_.removeEventFilter(this);
}

void TickWatch::PostTicks(int count) {
  for (int tick = 0; tick < count; ++tick) {
    QMetaObject::invokeMethod(&panel_, &ControlPanel::onTick, Qt::QueuedConnection);
  }
}

// The timer reaches the panel as a queued call, the panel's only one.
bool TickWatch::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &panel_ || event->type() != QEvent::MetaCall) {
    return QObject::eventFilter(watched, event);
  }
  if (underWay_ > 0 && !state_.Halted) {
    if (reentry_.isEmpty()) {
      reentry_ = QStringLiteral("a timer tick began with Halted clear while %1 tick(s) waited in "
                                "a modal window: ExecuteCommand would be entered again")
                     .arg(underWay_);
    }
    return true;
  }
  if (!state_.Halted) {
    ++commands_;
  }
  ++underWay_;
  static_cast<QObject*>(&panel_)->event(event);
  --underWay_;
  return true;
}

} // namespace soyka::monkey
