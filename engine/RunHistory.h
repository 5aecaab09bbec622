#pragma once
// Every pause of a Step or Tact run, each kept in a few dozen bytes, so that Назад can bring any
// of them back as far as the run's first pause.

#include "ViewState.h"
#include "Word.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace soyka {

struct MachineState;

// One pause: the machine, where its command stands, and what the windows showed. Texts are kept
// once in the history and named here by their place in it.
struct PauseSnapshot {
  std::array<std::uint16_t, CellCount> Memory{};
  std::uint16_t CommandRegister = 0;
  std::uint16_t Accumulator = 0;
  std::uint16_t FirstOperand = 0;
  std::int32_t SecondOperand = 0;
  std::uint8_t Counter = 0;
  std::uint8_t PreviousCounter = 0;
  std::uint8_t TargetCell = 0;
  std::uint8_t Opcode = 0;
  std::uint8_t A1 = 0;
  std::uint8_t A2 = 0;
  std::uint8_t A3 = 0;
  std::uint8_t Next = 0;
  std::uint8_t Waiting = 0;
  std::uint8_t MarkedCells = 0;
  std::int8_t CursorCell = -1;
  std::uint8_t Tact = 0;
  std::uint16_t ErrorMessage = 0;
  std::uint16_t Address = 0;
  std::array<std::uint16_t, CommentLineCount> Lines{};
  std::uint16_t Error = 0;
  std::array<std::uint16_t, DisplayRowCount> RowWords{};
  // -1 for an empty row.
  std::array<std::int8_t, DisplayRowCount> RowCells{};
  // ConditionMet, the three registers shown, and the pause's panels and Дальше, one bit each.
  std::uint16_t Flags = 0;
  bool operator==(const PauseSnapshot&) const = default;
};

class RunHistory {
public:
  void Clear();
  std::size_t Size() const { return pauses_.size(); }
  // Bytes held, for the budget of a long run.
  std::size_t Footprint() const;

  // Keeps the pause that `state` shows now.
  void Record(const MachineState& state);
  // Forgets the newest pause and puts the one before it back into `state`; the run mode, the
  // views' open flags and memory input stay as they are.
  void StepBack(MachineState& state);

  // The same pauses; the texts they name agree, whatever either has kept besides.
  bool operator==(const RunHistory& other) const;

private:
  std::uint16_t TextNumber(const std::string& text);
  void Restore(const PauseSnapshot& pause, MachineState& state) const;

  std::vector<PauseSnapshot> pauses_;
  std::vector<std::string> texts_;
};

} // namespace soyka
