// The program's own start-up, as its body does it, timed to the moment the main window and the
// control panel are both painted. With --every-window it then shows the nine other windows once
// and reports the peak memory with all eleven on screen.
#include "Machine.h"
#include "PaintWatch.h"
#include "ProcessFigures.h"
#include "ProgramWindows.h"
#include "Report.h"

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
void ShowTheOthers(soyka::ui::ProgramWindows& windows, std::unique_ptr<PaintWatch>& watch) {
  const std::initializer_list<QWidget*> others{
      &windows.registersWindow(), &windows.memoryWindow(),  &windows.displayWindow(),
      &windows.pauseWindow(),     &windows.aboutAuthor(),   &windows.aboutProgram(),
      &windows.thanks(),          &windows.interfaceHelp(), &windows.example()};
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
  soyka::ui::ProgramWindows windows(state);
  Report("windows_us", static_cast<long long>(MonotonicMicroseconds()));

  std::unique_ptr<PaintWatch> others;
  PaintWatch firstPaint({&windows.mainWindow_, &windows.controlPanel_}, [&] {
    Report("painted_us", static_cast<long long>(MonotonicMicroseconds()));
    if (everyWindow) {
      ShowTheOthers(windows, others);
    } else {
      ReportPeakAndQuit();
    }
  });
  windows.show();
  return QApplication::exec();
}
