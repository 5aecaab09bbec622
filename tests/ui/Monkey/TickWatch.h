#pragma once
// Watches the control panel's timer ticks: how many executed a command, and whether one began
// with Halted clear while the run waited for an answer, which would start a command in the middle
// of another. Such a tick is refused, not delivered.

#include "Machine.h"

#include <QObject>
#include <QString>

class ControlPanel;

namespace soyka::monkey {

class TickWatch : public QObject {
public:
  TickWatch(MachineState& state, ControlPanel& panel);
  ~TickWatch() override;

  int CommandsExecuted() const { return commands_; }
  // What the first refused tick found; empty while none was refused.
  const QString& Reentry() const { return reentry_; }

  // Queues `count` ticks, as the panel's timer queues them.
  void PostTicks(int count);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  MachineState& state_;
  ControlPanel& panel_;
  int commands_ = 0;
  QString reentry_;
};

} // namespace soyka::monkey
