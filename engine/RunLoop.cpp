#include "RunLoop.h"

#include "InstructionCycle.h"
#include "ViewUpdates.h"

namespace soyka {
namespace {

// The command is done: the memory is redrawn, then Step mode and a machine error pause.
std::optional<PauseAnswer> EndCommand(MachineState& state, ViewUpdates& show) {
  show.Views().RefreshMemoryView();
  state.Cycle.Next = CycleStep::TickEnd;
  const bool machineError = !state.ErrorMessage.empty() && state.ErrorMessage != AbortMessage;
  if (state.RunMode == RunModeStep || machineError) {
    return show.PauseForTact(Wait::CommandPause);
  }
  return std::nullopt;
}

TickOutcome EndTick(MachineState& state) {
  state.Cycle = {};
  const bool goesOn = state.ErrorMessage.empty() && state.Opcode != OpcodeOutputAndStop;
  if (goesOn && state.RunMode > RunModeAuto) {
    state.Halted = false;
  } else if (!goesOn) {
    state.History.Clear();
  }
  return goesOn ? TickOutcome::RunGoesOn : TickOutcome::RunEnded;
}

// Each Назад puts the pause before back and shows it again; returns the first other answer, or
// none while the pause waits.
std::optional<PauseAnswer> FollowBacks(MachineState& state, ViewUpdates& show,
                                       std::optional<PauseAnswer> answer) {
  while (answer == PauseAnswer::Back) {
    state.History.StepBack(state);
    answer = show.ShowRestoredPause();
  }
  return answer;
}

// Runs the tick on from state.Cycle.Next until a wait that has no answer yet, or its end.
TickOutcome CarryOn(MachineState& state, ViewOperations& views) {
  ViewUpdates show(state, views);
  for (;;) {
    std::optional<PauseAnswer> answer;
    if (state.Cycle.Next == CycleStep::TickEnd) {
      return EndTick(state);
    }
    if (state.Cycle.Next == CycleStep::CommandEnd) {
      answer = EndCommand(state, show);
    } else {
      answer = RunCommandStep(state, show);
    }
    if (state.Cycle.Waiting != Wait::None) {
      answer = FollowBacks(state, show, answer);
      if (!answer) {
        return TickOutcome::Waiting;
      }
      TakeAnswer(state, *answer);
    }
  }
}

} // namespace

void SelectRunMode(MachineState& state, int itemIndex) {
  state.RunMode = itemIndex + RunModeAuto;
}

void StartRun(MachineState& state, ViewOperations& views) {
  ViewUpdates show(state, views);
  show.EnableInfoContinue();
  show.SetInfoCommentsVisible(state.RunMode > RunModeAuto);
  state.InputEnabled = false;
  views.SetInputLamps(false);
  show.ShowCellMarker(0);
  for (int cell = 1; cell < CellCount; ++cell) {
    show.HideCellMarker(cell);
  }
  show.ClearDisplay();
  state.PreviousCounter = 0;
  SetCounter(state, 0);
  show.RefreshCounterView();
  state.Cycle = {};
  state.History.Clear();
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
  state.Cycle = {};
  return CarryOn(state, views);
}

TickOutcome AnswerPause(MachineState& state, ViewOperations& views, PauseAnswer answer) {
  if (state.Cycle.Waiting == Wait::None) {
    return TickOutcome::Idle;
  }
  ViewUpdates show(state, views);
  const std::optional<PauseAnswer> taken = FollowBacks(state, show, answer);
  if (!taken) {
    return TickOutcome::Waiting;
  }
  TakeAnswer(state, *taken);
  return CarryOn(state, views);
}

void TakeAnswer(MachineState& state, PauseAnswer answer) {
  const Wait wait = state.Cycle.Waiting;
  state.Cycle.Waiting = Wait::None;
  if (wait == Wait::ErrorBox || answer != PauseAnswer::Stop) {
    return;
  }
  state.ErrorMessage = std::string(AbortMessage);
  if (wait == Wait::TactPause) {
    state.Cycle.Next = CycleStep::CommandEnd;
  }
}

} // namespace soyka
