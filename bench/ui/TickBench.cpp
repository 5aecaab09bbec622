// One Auto-mode tick with every view on screen, timed over many ticks: the panel's own tick
// handler alone, and the handler together with the repaint it causes (what the learner waits
// for). Also tells what each tick repainted and what that cost.
// Usage: soyka_bench_tick [TICKS]
#include "BenchScene.h"
#include "ProcessFigures.h"
#include "ProfiledApplication.h"
#include "Report.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using soyka::bench::MonotonicMicroseconds;
using soyka::bench::Report;

double MedianMs(std::vector<double> microseconds) {
  std::sort(microseconds.begin(), microseconds.end());
  return microseconds[microseconds.size() / 2] / 1000.0;
}

double WorstMs(const std::vector<double>& microseconds) {
  return *std::max_element(microseconds.begin(), microseconds.end()) / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 10'000;
  int toolkitArgc = 1;
  soyka::bench::ProfiledApplication app(toolkitArgc, argv);
  soyka::bench::BenchScene scene;
  if (ticks <= 0 || !scene.OpenEveryView()) {
    return 1;
  }
  // The ticks are called here one by one; the panel's own timer would add more.
  scene.windows.controlPanel_.tickTimer_->stop();
  scene.StartAutoRun();
  QApplication::processEvents();

  app.ResetProfile();
  std::vector<double> handlerUs;
  std::vector<double> wholeUs;
  handlerUs.reserve(static_cast<std::size_t>(ticks));
  wholeUs.reserve(static_cast<std::size_t>(ticks));
  for (int tick = 0; tick < ticks; ++tick) {
    const auto start = MonotonicMicroseconds();
    scene.windows.controlPanel_.onTick();
    const auto handled = MonotonicMicroseconds();
    QApplication::processEvents();
    const auto repainted = MonotonicMicroseconds();
    handlerUs.push_back(static_cast<double>(handled - start));
    wholeUs.push_back(static_cast<double>(repainted - start));
  }
  if (scene.state.Halted) {
    return 1; // the run ended: not every tick executed a command
  }
  Report("handler_median_ms", MedianMs(handlerUs));
  Report("handler_worst_ms", WorstMs(handlerUs));
  Report("tick_median_ms", MedianMs(wholeUs));
  Report("tick_worst_ms", WorstMs(wholeUs));
  Report("paints_per_tick", static_cast<double>(app.PaintCount()) / ticks);
  Report("paint_ms_per_tick", app.PaintMs(ticks));
  Report("repaint_ms_per_tick", app.RepaintMs(ticks));
  soyka::bench::ReportText("repainted_per_tick", app.PaintSummary(ticks));
  return 0;
}
