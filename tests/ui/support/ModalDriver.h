#pragma once
// Answers modal windows from inside a test: the answer runs once the next modal window is up.
// A modal that is never answered would hang the test, so every driver gives up after a timeout,
// closes whatever modal is open, and reports that it had to.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace soyka::testing {

// Closes every open modal window, innermost first, as a test's last resort.
inline void CloseModals() {
  while (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    QApplication::processEvents();
    if (QApplication::activeModalWidget() == modal) {
      break;
    }
  }
}

class ModalDriver : public QObject {
public:
  using Answer = std::function<void(QWidget* modal)>;

  // Starts watching now; `answer` gets the first modal window that is not `ignore`.
  explicit ModalDriver(Answer answer, int timeoutMs = 5000, QWidget* ignore = nullptr)
      : answer_(std::move(answer)), ignore_(ignore) {
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    poll_.start();
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { GiveUp(); });
    timeout_.start(timeoutMs);
  }

  bool Answered() const { return answered_; }
  bool TimedOut() const { return timedOut_; }
  // Whatever the answer saw of the modal window, for the test to check afterwards.
  QString seenText;
  QString seenTitle;

private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == ignore_ || !modal->isVisible()) {
      return;
    }
    poll_.stop();
    timeout_.stop();
    answered_ = true;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seenText = box->text();
    }
    seenTitle = modal->windowTitle();
    answer_(modal);
  }

  void GiveUp() {
    poll_.stop();
    timedOut_ = true;
    CloseModals();
  }

  Answer answer_;
  QPointer<QWidget> ignore_;
  QTimer poll_;
  QTimer timeout_;
  bool answered_ = false;
  bool timedOut_ = false;
};

// Answers every modal window that comes up while it lives (each showing of the pause window, each
// message box), where ModalDriver answers only one: a run with many pauses is driven this way.
// After its timeout it stops answering and closes whatever modal is open, so that no test hangs.
class ModalAnswerer : public QObject {
public:
  // `answer` must end the showing it is given (or leave it to a nested answerer).
  using Answer = std::function<void(QWidget* modal)>;

  explicit ModalAnswerer(Answer answer, int timeoutMs = 10000) : answer_(std::move(answer)) {
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
    poll_.start();
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { GiveUp(); });
    timeout_.start(timeoutMs);
  }

  int Answered() const { return answered_; }
  bool TimedOut() const { return timedOut_; }

private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (busy_ || timedOut_ || !modal || !modal->isVisible()) {
      return;
    }
    // An answer that waits runs the event loop, which must not answer the same window again.
    busy_ = true;
    ++answered_;
    answer_(modal);
    busy_ = false;
  }

  void GiveUp() {
    timedOut_ = true;
    poll_.stop();
    CloseModals();
  }

  Answer answer_;
  QTimer poll_;
  QTimer timeout_;
  int answered_ = 0;
  bool timedOut_ = false;
  bool busy_ = false;
};

// Presses a message box's button of the given role (OK by default).
inline void PressMessageBoxButton(QWidget* modal,
                                  QMessageBox::StandardButton button = QMessageBox::Ok) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box && box->button(button)) {
    box->button(button)->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  }
}

} // namespace soyka::testing
