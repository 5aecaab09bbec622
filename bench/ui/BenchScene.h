#pragma once
// The program as a learner leaves it before a measurement: every window created, a program that
// runs forever in memory, and the memory, registers and display windows opened from the board.

#include "Machine.h"
#include "ProgramWindows.h"

namespace soyka::bench {

class BenchScene {
public:
  BenchScene();

  // Opens the three views as double clicks on the board would; false if they never painted.
  bool OpenEveryView();
  // ПУСК in Auto mode, or in the mode of the selector's item (0 Авто, 1 Шаг, 2 Такт).
  void StartAutoRun();
  void StartRun(int modeItem);

  MachineState state;
  ui::ProgramWindows windows;

private:
  static MachineState MakeState();
};

} // namespace soyka::bench
