// The program body: the machine's state first, then every window in order, then the event loop.
#include "Main.h"
#include "Pictures.h"
#include "PlatformChoice.h"
#include "SoykaWindows.h"
#include "ToolkitLanguage.h"

#include <QApplication>

int main(int, char** argv) {
  soyka::app::ChoosePlatform();
  // The program takes no arguments: none reach the toolkit either (some of its own read files).
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  soyka::ui::UseRussianToolkitTexts(app);
  // Every window, the panel and the dialogs included, carries the program's icon.
  QApplication::setWindowIcon(soyka::ui::ApplicationIcon());
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  soyka::ui::SoykaWindows windows(state);
  windows.Show();
  // Closing the main window ends the program. The toolkit's own quit would first ask every window
  // to close and give up when one refuses, and the panel and the views refuse the window
  // system's close requests: so the program leaves the event loop itself.
  QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app,
                   [] { QCoreApplication::exit(0); });
  return QApplication::exec();
}
