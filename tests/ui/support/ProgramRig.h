#pragma once
// The whole program as a learner finds it: the machine at its start-up values, every window
// created in its order, the main window and the control panel on screen.

#include "ProgramWindows.h"

namespace soyka::testing {

inline MachineState StartUpMachine() {
  MachineState state;
  InitializeMachine(state);
  return state;
}

struct ProgramRig {
  ProgramRig() { windows.show(); }

  MachineState state = StartUpMachine();
  ui::ProgramWindows windows{state};
};

} // namespace soyka::testing
