#include "RunLoop.h"

#include "InstructionCycle.h"

namespace soyka {

void SelectRunMode(MachineState& state, int itemIndex) {
  state.RunMode = itemIndex + RunModeAuto;
}

void StartRun(MachineState& state, ViewOperations& views) {
  views.EnableInfoContinue();
  views.SetInfoCommentsVisible(state.RunMode > RunModeAuto);
  state.InputEnabled = false;
  views.SetInputLamps(false);
  views.ShowCellMarker(0);
  for (int cell = 1; cell < CellCount; ++cell) {
    views.HideCellMarker(cell);
  }
  views.ClearDisplay();
  state.PreviousCounter = 0;
  SetCounter(state, 0);
  views.RefreshCounterView();
  state.Halted = false;
  state.ErrorMessage.clear();
}

void StopRun(MachineState& state, ViewOperations& views) {
  state.Halted = true;
  views.CloseInfoWindow();
  state.InputEnabled = false;
  views.SetInputLamps(false);
}

void EnableMemoryInput(MachineState& state, ViewOperations& views) {
  state.MemoryWindowOpen = true;
  views.ShowWantedWindows();
  state.InputEnabled = true;
  views.SetInputLamps(true);
}

TickOutcome RunTick(MachineState& state, ViewOperations& views) {
  if (state.Halted) {
    return TickOutcome::Idle;
  }
  ExecuteCommand(state, views);
  views.RefreshMemoryView();

  const bool machineError = !state.ErrorMessage.empty() && state.ErrorMessage != AbortMessage;
  if (state.RunMode == RunModeStep || machineError) {
    views.PauseForTact();
  }
  const bool goesOn = state.ErrorMessage.empty() && state.Opcode != OpcodeOutputAndStop;
  if (goesOn && state.RunMode > RunModeAuto) {
    state.Halted = false;
  }
  return goesOn ? TickOutcome::RunGoesOn : TickOutcome::RunEnded;
}

} // namespace soyka
