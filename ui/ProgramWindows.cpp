#include "ProgramWindows.h"

namespace soyka::ui {

ProgramWindows::ProgramWindows(MachineState& state)
    : dispatcher_(state), mainWindow_(state, dispatcher_), registersWindow_(state, dispatcher_),
      memoryWindow_(state, dispatcher_), displayWindow_(state, dispatcher_), pauseWindow_(state),
      controlPanel_(state, dispatcher_), aboutAuthor_(), aboutProgram_(), thanks_(),
      interfaceHelp_(), example_(state) {
  dispatcher_.attach(&registersWindow_);
  dispatcher_.attach(&memoryWindow_);
  dispatcher_.attach(&displayWindow_);
  dispatcher_.attach(&pauseWindow_);
  dispatcher_.attach(&controlPanel_);
  memoryWindow_.setCompanionViews({&registersWindow_, &displayWindow_});
  mainWindow_.attachViews(&memoryWindow_, &registersWindow_, &displayWindow_);
  mainWindow_.attachDialogs(&aboutAuthor_, &aboutProgram_, &thanks_, &interfaceHelp_, &example_);

  // Only closing the main window ends the program.
  for (QWidget* window : std::initializer_list<QWidget*>{
           &registersWindow_, &memoryWindow_, &displayWindow_, &pauseWindow_, &controlPanel_,
           &aboutAuthor_, &aboutProgram_, &thanks_, &interfaceHelp_, &example_}) {
    window->setAttribute(Qt::WA_QuitOnClose, false);
  }
  controlPanel_.show();
}

void ProgramWindows::show() {
  mainWindow_.show();
}

} // namespace soyka::ui
