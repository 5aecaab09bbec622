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

  Answer answer_;
  QPointer<QWidget> ignore_;
  QTimer poll_;
  QTimer timeout_;
  bool answered_ = false;
  bool timedOut_ = false;
};

// Answers every modal window that comes up, for as long as it lives; for runs that pause many
// times. The answer decides per window; the count tells how many were answered.
class ModalResponder : public QObject {
public:
  explicit ModalResponder(ModalDriver::Answer answer) : answer_(std::move(answer)) {
    poll_.setInterval(1);
    connect(&poll_, &QTimer::timeout, this, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (busy_ || !modal || !modal->isVisible()) {
        return;
      }
      // An answer that waits runs the event loop, which must not answer the same window again.
      busy_ = true;
      ++count_;
      answer_(modal);
      busy_ = false;
    });
    poll_.start();
  }

  int Count() const { return count_; }

private:
  ModalDriver::Answer answer_;
  QTimer poll_;
  int count_ = 0;
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
