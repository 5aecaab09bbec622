// The program body: the command line, the machine's state (with the exercise file's program,
// if one was named), then every window in order, then the event loop.
#include "CommandLine.h"
#include "ExerciseStart.h"
#include "Machine.h"
#include "Pictures.h"
#include "PlatformChoice.h"
#include "ProgramWindows.h"
#include "ProjectorScale.h"
#include "ToolkitLanguage.h"

#include <QApplication>
#include <iostream>
#include <optional>

int main(int argc, char** argv) {
  const soyka::app::CommandLine command =
      soyka::app::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (command.action != soyka::app::CommandLine::Action::Start) {
    return soyka::app::AnswerOnConsole(command, std::cout, std::cerr);
  }
  soyka::app::ChoosePlatform();
  if (command.scale) {
    soyka::app::UseScale(*command.scale, argv[0]);
  }
  // The arguments are the program's own: none reach the toolkit (some of its options read files).
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  soyka::ui::useRussianToolkitTexts(app);
  // Every window, the panel and the dialogs included, carries the program's icon.
  QApplication::setWindowIcon(soyka::ui::applicationIcon());
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  const soyka::app::ExerciseStart exercise(state, command.exercise);
  // Scaled, a window could reach beyond the screen; unscaled, every place stays as it is.
  std::optional<soyka::app::ScreenFit> screenFit;
  if (command.scale) {
    screenFit.emplace();
  }
  soyka::ui::ProgramWindows windows(state);
  windows.show();
  // Closing the main window ends the program. The toolkit's own quit would first ask every window
  // to close and give up when one refuses, and the panel and the views refuse the window
  // system's close requests: so the program leaves the event loop itself.
  QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app,
                   [] { QCoreApplication::exit(0); });
  exercise.Present(windows);
  return QApplication::exec();
}
