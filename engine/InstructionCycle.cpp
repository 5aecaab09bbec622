#include "InstructionCycle.h"

#include <array>
#include <cstdlib>

namespace soyka {
namespace {

// One command's run through its tacts; each step returns false once the command has ended early.
class CommandCycle {
public:
  CommandCycle(MachineState& state, ViewOperations& views)
      : s_(state), views_(views), tactMode_(state.RunMode == RunModeTact) {}

  void Run() {
    Fetch();
    if (!Tact(1, [&] {
          return Lines{"Выборка", "команды из", "ячейки " + BitsText(s_.CounterBits)};
        })) {
      return;
    }
    IncrementCounter(s_);
    views_.RefreshCounterView();
    if (!Tact(2, [&] { return Lines{"+1  в СчК.", "Подготовка к", "след.команде"}; })) {
      return;
    }
    DecodeCommand(s_);
    switch (s_.Opcode) {
    case OpcodeOutputAndStop:
      Output();
      return;
    case OpcodeMove:
      if (LoadOperand()) {
        Move();
      }
      return;
    case OpcodeJumpIfEqual:
    case OpcodeJumpIfGreater:
      if (LoadOperand()) {
        Compare();
      }
      return;
    default:
      if (LoadOperand()) {
        Arithmetic();
      }
      return;
    }
  }

private:
  // Address texts in the commentary come from the fetched command's bits.
  std::string A1Text() const { return BitsText(s_.CommandRegister, 9, 7); }
  std::string A2Text() const { return BitsText(s_.CommandRegister, 6, 4); }
  std::string A3Text() const { return BitsText(s_.CommandRegister, 3, 1); }

  bool Aborted() const { return s_.ErrorMessage == AbortMessage; }

  using Lines = std::array<std::string, 3>;

  // Commentary and pause of a finished tact (Tact mode only), then the abort check. The lines
  // are built only when shown, so Auto runs pay nothing for them.
  template <typename MakeLines> bool Tact(int tact, MakeLines makeLines) {
    if (tactMode_) {
      const Lines lines = makeLines();
      views_.SetTactComment(tact, lines[0], lines[1], lines[2]);
      views_.PauseForTact();
    }
    return !Aborted();
  }

  void Fetch() {
    views_.MoveCellMarker(s_.PreviousCounter, s_.Counter);
    s_.PreviousCounter = s_.Counter;
    s_.TargetCell = s_.Counter;
    s_.CommandRegister = s_.Memory[static_cast<std::size_t>(s_.TargetCell)];
    views_.RefreshCommandRegisterView();
    views_.SetExecutedAddress(
        std::string(CommandTable[static_cast<std::size_t>(s_.Counter)].substr(0, 3)));
  }

  Word12& Cell(int cell) { return s_.Memory[static_cast<std::size_t>(cell)]; }

  void Store(int cell, const Word12& word) {
    s_.TargetCell = cell;
    Cell(cell) = word;
    views_.RefreshMemoryView();
  }

  bool LoadOperand() {
    s_.Accumulator = Cell(s_.A1);
    views_.RefreshAccumulatorView();
    s_.FirstOperand = WordValue(Cell(s_.A1));
    return Tact(3, [&] { return Lines{"1-е число", "из ячейки", A1Text() + " в СМ"}; });
  }

  void Move() {
    Store(s_.A3, s_.Accumulator);
    Tact(4, [&] { return Lines{"Запись СМ в", "ячейку " + A3Text(), ""}; });
  }

  void Arithmetic() {
    s_.SecondOperand = WordValue(Cell(s_.A2));
    const int a = s_.FirstOperand;
    const int b = s_.SecondOperand;
    char op = '+';
    switch (s_.Opcode) {
    case OpcodeAdd:
      s_.SecondOperand = a + b;
      if (s_.SecondOperand >= WordLimit) {
        return ReportMachineError(s_, views_, OverflowMessage);
      }
      break;
    case OpcodeSubtract:
      op = '-';
      s_.SecondOperand = std::abs(a - b);
      break;
    case OpcodeMultiply:
      op = '*';
      s_.SecondOperand = a * b;
      if (s_.SecondOperand >= WordLimit) {
        return ReportMachineError(s_, views_, OverflowMessage);
      }
      break;
    default:
      op = '/';
      if (b == 0) {
        return ReportMachineError(s_, views_, DivisionByZeroMessage);
      }
      s_.SecondOperand = a / b;
      break;
    }
    if (!Tact(4, [&] {
          return Lines{std::string("СМ") + op + "2-е число", "из ячейки " + A2Text(), "в СМ"};
        })) {
      return;
    }
    s_.Accumulator = WordFromValue(s_.SecondOperand);
    views_.RefreshAccumulatorView();
    Store(s_.A3, s_.Accumulator);
    Tact(5, [&] { return Lines{"Результат  в", "ячейку " + A3Text(), ""}; });
  }

  void Compare() {
    s_.SecondOperand = WordValue(Cell(s_.A2));
    s_.ConditionMet = s_.Opcode == OpcodeJumpIfEqual ? s_.FirstOperand == s_.SecondOperand
                                                     : s_.FirstOperand > s_.SecondOperand;
    if (!Tact(4, [&] { return Lines{"Сравнить СМ", "и ячейку " + A2Text(), ""}; })) {
      return;
    }
    if (s_.ConditionMet) {
      s_.Counter = s_.A3;
      for (int k = 1; k <= CounterBitCount; ++k) {
        s_.CounterBits[k] = s_.CommandRegister[k];
      }
      views_.RefreshCounterView();
      Tact(5, [&] { return Lines{"Условие", "ВЫПОЛНЕНО!", "Переход к " + A3Text()}; });
    } else {
      Tact(5, [&] { return Lines{"Условие", "НЕ ВЫПОЛНЕНО!", "Перехода нет"}; });
    }
  }

  void Output() {
    const int cells[DisplayRowCount] = {s_.A1, s_.A2, s_.A3};
    for (int row = 1; row <= DisplayRowCount; ++row) {
      if (tactMode_) {
        views_.SetTactComment(row + 2, "Вывод " + std::to_string(row) + "-го", "числа",
                              "на дисплей");
      }
      s_.TargetCell = cells[row - 1];
      views_.ShowDisplayRow(row, s_.TargetCell);
      if (tactMode_) {
        views_.PauseForTact();
      }
      if (Aborted()) {
        break;
      }
    }
    s_.Halted = true;
  }

  MachineState& s_;
  ViewOperations& views_;
  const bool tactMode_;
};

} // namespace

void DecodeCommand(MachineState& state) {
  const Word12& cell = state.Memory[static_cast<std::size_t>(state.TargetCell)];
  state.Opcode = FieldValue(cell, 12, 10);
  state.A1 = FieldValue(cell, 9, 7);
  state.A2 = FieldValue(cell, 6, 4);
  state.A3 = FieldValue(cell, 3, 1);
}

void ReportMachineError(MachineState& state, ViewOperations& views, std::string_view message) {
  state.Halted = true;
  state.ErrorMessage = std::string(message);
  views.DisablePanelStop();
  views.ShowErrorBox(state.ErrorMessage);
}

void ExecuteCommand(MachineState& state, ViewOperations& views) {
  CommandCycle(state, views).Run();
}

} // namespace soyka
