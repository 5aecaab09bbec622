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

class SoykaWindows {
public:
  // The state must already hold its start-up values. Creating the panel shows it; the main
  // window is shown by Show().
  explicit SoykaWindows(MachineState& state);

  void Show();

  WindowViews views;
  TForm1 Form1;
  RegistersWindow ALU;
  MemoryWindow Soyka_mem;
  DisplayWindow disp;
  PauseWindow Info_win;
  ControlPanel Pult;
  AboutAuthorDialog About_avtor;
  AboutProgramDialog About_prog;
  ThanksDialog Thanks;
  InterfaceHelpDialog Inter;
  ExampleDialog primer;
};

} // namespace soyka::ui
