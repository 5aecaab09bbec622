// The floor every start-up and memory figure is set against: the least a Qt Widgets program
// does to put one window with one label on the screen.
#include "PaintWatch.h"
#include "ProcessFigures.h"
#include "Report.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  QLabel label(QStringLiteral("Сойка"), &window);
  soyka::bench::PaintWatch watch({&window}, [] {
    soyka::bench::Report("painted_us",
                         static_cast<long long>(soyka::bench::MonotonicMicroseconds()));
    soyka::bench::Report("peak_kb", static_cast<long long>(soyka::bench::PeakResidentKb()));
    QCoreApplication::exit(0);
  });
  window.show();
  return QApplication::exec();
}
