#pragma once
// The whole program's windows. Only the main window and the control panel are built at start-up;
// the views and the pause window are built by the dispatcher, the help and information dialogs
// by the main window, each when first needed, and all are kept until exit.

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "ControlPanel.h"
#include "DisplayWindow.h"
#include "ExampleDialog.h"
#include "ExerciseCommands.h"
#include "FileDrops.h"
#include "InterfaceHelpDialog.h"
#include "MainWindow.h"
#include "MemoryWindow.h"
#include "PauseWindow.h"
#include "RegistersWindow.h"
#include "ThanksDialog.h"
#include "ViewDispatcher.h"

#include <vector>

namespace soyka::ui {

class ProgramWindows {
public:
  // The state must already hold its start-up values. Creating the panel shows it; the main
  // window is shown by show().
  explicit ProgramWindows(MachineState& state);
  ~ProgramWindows();
  ProgramWindows(const ProgramWindows&) = delete;
  ProgramWindows& operator=(const ProgramWindows&) = delete;

  void show();

  // Each builds its window if it is not built yet.
  RegistersWindow& registersWindow() { return dispatcher_.registersWindow(); }
  MemoryWindow& memoryWindow() { return dispatcher_.memoryWindow(); }
  DisplayWindow& displayWindow() { return dispatcher_.displayWindow(); }
  PauseWindow& pauseWindow() { return dispatcher_.pauseWindow(); }
  AboutAuthorDialog& aboutAuthor() { return mainWindow_.aboutAuthorDialog(); }
  AboutProgramDialog& aboutProgram() { return mainWindow_.aboutProgramDialog(); }
  ThanksDialog& thanks() { return mainWindow_.thanksDialog(); }
  InterfaceHelpDialog& interfaceHelp() { return mainWindow_.interfaceHelpDialog(); }
  ExampleDialog& example() { return mainWindow_.exampleDialog(); }

  // Every window built so far: the main window, the panel, the views in the order they were
  // built, then the dialogs. Builds none.
  std::vector<QWidget*> builtWindows();

  ViewDispatcher dispatcher_;
  MainWindow mainWindow_;
  ControlPanel controlPanel_;
  // Opening, saving and checking exercise files, in every window and by a drop on any.
  ExerciseCommands exercises_;
  FileDrops fileDrops_;
};

} // namespace soyka::ui
