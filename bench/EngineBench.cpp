// Commands per second of the engine in Auto mode, with views that draw nothing.
#include "InstructionCycle.h"
#include "Machine.h"
#include "SilentViews.h"

#include <benchmark/benchmark.h>

namespace {

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
  soyka::SilentViews views;
  for (auto _ : bench) {
    soyka::ExecuteCommand(state, views);
    benchmark::DoNotOptimize(state.Accumulator);
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_ExecuteCommandAuto);

} // namespace

BENCHMARK_MAIN();
