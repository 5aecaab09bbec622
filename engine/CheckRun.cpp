// The one place a check meets the instruction cycle: the run loop's Auto mode without the timer,
// and views that only note what the display shows.
#include "CheckRun.h"

#include "RunLoop.h"
#include "SilentViews.h"

namespace soyka {
namespace {

class DisplayNotes : public SilentViews {
public:
  DisplayNotes(const MachineState& state, DisplayValues& display)
      : state_(state), display_(display) {}

  void ShowDisplayRow(int row, int cell) override {
    display_[static_cast<std::size_t>(row - 1)] =
        WordValue(state_.Memory[static_cast<std::size_t>(cell)]);
  }

private:
  const MachineState& state_;
  DisplayValues& display_;
};

} // namespace

CheckRun RunCheck(const MemoryImage& program, const ExerciseCheck& check, int commandLimit) {
  MachineState state;
  InitializeMachine(state);
  state.Memory = program;
  for (const CellPreset& preset : check.presets) {
    state.Memory[static_cast<std::size_t>(preset.cell)] = WordFromValue(preset.value);
  }
  state.RunMode = RunModeAuto;
  state.Halted = false;
  CheckRun run;
  DisplayNotes views(state, run.display);
  while (run.commands < static_cast<std::uint64_t>(commandLimit)) {
    // Each tick is one command; the silent views answer its pauses at once.
    const TickOutcome outcome = RunTick(state, views);
    ++run.commands;
    if (outcome == TickOutcome::RunEnded) {
      run.errorMessage = state.ErrorMessage;
      run.stopped = true;
      break;
    }
  }
  return run;
}

} // namespace soyka
