#pragma once
// The whole program's windows, created once in their fixed order and kept until exit.

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "ControlPanel.h"
#include "DisplayWindow.h"
#include "ExampleDialog.h"
#include "InterfaceHelpDialog.h"
#include "MainWindow.h"
#include "MemoryWindow.h"
#include "PauseWindow.h"
#include "RegistersWindow.h"
#include "ThanksDialog.h"
#include "ViewDispatcher.h"

namespace soyka::ui {

class ProgramWindows {
public:
  // The state must already hold its start-up values. Creating the panel shows it; the main
  // window is shown by show().
  explicit ProgramWindows(MachineState& state);

  void show();

  ViewDispatcher dispatcher_;
  MainWindow mainWindow_;
  RegistersWindow registersWindow_;
  MemoryWindow memoryWindow_;
  DisplayWindow displayWindow_;
  PauseWindow pauseWindow_;
  ControlPanel controlPanel_;
  AboutAuthorDialog aboutAuthor_;
  AboutProgramDialog aboutProgram_;
  ThanksDialog thanks_;
  InterfaceHelpDialog interfaceHelp_;
  ExampleDialog example_;
};

} // namespace soyka::ui
