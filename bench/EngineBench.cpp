// Commands per second of the engine in Auto mode, with views that draw nothing.
#include "InstructionCycle.h"
#include "Machine.h"

#include <benchmark/benchmark.h>

namespace {

class SilentViews : public soyka::ViewOperations {
public:
  void RefreshMemoryView() override {}
  void MoveCellMarker(int, int) override {}
  void ShowCellMarker(int) override {}
  void HideCellMarker(int) override {}
  void RefreshCommandRegisterView() override {}
  void RefreshAccumulatorView() override {}
  void RefreshCounterView() override {}
  void ClearDisplay() override {}
  void ShowDisplayRow(int, int) override {}
  void SetExecutedAddress(const std::string&) override {}
  void SetTactComment(int, const std::string&, const std::string&, const std::string&) override {}
  std::optional<soyka::PauseAnswer> PauseForTact() override { return soyka::PauseAnswer::Continue; }
  void EnableInfoContinue() override {}
  void SetInfoCommentsVisible(bool) override {}
  void CloseInfoWindow() override {}
  void DisablePanelStop() override {}
  bool ShowErrorBox(const std::string&) override { return true; }
  void SetInputLamps(bool) override {}
  void ShowWantedWindows() override {}
};

// An endless loop over every command kind but output; cell 6 holds 3, cell 7 the results.
void BM_ExecuteCommandAuto(benchmark::State& bench) {
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  const int program[8] = {
      0b000'110'000'111, // cell 7 := cell 6
      0b001'110'110'111, // cell 7 := cell 6 + cell 6
      0b011'111'110'111, // cell 7 := |cell 7 - cell 6|
      0b101'111'110'111, // cell 7 := cell 7 * cell 6
      0b010'111'110'111, // cell 7 := cell 7 / cell 6
      0b100'000'000'000, // cell 0 = cell 0: back to cell 0
      3,
      0,
  };
  for (int cell = 0; cell < 8; ++cell) {
    state.Memory[static_cast<std::size_t>(cell)] = soyka::WordFromValue(program[cell]);
  }
  SilentViews views;
  for (auto _ : bench) {
    soyka::ExecuteCommand(state, views);
    benchmark::DoNotOptimize(state.Accumulator);
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_ExecuteCommandAuto);

} // namespace

BENCHMARK_MAIN();
