// CPU used with every window open and the panel's timer at its own pace, in consecutive
// intervals: idle (no run) or during an endless Auto run.
// Usage: soyka_bench_idle idle|auto SECONDS [INTERVALS]
#include "BenchScene.h"
#include "ProcessFigures.h"
#include "ProfiledApplication.h"
#include "Report.h"

#include <QTimer>

#include <cstdlib>
#include <string_view>

namespace {

using soyka::bench::CpuMicroseconds;
using soyka::bench::MonotonicMicroseconds;

// Runs the event loop for `seconds` and reports the CPU used as a percentage of one core.
void MeasureInterval(int seconds) {
  const auto cpuStart = CpuMicroseconds();
  const auto wallStart = MonotonicMicroseconds();
  QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
  QApplication::exec();
  const auto cpu = static_cast<double>(CpuMicroseconds() - cpuStart);
  const auto wall = static_cast<double>(MonotonicMicroseconds() - wallStart);
  soyka::bench::Report("cpu_percent", 100.0 * cpu / wall);
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    return 2;
  }
  const bool autoRun = std::string_view(argv[1]) == "auto";
  const int seconds = std::atoi(argv[2]);
  const int intervals = argc > 3 ? std::atoi(argv[3]) : 1;
  int toolkitArgc = 1;
  soyka::bench::ProfiledApplication app(toolkitArgc, argv);
  soyka::bench::BenchScene scene;
  if (seconds <= 0 || intervals <= 0 || !scene.OpenEveryView()) {
    return 1;
  }
  if (autoRun) {
    scene.StartAutoRun();
  }
  app.ResetProfile();
  int ticks = 0;
  QObject::connect(scene.windows.controlPanel_.tickTimer_, &QTimer::timeout, [&ticks] { ++ticks; });
  for (int interval = 0; interval < intervals; ++interval) {
    MeasureInterval(seconds);
  }
  if (autoRun && scene.state.Halted) {
    return 1; // the run ended early: the figure would be an idle one
  }
  const double totalSeconds = static_cast<double>(seconds) * intervals;
  soyka::bench::Report("ticks_per_second", ticks / totalSeconds);
  soyka::bench::Report("paints_per_second", static_cast<double>(app.PaintCount()) / totalSeconds);
  soyka::bench::Report("repaint_ms_per_second", app.RepaintMs(totalSeconds));
  soyka::bench::ReportText("repainted_per_second", app.PaintSummary(totalSeconds));
  return 0;
}
