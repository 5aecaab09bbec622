// Назад in a long Tact run with every view on screen: what the history of the run's pauses holds,
// and one step back together with the repaint it causes, timed over many steps; a step forward
// (Дальше) is timed alike beside it.
// Usage: soyka_bench_back [TACTS] [STEPS]
#include "BenchScene.h"
#include "PauseWindow.h"
#include "ProcessFigures.h"
#include "Report.h"

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int TactItem = 2;

using soyka::bench::MonotonicMicroseconds;

double MedianMs(std::vector<double> microseconds) {
  std::sort(microseconds.begin(), microseconds.end());
  return microseconds[microseconds.size() / 2] / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
  const int tacts = argc > 1 ? std::atoi(argv[1]) : 10'000;
  const int steps = argc > 2 ? std::atoi(argv[2]) : 500;
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  soyka::bench::BenchScene scene;
  if (tacts <= steps || steps <= 0 || !scene.OpenEveryView()) {
    return 1;
  }
  scene.windows.controlPanel_.tickTimer_->stop();
  scene.StartRun(TactItem);
  PauseWindow& pause = scene.windows.pauseWindow();
  // Дальше at every pause, and the next tick whenever a command is done; the last of them timed
  // with their repaint, to set a step back beside a step forward.
  std::vector<double> forwardUs;
  while (scene.state.History.Size() < static_cast<std::size_t>(tacts)) {
    if (!pause.isVisible()) {
      scene.windows.controlPanel_.onTick();
      continue;
    }
    const bool timed = scene.state.History.Size() + static_cast<std::size_t>(steps) >=
                       static_cast<std::size_t>(tacts);
    const auto start = MonotonicMicroseconds();
    pause.continueButton_->click();
    if (timed) {
      QApplication::processEvents();
      forwardUs.push_back(static_cast<double>(MonotonicMicroseconds() - start));
    }
  }
  QApplication::processEvents();
  soyka::bench::Report("forward_median_ms", MedianMs(forwardUs));
  soyka::bench::Report("history_kb", static_cast<double>(scene.state.History.Footprint()) / 1024.0);

  std::vector<double> handlerUs;
  std::vector<double> wholeUs;
  handlerUs.reserve(static_cast<std::size_t>(steps));
  wholeUs.reserve(static_cast<std::size_t>(steps));
  for (int step = 0; step < steps; ++step) {
    const auto start = MonotonicMicroseconds();
    pause.backButton_->click();
    const auto handled = MonotonicMicroseconds();
    QApplication::processEvents();
    handlerUs.push_back(static_cast<double>(handled - start));
    wholeUs.push_back(static_cast<double>(MonotonicMicroseconds() - start));
  }
  soyka::bench::Report("back_handler_median_ms", MedianMs(handlerUs));
  soyka::bench::Report("back_median_ms", MedianMs(wholeUs));
  pause.stopButton_->click();
  return 0;
}
