#pragma once
// The control panel's run loop without the panel: what ПУСК, СТОП, ВВОД and each timer tick do to
// the machine and ask of the views. The panel adds only its own lamp, buttons and selector.

#include "Machine.h"
#include "ViewOperations.h"

namespace soyka {

// The run loop's timer period, in milliseconds.
inline constexpr int TickIntervalMs = 500;

enum class TickOutcome {
  Idle,      // Halted was set: nothing ran
  RunGoesOn, // a command ran and the next tick runs the next one
  RunEnded,  // a command ran and the run is over: the panel goes back to idle
};

// Selector item 0, 1, 2 ("Авто", "Шаг", "Такт").
void SelectRunMode(MachineState& state, int itemIndex);

// ПУСК: pause window prepared, input off, markers and display reset, counter to cell 0, go.
void StartRun(MachineState& state, ViewOperations& views);

// СТОП of an Auto run, between ticks.
void StopRun(MachineState& state, ViewOperations& views);

// ВВОД: the memory window comes up and bits may be typed.
void EnableMemoryInput(MachineState& state, ViewOperations& views);

// One timer tick: at most one whole command, the pause after it, and the decision to go on.
TickOutcome RunTick(MachineState& state, ViewOperations& views);

} // namespace soyka
