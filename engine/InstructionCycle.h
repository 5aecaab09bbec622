#pragma once
// The instruction cycle: one whole command, tact by tact, with its commentary and pauses.

#include "Machine.h"
#include "ViewOperations.h"

#include <string_view>

namespace soyka {

// Executes the command in cell Counter; the outcome is left in the state
// (ErrorMessage empty, an error text or "abort"; Opcode 7 after output; Halted).
void ExecuteCommand(MachineState& state, ViewOperations& views);

void ReportMachineError(MachineState& state, ViewOperations& views, std::string_view message);

// Splits the fetched cell into Opcode, A1, A2 and A3.
void DecodeCommand(MachineState& state);

} // namespace soyka
