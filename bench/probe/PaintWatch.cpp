#include "PaintWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace soyka::bench {

PaintWatch::PaintWatch(std::initializer_list<QWidget*> windows, std::function<void()> allPainted)
    : waiting_(windows.begin(), windows.end()), allPainted_(std::move(allPainted)) {
  // Application-wide: a window covered by its children may never get a paint event itself.
  QCoreApplication::instance()->installEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched->isWidgetType() && !waiting_.empty()) {
    waiting_.erase(static_cast<QWidget*>(watched)->window());
    if (waiting_.empty()) {
      // The paint is under way now; the flush to the display ends the same event.
      QTimer::singleShot(0, this, [this] { allPainted_(); });
    }
  }
  return false;
}

bool WaitUntilPainted(std::initializer_list<QWidget*> windows, int timeoutMs) {
  QEventLoop loop;
  bool painted = false;
  PaintWatch watch(windows, [&] {
    painted = true;
    loop.quit();
  });
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return painted;
}

} // namespace soyka::bench
