#pragma once
// The application object of the run-time harnesses: it times every paint, per widget, and every
// repaint of a window as a whole (its paints and the hand-over of the picture to the display),
// so that a figure can be taken apart into what was repainted and what that cost.

#include <QApplication>
#include <QString>

#include <map>

namespace soyka::bench {

class ProfiledApplication : public QApplication {
public:
  ProfiledApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;

  // From here on only what happens next is counted.
  void ResetProfile();
  long long PaintCount() const;
  // Milliseconds per `divisor` (per tick, per second) spent in paint events and in whole-window
  // repaints.
  double PaintMs(double divisor) const;
  double RepaintMs(double divisor) const;
  // "grid/QWidget 4.00 x 0.210 ms (30%), ..." per `divisor`, the costliest first: how
  // often each widget was painted, what a paint cost, and how much of the widget it covered.
  QString PaintSummary(double divisor) const;

private:
  struct Tally {
    long long count = 0;
    long long microseconds = 0;
    double areaShare = 0; // summed over the paints: how much of the widget each one covered
  };

  std::map<QString, Tally> paints_;
  Tally repaints_;
};

} // namespace soyka::bench
