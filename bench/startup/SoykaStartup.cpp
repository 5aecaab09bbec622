// The program's own start-up, as its body does it, timed to the moment the main window and the
// control panel are both painted. With --every-window it then shows the nine other windows once
// and reports the peak memory with all eleven on screen.
#include "Machine.h"
#include "PaintWatch.h"
#include "ProcessFigures.h"
#include "Report.h"
#include "ProgramWindows.h"

#include <QApplication>

#include <memory>
#include <string_view>

namespace {

using soyka::bench::MonotonicMicroseconds;
using soyka::bench::PaintWatch;
using soyka::bench::Report;

// exit() rather than quit(): quit() first asks every window to close, and the panel refuses.
void ReportPeakAndQuit() {
  Report("peak_kb", static_cast<long long>(soyka::bench::PeakResidentKb()));
  QCoreApplication::exit(0);
}

// Shown without their own event loops: a modal window shown this way still comes up at once.
void ShowTheOthers(soyka::ui::SoykaWindows& windows, std::unique_ptr<PaintWatch>& watch) {
  const std::initializer_list<QWidget*> others{
      &windows.ALU,      &windows.Soyka_mem,   &windows.disp,
      &windows.Info_win, &windows.About_avtor, &windows.About_prog,
      &windows.Thanks,   &windows.Inter,       &windows.primer};
  watch = std::make_unique<PaintWatch>(others, ReportPeakAndQuit);
  for (QWidget* window : others) {
    window->show();
  }
}

} // namespace

int main(int argc, char** argv) {
  const bool everyWindow = argc > 1 && std::string_view(argv[1]) == "--every-window";
  Report("main_us", static_cast<long long>(MonotonicMicroseconds()));
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  Report("toolkit_us", static_cast<long long>(MonotonicMicroseconds()));
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  soyka::ui::SoykaWindows windows(state);
  Report("windows_us", static_cast<long long>(MonotonicMicroseconds()));

  std::unique_ptr<PaintWatch> others;
  PaintWatch firstPaint({&windows.Form1, &windows.Pult}, [&] {
    Report("painted_us", static_cast<long long>(MonotonicMicroseconds()));
    if (everyWindow) {
      ShowTheOthers(windows, others);
    } else {
      ReportPeakAndQuit();
    }
  });
  windows.Show();
  return QApplication::exec();
}
