// The program body: the machine's state first, then every window in order, then the event loop.
#include "Main.h"
#include "SoykaWindows.h"

#include <QApplication>

int main(int, char** argv) {
  // The program takes no arguments: none reach the toolkit either (some of its own read files).
  int toolkitArgc = 1;
  QApplication app(toolkitArgc, argv);
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  soyka::ui::SoykaWindows windows(state);
  windows.Show();
  return QApplication::exec();
}
