#include "InstructionCycle.h"

#include "RunLoop.h"

#include <array>
#include <cstdlib>

namespace soyka {
namespace {

using Lines = std::array<std::string, CommentLineCount>;

// One part of a command; it leaves Cycle.Next at the part that follows it.
class CommandStep {
public:
  CommandStep(MachineState& state, ViewUpdates& show) : s_(state), show_(show) {}

  std::optional<PauseAnswer> Run() {
    switch (s_.Cycle.Next) {
    case CycleStep::Fetch:
      return Fetch();
    case CycleStep::Advance:
      return Advance();
    case CycleStep::LoadOperand:
      return LoadOperand();
    case CycleStep::Store:
      return Store();
    case CycleStep::Compute:
      return Compute();
    case CycleStep::Result:
      return Result();
    case CycleStep::Compare:
      return Compare();
    case CycleStep::Jump:
      return Jump();
    case CycleStep::OutputRow2:
      return OutputRow(2);
    case CycleStep::OutputRow3:
      return OutputRow(3);
    case CycleStep::OutputDone:
      s_.Halted = true;
      s_.Cycle.Next = CycleStep::CommandEnd;
      break;
    case CycleStep::CommandEnd:
    case CycleStep::TickEnd:
      break;
    }
    return std::nullopt;
  }

private:
  bool TactMode() const { return s_.RunMode == RunModeTact; }

  // The end of a tact: its commentary and pause in Tact mode, then `next`. The lines are built
  // only when shown, so Auto runs pay nothing for them.
  template <typename MakeLines>
  std::optional<PauseAnswer> Tact(int tact, CycleStep next, MakeLines makeLines) {
    s_.Cycle.Next = next;
    if (!TactMode()) {
      return std::nullopt;
    }
    show_.SetTactComment(tact, makeLines());
    return show_.PauseForTact(Wait::TactPause);
  }

  Word12& Cell(int cell) { return s_.Memory[static_cast<std::size_t>(cell)]; }

  void StoreWord(int cell, const Word12& word) {
    s_.TargetCell = cell;
    Cell(cell) = word;
    show_.Views().RefreshMemoryView();
  }

  std::optional<PauseAnswer> Fetch() {
    show_.MoveCellMarker(s_.PreviousCounter, s_.Counter);
    s_.PreviousCounter = s_.Counter;
    s_.TargetCell = s_.Counter;
    s_.CommandRegister = Cell(s_.TargetCell);
    show_.RefreshCommandRegisterView();
    show_.SetExecutedAddress(AddressText(s_.Counter));
    return Tact(1, CycleStep::Advance, [&] {
      return Lines{"Выборка", "команды из", "ячейки " + BitsText(s_.CounterBits)};
    });
  }

  std::optional<PauseAnswer> Advance() {
    IncrementCounter(s_);
    show_.RefreshCounterView();
    return Tact(2, CycleStep::LoadOperand, [] {
      return Lines{"+1  в СчК.", "Подготовка к", "след.команде"};
    });
  }

  std::optional<PauseAnswer> LoadOperand() {
    DecodeCommand(s_);
    if (s_.Opcode == OpcodeOutputAndStop) {
      return OutputRow(1);
    }
    s_.Accumulator = Cell(s_.A1);
    show_.RefreshAccumulatorView();
    s_.FirstOperand = WordValue(Cell(s_.A1));
    const CycleStep next = s_.Opcode == OpcodeMove ? CycleStep::Store
                           : s_.Opcode == OpcodeJumpIfEqual || s_.Opcode == OpcodeJumpIfGreater
                               ? CycleStep::Compare
                               : CycleStep::Compute;
    return Tact(3, next, [&] {
      return Lines{"1-е число", "из ячейки", AddressText(s_.A1) + " в СМ"};
    });
  }

  std::optional<PauseAnswer> Store() {
    StoreWord(s_.A3, s_.Accumulator);
    return Tact(4, CycleStep::CommandEnd, [&] {
      return Lines{"Запись СМ в", "ячейку " + AddressText(s_.A3), ""};
    });
  }

