#include "RunHistory.h"

#include "Machine.h"

#include <algorithm>

namespace soyka {
namespace {

enum FlagBit : std::uint16_t {
  ConditionMetBit = 1 << 0,
  CounterShownBit = 1 << 1,
  CommandRegisterShownBit = 1 << 2,
  AccumulatorShownBit = 1 << 3,
  TactVisibleBit = 1 << 4,
  TactBesideErrorBit = 1 << 5,
  ErrorVisibleBit = 1 << 6,
  CommentsVisibleBit = 1 << 7,
  ContinueEnabledBit = 1 << 8,
};

std::uint16_t Packed(const Word12& word) {
  return static_cast<std::uint16_t>(WordValue(word));
}

std::uint8_t Small(int value) {
  return static_cast<std::uint8_t>(value);
}

} // namespace

void RunHistory::Clear() {
  pauses_.clear();
  texts_.clear();
}

std::size_t RunHistory::Footprint() const {
  std::size_t bytes = pauses_.capacity() * sizeof(PauseSnapshot);
  for (const std::string& text : texts_) {
    bytes += sizeof(std::string) + text.capacity();
  }
  return bytes;
}

bool RunHistory::operator==(const RunHistory& other) const {
  const std::size_t common = std::min(texts_.size(), other.texts_.size());
  return pauses_ == other.pauses_ &&
         std::equal(texts_.begin(), texts_.begin() + static_cast<std::ptrdiff_t>(common),
                    other.texts_.begin());
}

std::uint16_t RunHistory::TextNumber(const std::string& text) {
  const auto found = std::ranges::find(texts_, text);
  if (found != texts_.end()) {
    return static_cast<std::uint16_t>(found - texts_.begin());
  }
  texts_.push_back(text);
  return static_cast<std::uint16_t>(texts_.size() - 1);
}

void RunHistory::Record(const MachineState& s) {
  PauseSnapshot p;
  for (std::size_t cell = 0; cell < s.Memory.size(); ++cell) {
    p.Memory[cell] = Packed(s.Memory[cell]);
  }
  p.CommandRegister = Packed(s.CommandRegister);
  p.Accumulator = Packed(s.Accumulator);
  p.FirstOperand = static_cast<std::uint16_t>(s.FirstOperand);
  p.SecondOperand = s.SecondOperand;
  p.Counter = Small(s.Counter);
  p.PreviousCounter = Small(s.PreviousCounter);
  p.TargetCell = Small(s.TargetCell);
  p.Opcode = Small(s.Opcode);
  p.A1 = Small(s.A1);
  p.A2 = Small(s.A2);
  p.A3 = Small(s.A3);
  p.Next = Small(static_cast<int>(s.Cycle.Next));
  p.Waiting = Small(static_cast<int>(s.Cycle.Waiting));
  const ViewState& v = s.View;
  for (int cell = 0; cell < CellCount; ++cell) {
    p.MarkedCells |= Small(v.MarkedCells[static_cast<std::size_t>(cell)] ? 1 << cell : 0);
  }
  p.CursorCell = static_cast<std::int8_t>(v.CursorCell.value_or(-1));
  p.Tact = Small(v.Pause.Tact);
  p.ErrorMessage = TextNumber(s.ErrorMessage);
  p.Address = TextNumber(v.Pause.Address);
  for (std::size_t line = 0; line < p.Lines.size(); ++line) {
    p.Lines[line] = TextNumber(v.Pause.Lines[line]);
  }
  p.Error = TextNumber(v.Pause.Error);
  for (std::size_t row = 0; row < p.RowCells.size(); ++row) {
    const DisplayRow& shown = v.DisplayRows[row];
    p.RowWords[row] = Packed(shown.Word);
    p.RowCells[row] = static_cast<std::int8_t>(shown.Shown ? shown.Cell : -1);
  }
  const std::pair<bool, FlagBit> flags[] = {{s.ConditionMet, ConditionMetBit},
                                            {v.CounterShown, CounterShownBit},
                                            {v.CommandRegisterShown, CommandRegisterShownBit},
                                            {v.AccumulatorShown, AccumulatorShownBit},
                                            {v.Pause.TactVisible, TactVisibleBit},
                                            {v.Pause.TactBesideError, TactBesideErrorBit},
                                            {v.Pause.ErrorVisible, ErrorVisibleBit},
                                            {v.Pause.CommentsVisible, CommentsVisibleBit},
                                            {v.Pause.ContinueEnabled, ContinueEnabledBit}};
  for (const auto& [set, bit] : flags) {
    if (set) {
      p.Flags |= bit;
    }
  }
  pauses_.push_back(p);
}

void RunHistory::StepBack(MachineState& state) {
  if (pauses_.size() < 2) {
    return;
  }
  pauses_.pop_back();
  Restore(pauses_.back(), state);
}

void RunHistory::Restore(const PauseSnapshot& p, MachineState& s) const {
  for (std::size_t cell = 0; cell < s.Memory.size(); ++cell) {
    s.Memory[cell] = WordFromValue(p.Memory[cell]);
  }
  s.CommandRegister = WordFromValue(p.CommandRegister);
  s.Accumulator = WordFromValue(p.Accumulator);
  s.FirstOperand = p.FirstOperand;
  s.SecondOperand = p.SecondOperand;
  SetCounter(s, p.Counter);
  s.PreviousCounter = p.PreviousCounter;
  s.TargetCell = p.TargetCell;
  s.Opcode = p.Opcode;
  s.A1 = p.A1;
  s.A2 = p.A2;
  s.A3 = p.A3;
  s.Halted = true;
  s.ConditionMet = (p.Flags & ConditionMetBit) != 0;
  s.ErrorMessage = texts_[p.ErrorMessage];
  s.Cycle = {static_cast<CycleStep>(p.Next), static_cast<Wait>(p.Waiting)};
  ViewState& v = s.View;
  for (int cell = 0; cell < CellCount; ++cell) {
    v.MarkedCells[static_cast<std::size_t>(cell)] = ((p.MarkedCells >> cell) & 1) != 0;
  }
  v.CursorCell = p.CursorCell < 0 ? std::nullopt : std::optional<int>(p.CursorCell);
  v.CounterShown = (p.Flags & CounterShownBit) != 0;
  v.CommandRegisterShown = (p.Flags & CommandRegisterShownBit) != 0;
  v.AccumulatorShown = (p.Flags & AccumulatorShownBit) != 0;
  for (std::size_t row = 0; row < p.RowCells.size(); ++row) {
    const bool shown = p.RowCells[row] >= 0;
    v.DisplayRows[row] = {shown, shown ? p.RowCells[row] : 0,
                          shown ? WordFromValue(p.RowWords[row]) : Word12{}};
  }
  PauseView& pause = v.Pause;
  pause.Address = texts_[p.Address];
  pause.Tact = p.Tact;
  for (std::size_t line = 0; line < p.Lines.size(); ++line) {
    pause.Lines[line] = texts_[p.Lines[line]];
  }
  pause.TactVisible = (p.Flags & TactVisibleBit) != 0;
  pause.TactBesideError = (p.Flags & TactBesideErrorBit) != 0;
  pause.ErrorVisible = (p.Flags & ErrorVisibleBit) != 0;
  pause.Error = texts_[p.Error];
  pause.CommentsVisible = (p.Flags & CommentsVisibleBit) != 0;
  pause.ContinueEnabled = (p.Flags & ContinueEnabledBit) != 0;
}

} // namespace soyka
