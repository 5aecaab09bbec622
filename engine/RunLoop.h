#pragma once
// The control panel's run loop without the panel: what ПУСК, СТОП, ВВОД, each timer tick and each
// answer to a pause do to the machine and ask of the views. The panel adds only its own lamp,
// buttons and selector.

#include "Machine.h"
#include "ViewOperations.h"

namespace soyka {

// The run loop's timer period, in milliseconds.
inline constexpr int TickIntervalMs = 500;

enum class TickOutcome {
  Idle,      // nothing ran: the machine is halted, or no pause waits for an answer
  Waiting,   // a pause or the error box waits; its answer goes to AnswerPause
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

// One timer tick: at most one whole command, the pause after it, and the decision to go on. It
// returns early, between two tacts, at a pause that the views do not answer at once.
TickOutcome RunTick(MachineState& state, ViewOperations& views);

// The learner's answer to the pause or error box that waits (a box's closing is Continue); the
// run carries on from there as the tick would have.
TickOutcome AnswerPause(MachineState& state, ViewOperations& views, PauseAnswer answer);

// What an answer does to the state: a stop leaves "abort" and skips the rest of the command.
// Назад is the run loop's to follow before; here it goes on as Дальше.
void TakeAnswer(MachineState& state, PauseAnswer answer);

} // namespace soyka