  std::optional<PauseAnswer> Compute() {
    s_.SecondOperand = WordValue(Cell(s_.A2));
    const int a = s_.FirstOperand;
    const int b = s_.SecondOperand;
    char op = '+';
    switch (s_.Opcode) {
    case OpcodeAdd:
      s_.SecondOperand = a + b;
      break;
    case OpcodeSubtract:
      op = '-';
      s_.SecondOperand = std::abs(a - b);
      break;
    case OpcodeMultiply:
      op = '*';
      s_.SecondOperand = a * b;
      break;
    default:
      op = '/';
      if (b == 0) {
        return Fail(DivisionByZeroMessage);
      }
      s_.SecondOperand = a / b;
      break;
    }
    if (s_.SecondOperand >= WordLimit) {
      return Fail(OverflowMessage);
    }
    return Tact(4, CycleStep::Result, [&] {
      return Lines{std::string("СМ") + op + "2-е число", "из ячейки " + AddressText(s_.A2), "в СМ"};
    });
  }

  std::optional<PauseAnswer> Fail(std::string_view message) {
    s_.Cycle.Next = CycleStep::CommandEnd;
    return show_.ReportMachineError(message);
  }

  std::optional<PauseAnswer> Result() {
    s_.Accumulator = WordFromValue(s_.SecondOperand);
    show_.RefreshAccumulatorView();
    StoreWord(s_.A3, s_.Accumulator);
    return Tact(5, CycleStep::CommandEnd, [&] {
      return Lines{"Результат  в", "ячейку " + AddressText(s_.A3), ""};
    });
  }

  std::optional<PauseAnswer> Compare() {
    s_.SecondOperand = WordValue(Cell(s_.A2));
    s_.ConditionMet = s_.Opcode == OpcodeJumpIfEqual ? s_.FirstOperand == s_.SecondOperand
                                                     : s_.FirstOperand > s_.SecondOperand;
    return Tact(4, CycleStep::Jump, [&] {
      return Lines{"Сравнить СМ", "и ячейку " + AddressText(s_.A2), ""};
    });
  }

  std::optional<PauseAnswer> Jump() {
    if (!s_.ConditionMet) {
      return Tact(5, CycleStep::CommandEnd, [] {
        return Lines{"Условие", "НЕ ВЫПОЛНЕНО!", "Перехода нет"};
      });
    }
    s_.Counter = s_.A3;
    for (int k = 1; k <= CounterBitCount; ++k) {
      s_.CounterBits[k] = s_.CommandRegister[k];
    }
    show_.RefreshCounterView();
    return Tact(5, CycleStep::CommandEnd, [&] {
      return Lines{"Условие", "ВЫПОЛНЕНО!", "Переход к " + AddressText(s_.A3)};
    });
  }

  // Output rows 1 to 3 are tacts 3 to 5; here the commentary comes before the row is shown.
  std::optional<PauseAnswer> OutputRow(int row) {
    static constexpr std::array<CycleStep, DisplayRowCount> After = {
        CycleStep::OutputRow2, CycleStep::OutputRow3, CycleStep::OutputDone};
    s_.Cycle.Next = After[static_cast<std::size_t>(row - 1)];
    if (TactMode()) {
      show_.SetTactComment(row + 2,
                           {"Вывод " + std::to_string(row) + "-го", "числа", "на дисплей"});
    }
    const std::array<int, DisplayRowCount> cells = {s_.A1, s_.A2, s_.A3};
    s_.TargetCell = cells[static_cast<std::size_t>(row - 1)];
    show_.ShowDisplayRow(row, s_.TargetCell);
    return TactMode() ? show_.PauseForTact(Wait::TactPause) : std::nullopt;
  }

  MachineState& s_;
  ViewUpdates& show_;
};

} // namespace

std::optional<PauseAnswer> RunCommandStep(MachineState& state, ViewUpdates& show) {
  return CommandStep(state, show).Run();
}

void DecodeCommand(MachineState& state) {
  const CommandFields fields =
      SplitCommand(state.Memory[static_cast<std::size_t>(state.TargetCell)]);
  state.Opcode = fields.Opcode;
  state.A1 = fields.A1;
  state.A2 = fields.A2;
  state.A3 = fields.A3;
}

void ExecuteCommand(MachineState& state, ViewOperations& views) {
  ViewUpdates show(state, views);
  state.Cycle = {};
  while (state.Cycle.Next != CycleStep::CommandEnd) {
    const std::optional<PauseAnswer> answer = RunCommandStep(state, show);
    if (state.Cycle.Waiting != Wait::None) {
      TakeAnswer(state, answer.value_or(PauseAnswer::Continue));
    }
  }
}

} // namespace soyka
