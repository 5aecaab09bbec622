#include "StateEdits.h"

#include "ViewUpdates.h"

namespace soyka {

void TypeBit(MachineState& state, int cell, int bit, int value) {
  state.Memory[static_cast<std::size_t>(cell)][bit] = static_cast<std::uint8_t>(value);
}

void LoadProgram(MachineState& state, const std::array<Word12, CellCount>& image) {
  state.Memory = image;
}

void SetViewWanted(MachineState& state, ViewWindow view, bool wanted) {
  switch (view) {
  case ViewWindow::Memory:
    state.MemoryWindowOpen = wanted;
    break;
  case ViewWindow::Registers:
    state.RegistersWindowOpen = wanted;
    break;
  case ViewWindow::Display:
    state.DisplayWindowOpen = wanted;
    break;
  }
}

void EndMemoryInput(MachineState& state, ViewOperations& views) {
  state.InputEnabled = false;
  views.SetInputLamps(false);
}

void ShowRegisters(MachineState& state, ViewOperations& views) {
  ViewUpdates show(state, views);
  show.RefreshCommandRegisterView();
  show.RefreshAccumulatorView();
  show.RefreshCounterView();
}

void ChooseExampleLoad(MachineState& state, bool load) {
  state.LoadExampleChosen = load;
}

} // namespace soyka
