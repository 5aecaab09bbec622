#include "Machine.h"

namespace soyka {

const std::array<std::string_view, 8> CommandTable = {
    "000  A1 ==> A3",        "001  A1 + A2 ==> A3", "010  A1 / A2 ==> A3",   "011  A1 - A2 ==> A3",
    "100  при A1 = A2 к A3", "101  A1 * A2 ==> A3", "110  при A1 > A2 к A3", "111  ВЫВОД, СТОП",
};

void InitializeMachine(MachineState& state) {
  state = MachineState{};
}

int WordValue(const Word12& word) {
  return FieldValue(word, WordBits, 1);
}

int FieldValue(const Word12& word, int high, int low) {
  int value = 0;
  for (int k = high; k >= low; --k) {
    value = value * 2 + word[k];
  }
  return value;
}

CommandFields SplitCommand(const Word12& word) {
  return {FieldValue(word, 12, 10), FieldValue(word, 9, 7), FieldValue(word, 6, 4),
          FieldValue(word, 3, 1)};
}

Word12 WordFromValue(int value) {
  Word12 word;
  auto rest = static_cast<unsigned>(value);
  for (int k = 1; k <= WordBits; ++k) {
    word[k] = static_cast<std::uint8_t>(rest % 2);
    rest /= 2;
  }
  return word;
}

std::string AddressText(int cell) {
  CounterBits3 bits;
  for (int k = 1; k <= CounterBitCount; ++k) {
    bits[k] = static_cast<std::uint8_t>((cell >> (k - 1)) & 1);
  }
  return BitsText(bits);
}

void SetCounter(MachineState& state, int cell) {
  state.Counter = cell;
  for (int k = 1; k <= CounterBitCount; ++k) {
    state.CounterBits[k] = static_cast<std::uint8_t>((cell >> (k - 1)) & 1);
  }
}

void IncrementCounter(MachineState& state) {
  state.Counter = state.Counter + 1 == CellCount ? 0 : state.Counter + 1;
  int carry = 1;
  for (int k = 1; k <= CounterBitCount; ++k) {
    const int sum = state.CounterBits[k] + carry;
    state.CounterBits[k] = static_cast<std::uint8_t>(sum % 2);
    carry = sum / 2;
  }
}

std::string StepDescription(int opcode) {
  // The first four characters ("000 ") are ASCII, so byte 4 is where character 5 begins.
  return std::string(CommandTable[static_cast<std::size_t>(opcode)].substr(4));
}

} // namespace soyka
