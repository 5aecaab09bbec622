#pragma once
// The monkey: a seeded random learner let loose on the whole program. It takes one action at a
// time, answers every modal window that comes up, and checks the invariants after every action.
//
// Its actions follow one another as queued calls, one at a time: when an action opens a modal
// window, the next call runs inside that window's wait, so the learner goes on answering it. The
// panel's timer is replaced by ticks that the monkey queues as actions, the same calls the timer
// would queue; so no clock decides what happens, and a seed replays the same run.

#include "LearnerActions.h"
#include "MonkeyRandom.h"
#include "ProgramWindows.h"
#include "TickWatch.h"

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <vector>

namespace soyka::monkey {

struct MonkeyOptions {
  std::uint64_t seed = 1;
  int actions = 1000;
  // The panel's own timer runs too, every millisecond: the timing of a classroom machine, but a
  // seed no longer replays tick for tick.
  bool liveTimer = false;
  // Also check that memory input ends the moment the memory window loses the activation.
  bool strictInput = true;
};

class Monkey : public QObject {
public:
  Monkey(MachineState& state, ui::ProgramWindows& windows, MonkeyOptions options);
  ~Monkey() override;

  // Plays the learner until the actions are spent or an invariant breaks, then closes whatever
  // modal window or pop-up is still open. True if every check held.
  bool Run();

  int ActionsDone() const { return done_; }
  // Ticks that found Halted clear and so executed a command.
  int CommandsExecuted() const { return ticks_.CommandsExecuted(); }
  int ModalWindowsShown() const { return modalsShown_; }
  const QString& Failure() const { return failure_; }
  // One line per action, numbered from 1, in the order they were taken.
  const QStringList& ActionList() const { return actionList_; }
  // The seed and what the run went through, in one line.
  QString Summary() const;
  // The seed, what broke, and the last `lastActions` actions (all of them if negative).
  QString Report(int lastActions = -1) const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void ModalShown(const QWidget* modal);
  void ModalHidden(const QWidget* modal);
  void ScheduleStep();
  void Step();
  void TrackNewWindows();
  void Check();
  void Fail(const QString& what);
  void WatchProgress();

  MachineState& state_;
  ui::ProgramWindows& windows_;
  MonkeyOptions options_;
  MonkeyRandom random_;
  TickWatch ticks_;
  LearnerActions learner_;
  std::vector<std::pair<QPointer<QWidget>, QString>> windowsAlive_;
  // Each open modal window with the window that was active when it came up.
  std::vector<std::pair<const QWidget*, QPointer<QWidget>>> modalOwners_;

  QStringList actionList_;
  QString failure_;
  int done_ = 0;
  int modalsShown_ = 0;
  int stepsQueued_ = 0;
  int stepsTaken_ = 0;
  int stepsAtLastWatch_ = 0;
  bool finished_ = false;
  QEventLoop loop_;
  QTimer watchdog_;
};

} // namespace soyka::monkey
