#pragma once
// The few ways the windows change the machine outside a run: each a rule of its own, so that no
// window writes a field of the state itself.

#include "Machine.h"
#include "ViewOperations.h"

namespace soyka {

enum class ViewWindow { Memory, Registers, Display };

// A bit typed into the memory grid: bit `bit` (1..12) of `cell` becomes `value` (0 or 1).
void TypeBit(MachineState& state, int cell, int bit, int value);

// A whole program in memory at once, from an exercise file or the example.
void LoadProgram(MachineState& state, const std::array<Word12, CellCount>& image);

// Whether the learner wants the view on screen: its area's click sets it, its close button
// clears it.
void SetViewWanted(MachineState& state, ViewWindow view, bool wanted);

// The memory window lost the activation: bits may no longer be typed.
void EndMemoryInput(MachineState& state, ViewOperations& views);

// The registers window's activation: the registers as they are now, the counter lamps included.
void ShowRegisters(MachineState& state, ViewOperations& views);

// The example dialog's answer: load the example into memory, or not.
void ChooseExampleLoad(MachineState& state, bool load);

} // namespace soyka
