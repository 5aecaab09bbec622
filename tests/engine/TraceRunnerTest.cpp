#include "TraceRunner.h"
#include "TraceViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace soyka {
namespace {

const char* const Factorial = "101110101101\n001110111110\n110100110000\n111101101101\n"
                              "000000000110\n000000000001\n000000000001\n000000000001\n";

struct TraceResult {
  int status;
  std::string out;
  std::string err;

  std::vector<std::string> Lines() const { return TraceLines(out); }
};

TraceResult Trace(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunTrace(args, in, out, err);
  return {status, out.str(), err.str()};
}

struct BadInputCase {
  const char* name;
  std::vector<std::string> args;
  std::string input;
  std::string mentions; // the problem the message must name
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const BadInputCase& row, std::ostream* out) {
  *out << row.name;
}

class TraceBadInput : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(TraceBadInput, OneLineOnStderrStatusTwoNothingOnStdout) {
  const BadInputCase& c = GetParam();
  const TraceResult r = Trace(c.args, c.input);
  EXPECT_EQ(r.status, TraceBadInputStatus);
  EXPECT_TRUE(r.out.empty());
  EXPECT_TRUE(r.err.starts_with("soyka-trace: ")) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find(c.mentions), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TraceBadInput,
    ::testing::Values(
        BadInputCase{"ShortWord", {}, "10111010110\n", "line 1"},
        BadInputCase{"LongWord", {}, "# c\n\n1011101011010\n", "line 3"},
        BadInputCase{"LetterInWord",
                     {},
                     "101110101101\n001110111110\n210100110000\n111101101101\n"
                     "000000000110\n000000000001\n000000000001\n000000000001\n",
                     "line 3"},
        BadInputCase{"LeadingBlank", {}, " 101110101101\n", "line 1"},
        BadInputCase{"TooFewWords", {}, "000000000000\n", "expected 8 words, got 1"},
        BadInputCase{"NoInput", {}, "", "expected 8 words, got 0"},
        BadInputCase{"TooManyWords", {}, std::string(Factorial) + "000000000000\n", "more than 8"},
        BadInputCase{"BinaryNoise", {}, std::string("\0\xff\n", 3), "line 1"},
        BadInputCase{"UnknownOption", {"--fast"}, Factorial, "--fast"},
        BadInputCase{"UnknownMode", {"--mode", "turbo"}, Factorial, "turbo"},
        BadInputCase{"MissingValue", {"--stop-at"}, Factorial, "--stop-at"},
        BadInputCase{"NegativeLimit", {"--max-commands", "-1"}, Factorial, "-1"},
        BadInputCase{"NonNumericStop", {"--stop-at", "2x"}, Factorial, "2x"},
        BadInputCase{"HugeNumber",
                     {"--stop-at", "99999999999999999999999"},
                     Factorial,
                     "99999999999999999999999"},
        BadInputCase{"OptionBeforeBadImage", {"--mode", "tact"}, "1\n", "line 1"},
        BadInputCase{"UnknownAnswer", {"--answers", "ccx"}, Factorial, "ccx"}),
    [](const ::testing::TestParamInfo<BadInputCase>& info) { return info.param.name; });

TEST(Trace, FactorialPrintsTheDisplayRowsAndTheFinalState) {
  const TraceResult r = Trace({}, Factorial);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = r.Lines();
  const auto row1 = std::find(lines.begin(), lines.end(), "ShowDisplayRow 1 5 000001111000 120");
  ASSERT_NE(row1, lines.end());
  EXPECT_EQ(*(row1 + 1), "ShowDisplayRow 2 5 000001111000 120");
  EXPECT_EQ(*(row1 + 2), "ShowDisplayRow 3 5 000001111000 120");
  const auto end = std::find(lines.begin(), lines.end(), "END halted");
  ASSERT_NE(end, lines.end());
  EXPECT_EQ(std::vector<std::string>(end + 1, lines.end()),
            (std::vector<std::string>{
                "Memory 101110101101 001110111110 110100110000 111101101101 000000000110 "
                "000001111000 000000000110 000000000001",
                "CommandRegister 111101101101", "Accumulator 000000000110", "Counter 4",
                "CounterBits 100", "PreviousCounter 3", "RunMode 2", "Halted 1", "ConditionMet 0",
                "ErrorMessage \"\"", "TargetCell 5", "Opcode 7", "A1 5", "FirstOperand 6", "A2 5",
                "A3 5", "SecondOperand 6", "Commands 16"}));
  EXPECT_EQ(lines.front(), "EnableInfoContinue");
}

TEST(Trace, TactModePausesFiveTimesPerCommandAndFourForAMove) {
  // A move, then the factorial's output command.
  const std::string program = "000101000110\n111101101110\n000000000000\n000000000000\n"
                              "000000000000\n000000000111\n000000000000\n000000000000\n";
  const TraceResult r = Trace({"--mode", "tact"}, program);
  std::vector<int> pausesPerCommand;
  for (const std::string& line : r.Lines()) {
    if (line.starts_with("MoveCellMarker")) {
      pausesPerCommand.push_back(0);
    } else if (line.starts_with("PauseForTact") && !pausesPerCommand.empty()) {
      ++pausesPerCommand.back();
    }
  }
  EXPECT_EQ(pausesPerCommand, (std::vector<int>{4, 5}));
  EXPECT_NE(r.out.find("ShowDisplayRow 3 6 000000000111 7"), std::string::npos);
}

TEST(Trace, LimitsStopsAndRepeatedOptions) {
  const TraceResult none = Trace({"--max-commands", "0"}, Factorial);
  EXPECT_NE(none.out.find("ClearDisplay\nRefreshCounterView 000\nEND limit\n"), std::string::npos);
  EXPECT_NE(none.out.find("Commands 0\n"), std::string::npos);
  EXPECT_NE(none.out.find("Halted 0\n"), std::string::npos);

  const TraceResult limited = Trace({"--max-commands", "99", "--max-commands", "3"}, Factorial);
  EXPECT_NE(limited.out.find("END limit\n"), std::string::npos);
  EXPECT_NE(limited.out.find("Commands 3\n"), std::string::npos);

  const TraceResult stopped = Trace({"--mode", "step", "--stop-at", "2"}, Factorial);
  EXPECT_NE(stopped.out.find("PauseForTact continue\n"), std::string::npos);
  EXPECT_NE(stopped.out.find("PauseForTact stop\nEND halted\n"), std::string::npos);
  EXPECT_NE(stopped.out.find("ErrorMessage \"abort\"\n"), std::string::npos);
  EXPECT_NE(stopped.out.find("Commands 2\n"), std::string::npos);

  const TraceResult zeroStop = Trace({"--mode", "step", "--stop-at", "0"}, Factorial);
  EXPECT_EQ(zeroStop.out.find("PauseForTact stop"), std::string::npos);
}

TEST(Trace, ErrorPauseIsAlwaysAStop) {
  // 4000 + 4000 overflows in the first command.
  const std::string program = "001111111000\n000000000000\n000000000000\n000000000000\n"
                              "000000000000\n000000000000\n000000000000\n111110100000\n";
  const TraceResult r = Trace({"--mode", "tact"}, program);
  EXPECT_NE(r.out.find("DisablePanelStop\nShowErrorBox \"Переполнение!\"\nRefreshMemoryView"),
            std::string::npos);
  EXPECT_NE(r.out.find("PauseForTact stop\nEND halted"), std::string::npos);
  EXPECT_NE(r.out.find("SecondOperand 8000\n"), std::string::npos);
  EXPECT_NE(r.out.find("Commands 1\n"), std::string::npos);
}

// Back from tact 2 to tact 1: the windows are asked to show tact 1 again, as at its showing.
TEST(Trace, AnswersGoBackAndOn) {
  const std::vector<std::string> lines =
      Trace({"--mode", "tact", "--answers", "cbs"}, Factorial).Lines();
  const auto back = std::ranges::find(lines, "PauseForTact back");
  ASSERT_NE(back, lines.end());
  const std::vector<std::string> restored(back + 1,
                                          std::ranges::find(back, lines.end(), "END halted"));
  EXPECT_EQ(restored,
            (std::vector<std::string>{
                "RefreshMemoryView 101110101101 001110111110 110100110000 111101101101 "
                "000000000110 000000000001 000000000001 000000000001",
                "ShowCellMarker 0", "HideCellMarker 1", "HideCellMarker 2", "HideCellMarker 3",
                "HideCellMarker 4", "HideCellMarker 5", "HideCellMarker 6", "HideCellMarker 7",
                "MoveCellMarker 0 0", "RefreshCommandRegisterView 101110101101",
                "RefreshAccumulatorView 000000000000", "RefreshCounterView 000", "ClearDisplay",
                "SetExecutedAddress \"000\"",
                "SetTactComment 1 \"Выборка\" \"команды из\" \"ячейки 000\"", "PauseForTact stop",
                "RefreshMemoryView 101110101101 001110111110 "
                "110100110000 111101101101 000000000110 000000000001 000000000001 "
                "000000000001"}));
  EXPECT_EQ(std::ranges::count(lines, "PauseForTact back"), 1);
}

TEST(Trace, AcceptsCommentsBlankLinesCarriageReturnsAndTrailingBlanks) {
  std::string input = "# image\r\n\r\n";
  std::istringstream in(Factorial);
  for (std::string line; std::getline(in, line);) {
    input += line + "  \r\n";
  }
  const TraceResult r = Trace({}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Commands 16"), std::string::npos);
}

} // namespace
} // namespace soyka
