// Resident memory before and after many Auto-mode ticks with the panel's timer sped up to run
// as fast as the event loop goes, every view on screen and repainting.
// Usage: soyka_bench_growth [TICKS]
#include "BenchScene.h"
#include "ProcessFigures.h"
#include "Report.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>

namespace {

// Settles allocator pools and caches before the first reading.
constexpr int WarmUpTicks = 2'000;

// Lets the panel's timer fire `ticks` times, repainting as it goes.
void RunTicks(QTimer* timer, int ticks) {
  int fired = 0;
  const auto counting = QObject::connect(timer, &QTimer::timeout, [&] {
    if (++fired == ticks) {
      // Queued, so that this last tick's own handler runs before the loop ends.
      QMetaObject::invokeMethod(
          qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
  });
  QApplication::exec();
  QObject::disconnect(counting);
}

} // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 100'000;
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  soyka::bench::BenchScene scene;
  if (ticks <= 0 || !scene.OpenEveryView()) {
    return 1;
  }
  scene.windows.controlPanel_.setTickInterval(0);
  scene.StartAutoRun();
  RunTicks(scene.windows.controlPanel_.tickTimer_, WarmUpTicks);
  const long before = soyka::bench::ResidentKb();
  const auto start = soyka::bench::MonotonicMicroseconds();
  RunTicks(scene.windows.controlPanel_.tickTimer_, ticks);
  const auto elapsed = soyka::bench::MonotonicMicroseconds() - start;
  const long after = soyka::bench::ResidentKb();
  if (scene.state.Halted) {
    return 1;
  }
  soyka::bench::Report("rss_before_kb", static_cast<long long>(before));
  soyka::bench::Report("rss_after_kb", static_cast<long long>(after));
  soyka::bench::Report("growth_kb", static_cast<long long>(after - before));
  soyka::bench::Report("seconds", static_cast<double>(elapsed) / 1e6);
  return 0;
}
