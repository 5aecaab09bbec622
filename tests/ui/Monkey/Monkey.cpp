#include "Monkey.h"

#include "Invariants.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <algorithm>
#include <cstdio>

namespace soyka::monkey {
namespace {

// Longer than any one action can take on a loaded machine.
constexpr int WatchdogMs = 10000;
// How much of the action list a hang prints at once.
constexpr int ActionsShownOnHang = 60;

QtMessageHandler previousHandler = nullptr;

// The headless platform notes every raise() and keyboard grab it cannot do; thousands of actions
// would bury a real warning under them.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  previousHandler(type, context, message);
}

QWidget* ActiveModal() {
  QWidget* modal = QApplication::activeModalWidget();
  return modal && modal->isVisible() ? modal : nullptr;
}

} // namespace

Monkey::Monkey(MachineState& state, ui::ProgramWindows& windows, MonkeyOptions options)
    : state_(state), windows_(windows), options_(options), random_(options.seed),
      ticks_(state, windows.controlPanel_),
      learner_(windows, random_, [this](int count) { ticks_.PostTicks(count); }) {
  TrackNewWindows();
  watchdog_.setInterval(WatchdogMs);
  connect(&watchdog_, &QTimer::timeout, this, [this] { WatchProgress(); });
}

Monkey::~Monkey() {
  qApp->removeEventFilter(this);
}

bool Monkey::Run() {
  // Something for Ctrl+V to paste.
  QApplication::clipboard()->setText(QStringLiteral("1010\t0101"));
  if (options_.liveTimer) {
    windows_.controlPanel_.setTickInterval(1);
  } else {
    windows_.controlPanel_.tickTimer_->stop();
  }
  qApp->installEventFilter(this);
  previousHandler = qInstallMessageHandler(DropPlatformNotes);
  watchdog_.start();
  ScheduleStep();
  loop_.exec();
  watchdog_.stop();
  qInstallMessageHandler(previousHandler);
  qApp->removeEventFilter(this);
  windows_.controlPanel_.tickTimer_->stop();
  return failure_.isEmpty();
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // A hint comes up after the pointer has rested a while: a clock, which a replay must not
    // depend on. Hints change nothing else.
    return true;
  }
  if (watched->isWidgetType() && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->isWindow() && widget->isModal()) {
      if (event->type() == QEvent::Show) {
        ModalShown(widget);
      } else {
        ModalHidden(widget);
      }
    } else if (widget->windowType() == Qt::Popup && event->type() == QEvent::Show) {
      // A pop-up menu may run its own wait (a scroll bar's does), like a modal window.
      ScheduleStep();
    }
  }
  return QObject::eventFilter(watched, event);
}

void Monkey::ModalShown(const QWidget* modal) {
  ++modalsShown_;
  modalOwners_.emplace_back(modal, QApplication::activeWindow());
  // The action that opened it waits for it to close; the next action answers it.
  ScheduleStep();
}

// A window manager gives the activation back to the window the modal one came up over; the
// headless platform does not, so the monkey does it in the manager's stead.
void Monkey::ModalHidden(const QWidget* modal) {
  const auto entry = std::find_if(modalOwners_.begin(), modalOwners_.end(),
                                  [modal](const auto& owned) { return owned.first == modal; });
  if (entry == modalOwners_.end()) {
    return;
  }
  const QPointer<QWidget> owner = entry->second;
  modalOwners_.erase(entry);
  if (owner && owner->isVisible()) {
    owner->activateWindow();
  }
}

void Monkey::ScheduleStep() {
  if (finished_ || stepsQueued_ > 0) {
    return;
  }
  ++stepsQueued_;
  QMetaObject::invokeMethod(
      this, [this] { Step(); }, Qt::QueuedConnection);
}

