#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

constexpr int Untouched = 1234; // what the result cell holds before the command

struct ArithmeticCase {
  const char* name;
  int opcode;
  int a;
  int b;
  int result; // stored in cell A3 and the accumulator
  std::string_view error;
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const ArithmeticCase& row, std::ostream* out) {
  *out << row.name;
}

class Arithmetic : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(Arithmetic, StoresTheResultOrReportsTheError) {
  const ArithmeticCase& c = GetParam();
  Machine m({Cmd(c.opcode, 5, 6, 7),
             {},
             {},
             {},
             {},
             WordFromValue(c.a),
             WordFromValue(c.b),
             WordFromValue(Untouched)});
  m.state.Halted = false;
  m.Execute();
  EXPECT_EQ(m.state.ErrorMessage, c.error);
  EXPECT_EQ(m.state.Counter, 1) << "the counter has advanced either way";
  if (c.error.empty()) {
    EXPECT_EQ(m.Cell(7), c.result);
    EXPECT_EQ(WordValue(m.state.Accumulator), c.result);
    EXPECT_EQ(m.state.TargetCell, 7);
    EXPECT_FALSE(m.state.Halted);
    EXPECT_TRUE(m.Calls("ShowErrorBox").empty());
  } else {
    EXPECT_EQ(m.Cell(7), Untouched) << "an error stores nothing";
    EXPECT_EQ(WordValue(m.state.Accumulator), c.a) << "the accumulator keeps operand A1";
    EXPECT_TRUE(m.state.Halted);
    EXPECT_TRUE(m.Calls("RefreshMemoryView").empty());
    const std::vector<std::string> lines = m.Lines();
    const std::vector<std::string> tail(lines.end() - 2, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"DisablePanelStop",
                                              "ShowErrorBox \"" + std::string(c.error) + "\""}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Arithmetic,
    ::testing::Values(
        ArithmeticCase{"AddToLimit", OpcodeAdd, 4095, 0, 4095, ""},
        ArithmeticCase{"AddOverflowByOne", OpcodeAdd, 4095, 1, 0, OverflowMessage},
        ArithmeticCase{"AddHalves", OpcodeAdd, 2048, 2048, 0, OverflowMessage},
        ArithmeticCase{"MultiplyToLimit", OpcodeMultiply, 63, 65, 4095, ""},
        ArithmeticCase{"MultiplyOverflow", OpcodeMultiply, 64, 64, 0, OverflowMessage},
        ArithmeticCase{"MultiplyLargest", OpcodeMultiply, 4095, 4095, 0, OverflowMessage},
        ArithmeticCase{"MultiplyByZero", OpcodeMultiply, 0, 4095, 0, ""},
        ArithmeticCase{"SubtractUp", OpcodeSubtract, 5, 7, 2, ""},
        ArithmeticCase{"SubtractDown", OpcodeSubtract, 7, 5, 2, ""},
        ArithmeticCase{"SubtractToZero", OpcodeSubtract, 4095, 4095, 0, ""},
        ArithmeticCase{"DivideTruncates", OpcodeDivide, 7, 2, 3, ""},
        ArithmeticCase{"DivideZero", OpcodeDivide, 0, 5, 0, ""},
        ArithmeticCase{"DivideByOne", OpcodeDivide, 4095, 1, 4095, ""},
        ArithmeticCase{"DivideByZero", OpcodeDivide, 5, 0, 0, DivisionByZeroMessage}),
    [](const ::testing::TestParamInfo<ArithmeticCase>& info) { return info.param.name; });

TEST(Arithmetic, SecondOperandAfterErrors) {
  Machine overflow(
      {Cmd(OpcodeAdd, 5, 6, 7), {}, {}, {}, {}, WordFromValue(4000), WordFromValue(96)});
  overflow.Execute();
  EXPECT_EQ(overflow.state.SecondOperand, 4096) << "the full result, before the test";
  Machine divide({Cmd(OpcodeDivide, 5, 6, 7), {}, {}, {}, {}, WordFromValue(9), {}});
  divide.Execute();
  EXPECT_EQ(divide.state.SecondOperand, 0) << "the divisor is kept";
  EXPECT_EQ(divide.state.FirstOperand, 9);
}

TEST(Move, CopiesCellA1ToCellA3) {
  Machine m({Cmd(OpcodeMove, 5, 0, 6), {}, {}, {}, {}, W("101010101010"), W("111111111111")});
  m.Execute();
  EXPECT_EQ(BitsText(m.state.Memory[6]), "101010101010");
  EXPECT_EQ(BitsText(m.state.Accumulator), "101010101010");
  EXPECT_EQ(m.state.TargetCell, 6);
  EXPECT_EQ(m.Calls("RefreshMemoryView").size(), 1u);
}

struct CompareCase {
  const char* name;
  int opcode;
  int a;
  int b;
  bool jumps;
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const CompareCase& row, std::ostream* out) {
  *out << row.name;
}

class Comparison : public ::testing::TestWithParam<CompareCase> {};

TEST_P(Comparison, JumpsToA3OnlyWhenTheConditionHolds) {
  const CompareCase& c = GetParam();
  Machine m({{}, {}, {}, Cmd(c.opcode, 5, 6, 6), {}, WordFromValue(c.a), WordFromValue(c.b)});
  SetCounter(m.state, 3);
  m.Execute();
  EXPECT_EQ(m.state.ConditionMet, c.jumps);
  EXPECT_EQ(m.state.Counter, c.jumps ? 6 : 4);
  EXPECT_EQ(BitsText(m.state.CounterBits), c.jumps ? "110" : "100");
  EXPECT_EQ(m.Calls("RefreshCounterView").size(), c.jumps ? 2u : 1u);
  EXPECT_EQ(WordValue(m.state.Accumulator), c.a);
  EXPECT_EQ(m.Cell(5), c.a);
  EXPECT_EQ(m.Cell(6), c.b);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Comparison,
    ::testing::Values(CompareCase{"EqualWhenEqual", OpcodeJumpIfEqual, 9, 9, true},
                      CompareCase{"EqualWhenDifferent", OpcodeJumpIfEqual, 9, 8, false},
                      CompareCase{"GreaterWhenGreater", OpcodeJumpIfGreater, 9, 8, true},
                      CompareCase{"GreaterWhenEqual", OpcodeJumpIfGreater, 9, 9, false},
                      CompareCase{"GreaterWhenLess", OpcodeJumpIfGreater, 8, 9, false},
                      CompareCase{"GreaterAtTheLimits", OpcodeJumpIfGreater, 4095, 0, true}),
    [](const ::testing::TestParamInfo<CompareCase>& info) { return info.param.name; });

TEST(Output, ShowsThreeRowsAndHalts) {
  Machine m({Cmd(OpcodeOutputAndStop, 5, 5, 5), {}, {}, {}, {}, W("000001111000")});
  m.state.Halted = false;
  m.Execute();
  EXPECT_TRUE(m.state.Halted);
  EXPECT_EQ(m.state.Opcode, OpcodeOutputAndStop);
  EXPECT_EQ(m.Calls("ShowDisplayRow"),
            (std::vector<std::string>{"ShowDisplayRow 1 5 000001111000 120",
                                      "ShowDisplayRow 2 5 000001111000 120",
                                      "ShowDisplayRow 3 5 000001111000 120"}));
  EXPECT_TRUE(m.Calls("RefreshAccumulatorView").empty()) << "output loads no operand";
}

TEST(Output, RowsTakeA1A2A3InOrder) {
  Machine m({Cmd(OpcodeOutputAndStop, 1, 2, 0), WordFromValue(1), WordFromValue(2)});
  m.Execute();
  EXPECT_EQ(m.Calls("ShowDisplayRow"),
            (std::vector<std::string>{"ShowDisplayRow 1 1 000000000001 1",
                                      "ShowDisplayRow 2 2 000000000010 2",
                                      "ShowDisplayRow 3 0 111001010000 3664"}));
  EXPECT_EQ(m.state.TargetCell, 0);
}

TEST(Fetch, CallsViewsInOrderAndWritesTheExecutedAddress) {
  Machine m({{}, {}, {}, {}, {}, Cmd(OpcodeAdd, 6, 7, 0), WordFromValue(2), WordFromValue(3)});
  SetCounter(m.state, 5);
  m.state.PreviousCounter = 2;
  m.Execute();
  EXPECT_EQ(m.Lines(), (std::vector<std::string>{
                           "MoveCellMarker 2 5",
                           "RefreshCommandRegisterView 001110111000",
                           "SetExecutedAddress \"101\"",
                           "RefreshCounterView 110",
                           "RefreshAccumulatorView 000000000010",
                           "RefreshAccumulatorView 000000000101",
                           "RefreshMemoryView 000000000101 000000000000 000000000000 000000000000 "
                           "000000000000 001110111000 000000000010 000000000011",
                       }));
  EXPECT_EQ(m.state.PreviousCounter, 5);
  EXPECT_EQ(m.state.Counter, 6);
  EXPECT_EQ((std::array{m.state.Opcode, m.state.A1, m.state.A2, m.state.A3}),
            (std::array{1, 6, 7, 0}));
}

TEST(Fetch, CommandInCellSevenIsFollowedByCellZero) {
  Machine m({{}, {}, {}, {}, {}, {}, {}, Cmd(OpcodeMove, 0, 0, 0)});
  SetCounter(m.state, 7);
  m.Execute();
  EXPECT_EQ(m.state.Counter, 0);
  EXPECT_EQ(BitsText(m.state.CounterBits), "000");
}

TEST(Fetch, SelfModifyingCommandIsReadAnewAtItsNextFetch) {
  // Cell 0 adds cell 7 to itself, so each pass runs a different command.
  Machine m({Cmd(OpcodeAdd, 0, 7, 0),
             Cmd(OpcodeJumpIfEqual, 7, 7, 0),
             {},
             {},
             {},
             {},
             {},
             WordFromValue(1)});
  m.Execute();
  EXPECT_EQ(m.Cell(0), WordValue(Cmd(OpcodeAdd, 0, 7, 1)));
  m.Execute();
  EXPECT_EQ(m.state.Counter, 0);
  m.Execute();
  EXPECT_EQ(m.state.A3, 1) << "the second pass decodes the rewritten cell";
  EXPECT_EQ(m.Cell(1), WordValue(Cmd(OpcodeAdd, 0, 7, 1)) + 1);
}

} // namespace
} // namespace soyka::testing
