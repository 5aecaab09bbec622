#pragma once
// The machine's state record, its word encoding, and the helpers every module shares.

#include "CycleProgress.h"
#include "RunHistory.h"
#include "ViewState.h"
#include "Word.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace soyka {

inline constexpr int RunModeAuto = 2;
inline constexpr int RunModeStep = 3;
inline constexpr int RunModeTact = 4;

inline constexpr int OpcodeMove = 0;
inline constexpr int OpcodeAdd = 1;
inline constexpr int OpcodeDivide = 2;
inline constexpr int OpcodeSubtract = 3;
inline constexpr int OpcodeJumpIfEqual = 4;
inline constexpr int OpcodeMultiply = 5;
inline constexpr int OpcodeJumpIfGreater = 6;
inline constexpr int OpcodeOutputAndStop = 7;

inline constexpr std::string_view OverflowMessage = "Переполнение!";
inline constexpr std::string_view DivisionByZeroMessage = "Деление на 0!";
// Marks a run that the learner stopped from the pause window.
inline constexpr std::string_view AbortMessage = "abort";

struct MachineState {
  std::array<Word12, CellCount> Memory{};
  Word12 CommandRegister{};
  Word12 Accumulator{};
  CounterBits3 CounterBits{};
  std::int32_t Counter = 0;
  std::int32_t PreviousCounter = 0;
  std::int32_t RunMode = RunModeAuto;
  bool Halted = true;
  bool ConditionMet = false;
  std::string ErrorMessage;
  std::int32_t TargetCell = 0;
  std::int32_t Opcode = 0;
  std::int32_t A1 = 0;
  std::int32_t FirstOperand = 0;
  std::int32_t A2 = 0;
  std::int32_t A3 = 0;
  std::int32_t SecondOperand = 0;
  bool MemoryWindowOpen = false;
  bool DisplayWindowOpen = false;
  bool RegistersWindowOpen = false;
  bool InputEnabled = false;
  bool LoadExampleChosen = false;
  // Where the command under way stands, and what the windows show.
  CycleProgress Cycle;
  ViewState View;
  // The pauses of the run so far, for Назад.
  RunHistory History;
  bool operator==(const MachineState&) const = default;
};

// Puts every field at its start-up value; runs once before any window exists.
void InitializeMachine(MachineState& state);

int WordValue(const Word12& word);
int FieldValue(const Word12& word, int high, int low);

// A word read as a command: operation code in bits 12..10, addresses in 9..7, 6..4 and 3..1.
struct CommandFields {
  int Opcode = 0;
  int A1 = 0;
  int A2 = 0;
  int A3 = 0;
};
CommandFields SplitCommand(const Word12& word);
Word12 WordFromValue(int value);

// Bits high..low of a row as the digits "0"/"1", most significant first.
template <int Count> std::string BitsText(const BitRow<Count>& row, int high = Count, int low = 1) {
  std::string text;
  for (int k = high; k >= low; --k) {
    text += row[k] != 0 ? '1' : '0';
  }
  return text;
}

// A cell number 0..7 as three binary digits, "000" to "111".
std::string AddressText(int cell);

// Sets Counter and CounterBits together to cell n.
void SetCounter(MachineState& state, int cell);
void IncrementCounter(MachineState& state);

extern const std::array<std::string_view, 8> CommandTable;
// The command's description with its leading blank, as the pause window shows it in Step mode.
std::string StepDescription(int opcode);

} // namespace soyka
