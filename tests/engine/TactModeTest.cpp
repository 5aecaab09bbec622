#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

int UntouchedResult() {
  return 77;
}

// One command of each kind in cell 3, with operands 5 and 2 in cells 5 and 6; cell 7 receives the
// result. The comparisons hold, so they jump to cell 1.
Machine TactMachine(int opcode, std::uint64_t stopAtPause = 0) {
  const int a3 = (opcode == OpcodeJumpIfEqual || opcode == OpcodeJumpIfGreater) ? 1 : 7;
  const int a2 = opcode == OpcodeJumpIfEqual ? 5 : 6;
  Machine m({{},
             {},
             {},
             Cmd(opcode, 5, a2, a3),
             {},
             WordFromValue(5),
             WordFromValue(2),
             WordFromValue(UntouchedResult())},
            RunModeTact, stopAtPause);
  SetCounter(m.state, 3);
  m.state.PreviousCounter = 3;
  m.state.Halted = false;
  return m;
}

int PausesOf(int opcode) {
  return opcode == OpcodeMove ? 4 : 5;
}

TEST(TactMode, FiveTactsPerCommandButFourForAMove) {
  for (int opcode = 0; opcode < 8; ++opcode) {
    Machine m = TactMachine(opcode);
    m.Execute();
    EXPECT_EQ(m.views.PauseCount(), static_cast<std::uint64_t>(PausesOf(opcode)))
        << "opcode " << opcode;
    const std::vector<std::string> comments = m.Calls("SetTactComment");
    ASSERT_EQ(comments.size(), static_cast<std::size_t>(PausesOf(opcode)));
    for (std::size_t i = 0; i < comments.size(); ++i) {
      EXPECT_EQ(comments[i].substr(0, 16), "SetTactComment " + std::to_string(i + 1));
    }
    EXPECT_TRUE(m.state.Halted) << "each pause sets Halted";
    EXPECT_TRUE(m.state.ErrorMessage.empty());
  }
}

using Comments = std::vector<std::string>;

