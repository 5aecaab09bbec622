#include "ProgramWindows.h"

namespace soyka::ui {

ProgramWindows::ProgramWindows(MachineState& state)
    : dispatcher_(state), mainWindow_(state, dispatcher_), controlPanel_(state, dispatcher_),
      exercises_(state, dispatcher_, mainWindow_), fileDrops_([this](const QString& file) {
        if (exercises_.mayDiscardChanges()) {
          exercises_.openFile(file);
        }
      }) {
  dispatcher_.attach(&controlPanel_);
  mainWindow_.attachMemoryWindow([this]() -> QWidget& { return dispatcher_.memoryWindow(); });
  exercises_.appendTo(*mainWindow_.boardMenu_);
  dispatcher_.whenMemoryWindowBuilt([this](MemoryWindow& memory) {
    exercises_.appendTo(*memory.decodingMenu_);
    QObject::connect(&memory, &MemoryWindow::bitTyped, &exercises_, &ExerciseCommands::onBitTyped);
  });
  mainWindow_.setLeaveCheck([this] { return exercises_.mayDiscardChanges(); });
  controlPanel_.show();
}

ProgramWindows::~ProgramWindows() {
  dispatcher_.destroyWindows();
}

void ProgramWindows::show() {
  mainWindow_.show();
}

std::vector<QWidget*> ProgramWindows::builtWindows() {
  std::vector<QWidget*> windows{&mainWindow_, &controlPanel_};
  const std::vector<QWidget*> views = dispatcher_.builtWindows();
  windows.insert(windows.end(), views.begin(), views.end());
  const std::vector<QWidget*> dialogs = mainWindow_.builtDialogs();
  windows.insert(windows.end(), dialogs.begin(), dialogs.end());
  return windows;
}

} // namespace soyka::ui
