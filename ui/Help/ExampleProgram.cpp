#include "ExampleProgram.h"

#include "StateEdits.h"

// N! for N + 1 in cell 100: F := F * K, K := K + 1, back to 000 while N1 > K, then show F.
const std::array<std::uint8_t, soyka::CellCount* soyka::WordBits> ExampleImage = {
    1, 0, 1, 1, 1, 0, 1, 0, 1, 1, 0, 1, // 000: F := F * K
    0, 0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, // 001: K := K + 1
    1, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, // 010: to 000 if N1 > K
    1, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0, 1, // 011: output F, stop
    0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, // 100: N1 = 6
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, // 101: F = 1
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, // 110: K = 1
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, // 111: the constant 1
};

void LoadExample(soyka::MachineState& state) {
  std::array<soyka::Word12, soyka::CellCount> image{};
  for (int cell = 0; cell < soyka::CellCount; ++cell) {
    for (int bit = 1; bit <= soyka::WordBits; ++bit) {
      const auto byte = static_cast<std::size_t>(soyka::WordBits * cell + (soyka::WordBits - bit));
      image[static_cast<std::size_t>(cell)][bit] = ExampleImage[byte];
    }
  }
  soyka::LoadProgram(state, image);
}
