#pragma once
// Answers every modal window that comes up while it lives (each showing of the pause window, each
// message box), where ModalDriver answers only one. A run with many pauses is driven this way.
// After its timeout it stops answering and closes whatever modal is open, so that no test hangs.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace soyka::testing {

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
    if (timedOut_ || !modal || !modal->isVisible()) {
      return;
    }
    ++answered_;
    answer_(modal);
  }

  void GiveUp() {
    timedOut_ = true;
    poll_.stop();
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
  QTimer poll_;
  QTimer timeout_;
  int answered_ = 0;
  bool timedOut_ = false;
};

} // namespace soyka::testing
