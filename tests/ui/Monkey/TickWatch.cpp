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
  if (state_.Cycle.Waiting != Wait::None && !state_.Halted) {
    if (reentry_.isEmpty()) {
      reentry_ = QStringLiteral("a timer tick began with Halted clear while the run waited for an "
                                "answer: a command would start inside another");
    }
    return true;
  }
  if (!state_.Halted) {
    ++commands_;
  }
  static_cast<QObject*>(&panel_)->event(event);
  return true;
}

} // namespace soyka::monkey
