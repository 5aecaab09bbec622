#pragma once
// Waits for windows to reach the screen: calls back once every watched window (or any widget
// inside it) has been painted, after the event that painted it, so the picture has been handed
// to the display by then.

#include <QObject>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <set>

namespace soyka::bench {

class PaintWatch : public QObject {
public:
  PaintWatch(std::initializer_list<QWidget*> windows, std::function<void()> allPainted);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::set<const QWidget*> waiting_;
  std::function<void()> allPainted_;
};

// Shows nothing itself: runs the event loop until the windows are painted, at most `timeoutMs`.
// False on a timeout.
bool WaitUntilPainted(std::initializer_list<QWidget*> windows, int timeoutMs = 10'000);

} // namespace soyka::bench