void Monkey::Step() {
  --stepsQueued_;
  if (finished_) {
    return;
  }
  ++stepsTaken_;
  QWidget* popup = QApplication::activePopupWidget();
  QWidget* modal = ActiveModal();
  if (modal && failure_.isEmpty()) {
    // As the window comes up, before the learner answers it.
    const QString broken = BrokenModalInvariant(state_, windows_, modal);
    if (!broken.isEmpty()) {
      Fail(broken);
    }
  }
  const bool windingDown = !failure_.isEmpty() || done_ >= options_.actions;
  if (windingDown && !popup && !modal) {
    finished_ = true;
    loop_.quit();
    return;
  }

  Action action;
  if (windingDown) {
    action = learner_.WayOut(popup ? popup : modal);
  } else if (popup) {
    action = learner_.InPopup(popup);
  } else if (modal) {
    action = learner_.InModal(modal);
  } else {
    action = learner_.Free();
  }
  const QString where = popup   ? QStringLiteral("[pop-up] ")
                        : modal ? QStringLiteral("[%1] ").arg(learner_.Name(modal))
                                : QString();
  if (!windingDown) {
    ++done_;
  }
  actionList_ << QStringLiteral("%1 %2%3").arg(actionList_.size() + 1, 6).arg(where, action.text);

  action.perform();
  Check();
  ScheduleStep();
}

// Windows are built when first needed: each is watched from then on.
void Monkey::TrackNewWindows() {
  for (QWidget* window : windows_.builtWindows()) {
    if (std::ranges::none_of(windowsAlive_,
                             [window](const auto& alive) { return alive.first == window; })) {
      windowsAlive_.emplace_back(window, learner_.Name(window));
    }
  }
}

void Monkey::Check() {
  if (!failure_.isEmpty()) {
    return;
  }
  for (const auto& [window, name] : windowsAlive_) {
    if (!window) {
      Fail(name + QStringLiteral(" was destroyed"));
      return;
    }
  }
  TrackNewWindows();
  QString broken = ticks_.Reentry();
  if (broken.isEmpty()) {
    broken = BrokenInvariant(state_, windows_, options_.strictInput);
  }
  if (broken.isEmpty()) {
    if (const QWidget* modal = ActiveModal()) {
      broken = BrokenModalInvariant(state_, windows_, modal);
    }
  }
  if (!broken.isEmpty()) {
    Fail(broken);
  }
}

void Monkey::Fail(const QString& what) {
  if (failure_.isEmpty()) {
    failure_ = QStringLiteral("after action %1: %2").arg(actionList_.size()).arg(what);
  }
}

void Monkey::WatchProgress() {
  if (stepsTaken_ == stepsAtLastWatch_ && !finished_) {
    const QWidget* modal = ActiveModal();
    Fail(QStringLiteral("no action could be taken for %1 s (active modal window: %2)")
             .arg(WatchdogMs / 1000)
             .arg(modal ? learner_.Name(modal) : QStringLiteral("none")));
    std::fputs(qPrintable(Report(ActionsShownOnHang)), stderr);
    // Whatever swallowed the queued action, the next one starts winding down.
    stepsQueued_ = 0;
    ScheduleStep();
  }
  stepsAtLastWatch_ = stepsTaken_;
}

QString Monkey::Summary() const {
  return QStringLiteral("monkey seed %1: %2 of %3 actions taken%4%5, %6 commands executed, %7 "
                        "modal windows answered")
      .arg(options_.seed)
      .arg(done_)
      .arg(options_.actions)
      .arg(options_.liveTimer ? QStringLiteral(" with the live timer") : QString())
      .arg(options_.strictInput ? QStringLiteral(" (strict input)") : QString())
      .arg(ticks_.CommandsExecuted())
      .arg(modalsShown_);
}

QString Monkey::Report(int lastActions) const {
  QString report = Summary() + QLatin1Char('\n');
  report += failure_.isEmpty() ? QStringLiteral("every invariant held\n")
                               : QStringLiteral("BROKEN %1\n").arg(failure_);
  const auto total = actionList_.size();
  const auto first = lastActions < 0 ? 0 : std::max<qsizetype>(0, total - lastActions);
  if (first > 0) {
    report += QStringLiteral("(the first %1 actions are left out)\n").arg(first);
  }
  for (auto index = first; index < total; ++index) {
    report += actionList_[index] + QLatin1Char('\n');
  }
  return report;
}

} // namespace soyka::monkey