TEST(TactMode, CommentaryOfEachCommandKind) {
  const Comments fetch = {"SetTactComment 1 \"Выборка\" \"команды из\" \"ячейки 011\"",
                          "SetTactComment 2 \"+1  в СчК.\" \"Подготовка к\" \"след.команде\"",
                          "SetTactComment 3 \"1-е число\" \"из ячейки\" \"101 в СМ\""};
  auto with = [&](Comments tail) {
    Comments all = fetch;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  const std::pair<int, Comments> cases[] = {
      {OpcodeMove, with({"SetTactComment 4 \"Запись СМ в\" \"ячейку 111\" \"\""})},
      {OpcodeAdd, with({"SetTactComment 4 \"СМ+2-е число\" \"из ячейки 110\" \"в СМ\"",
                        "SetTactComment 5 \"Результат  в\" \"ячейку 111\" \"\""})},
      {OpcodeDivide, with({"SetTactComment 4 \"СМ/2-е число\" \"из ячейки 110\" \"в СМ\"",
                           "SetTactComment 5 \"Результат  в\" \"ячейку 111\" \"\""})},
      {OpcodeSubtract, with({"SetTactComment 4 \"СМ-2-е число\" \"из ячейки 110\" \"в СМ\"",
                             "SetTactComment 5 \"Результат  в\" \"ячейку 111\" \"\""})},
      {OpcodeMultiply, with({"SetTactComment 4 \"СМ*2-е число\" \"из ячейки 110\" \"в СМ\"",
                             "SetTactComment 5 \"Результат  в\" \"ячейку 111\" \"\""})},
      {OpcodeJumpIfEqual, with({"SetTactComment 4 \"Сравнить СМ\" \"и ячейку 101\" \"\"",
                                "SetTactComment 5 \"Условие\" \"ВЫПОЛНЕНО!\" \"Переход к 001\""})},
      {OpcodeJumpIfGreater,
       with({"SetTactComment 4 \"Сравнить СМ\" \"и ячейку 110\" \"\"",
             "SetTactComment 5 \"Условие\" \"ВЫПОЛНЕНО!\" \"Переход к 001\""})},
      {OpcodeOutputAndStop,
       {fetch[0], fetch[1], "SetTactComment 3 \"Вывод 1-го\" \"числа\" \"на дисплей\"",
        "SetTactComment 4 \"Вывод 2-го\" \"числа\" \"на дисплей\"",
        "SetTactComment 5 \"Вывод 3-го\" \"числа\" \"на дисплей\""}},
  };
  for (const auto& [opcode, expected] : cases) {
    Machine m = TactMachine(opcode);
    m.Execute();
    EXPECT_EQ(m.Calls("SetTactComment"), expected) << "opcode " << opcode;
  }
}

TEST(TactMode, ConditionNotMetCommentary) {
  Machine m({Cmd(OpcodeJumpIfGreater, 1, 1, 5), WordFromValue(3)}, RunModeTact);
  m.Execute();
  EXPECT_EQ(m.Calls("SetTactComment").back(),
            "SetTactComment 5 \"Условие\" \"НЕ ВЫПОЛНЕНО!\" \"Перехода нет\"");
  EXPECT_EQ(m.state.Counter, 1);
}

TEST(TactMode, WorkOfEachTactIsDoneBeforeItsPause) {
  Machine m = TactMachine(OpcodeAdd);
  m.Execute();
  // Each pause follows its comment directly; the work of the tact precedes the comment.
  const Comments expected = {"MoveCellMarker 3 3",
                             "RefreshCommandRegisterView 001101110111",
                             "SetExecutedAddress \"011\"",
                             "SetTactComment",
                             "PauseForTact continue",
                             "RefreshCounterView 100",
                             "SetTactComment",
                             "PauseForTact continue",
                             "RefreshAccumulatorView 000000000101",
                             "SetTactComment",
                             "PauseForTact continue",
                             "SetTactComment",
                             "PauseForTact continue",
                             "RefreshAccumulatorView 000000000111",
                             "RefreshMemoryView",
                             "SetTactComment",
                             "PauseForTact continue"};
  std::vector<std::string> lines = m.Lines();
  for (std::string& line : lines) {
    if (line.starts_with("SetTactComment") || line.starts_with("RefreshMemoryView")) {
      line = line.substr(0, line.find(' '));
    }
  }
  EXPECT_EQ(lines, expected);
}

TEST(TactMode, ArithmeticErrorLeavesTactThreeOnShowAndNoFurtherPause) {
  Machine m({Cmd(OpcodeDivide, 5, 6, 7), {}, {}, {}, {}, WordFromValue(5), {}}, RunModeTact);
  m.Execute();
  EXPECT_EQ(m.views.PauseCount(), 3u);
  EXPECT_EQ(m.Calls("SetTactComment").back(),
            "SetTactComment 3 \"1-е число\" \"из ячейки\" \"101 в СМ\"");
  EXPECT_EQ(m.Lines().back(), "ShowErrorBox \"Деление на 0!\"");
  EXPECT_EQ(m.state.ErrorMessage, DivisionByZeroMessage);
}

// Stopping in the pause of tact k ends the command there, whatever it had still to do.
TEST(TactMode, AbortAtEveryTactOfEveryCommand) {
  for (int opcode = 0; opcode < 8; ++opcode) {
    for (int tact = 1; tact <= PausesOf(opcode); ++tact) {
      SCOPED_TRACE("opcode " + std::to_string(opcode) + ", tact " + std::to_string(tact));
      Machine m = TactMachine(opcode, static_cast<std::uint64_t>(tact));
      m.Execute();
      EXPECT_EQ(m.state.ErrorMessage, AbortMessage);
      EXPECT_TRUE(m.state.Halted);
      EXPECT_EQ(m.views.PauseCount(), static_cast<std::uint64_t>(tact));
      EXPECT_EQ(m.Calls("SetTactComment").size(), static_cast<std::size_t>(tact));
      EXPECT_EQ(m.Lines().back(), "PauseForTact stop") << "nothing follows the stop";

      EXPECT_EQ(m.state.Counter, tact == 1 ? 3 : (tact == 5 && m.state.ConditionMet ? 1 : 4));
      const bool stored =
          (opcode == OpcodeMove && tact >= 4) ||
          (opcode != OpcodeMove && opcode != OpcodeJumpIfEqual && opcode != OpcodeJumpIfGreater &&
           opcode != OpcodeOutputAndStop && tact == 5);
      EXPECT_EQ(m.Cell(7) != UntouchedResult(), stored);
      if (opcode == OpcodeOutputAndStop) {
        EXPECT_EQ(m.Calls("ShowDisplayRow").size(),
                  static_cast<std::size_t>(std::max(0, tact - 2)));
      }
    }
  }
}

TEST(TactMode, OutputAbortedStillHalts) {
  Machine m = TactMachine(OpcodeOutputAndStop, 3);
  m.Execute();
  EXPECT_EQ(m.Calls("ShowDisplayRow"), (Comments{"ShowDisplayRow 1 5 000000000101 5"}));
  EXPECT_TRUE(m.state.Halted);
}

} // namespace
} // namespace soyka::testing
