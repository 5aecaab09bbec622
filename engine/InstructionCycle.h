#pragma once
// The instruction cycle: one command, tact by tact, with its commentary and pauses. Each part of
// the command between two pauses is one step; where the command stands is kept in state.Cycle.

#include "Machine.h"
#include "ViewOperations.h"
#include "ViewUpdates.h"

#include <optional>

namespace soyka {

// Executes the command in cell Counter to its end; the outcome is left in the state
// (ErrorMessage empty, an error text or "abort"; Opcode 7 after output; Halted). A pause or error
// box that the views do not answer at once is taken as Дальше.
void ExecuteCommand(MachineState& state, ViewOperations& views);

// Runs the part of the command at state.Cycle.Next, up to its pause; returns the answer when the
// views gave it at once. The last part moves state.Cycle.Next to CommandEnd.
std::optional<PauseAnswer> RunCommandStep(MachineState& state, ViewUpdates& show);

// Splits the fetched cell into Opcode, A1, A2 and A3.
void DecodeCommand(MachineState& state);

} // namespace soyka
