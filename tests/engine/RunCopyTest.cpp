// A run is a plain value at every pause: copied there and carried on from the copy with other
// views, it shows the rest of the run and ends exactly as the run that was never copied.

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

struct CopyCase {
  const char* name;
  std::vector<Word12> program;
  int mode;
};

class RunCopy : public ::testing::TestWithParam<CopyCase> {};

struct RecordedRun {
  explicit RecordedRun(const CopyCase& c) : machine(c.program, c.mode), views(machine.state, log) {}
  Machine machine;
  std::ostringstream log;
  LaterAnswerViews views;
};

TEST_P(RunCopy, CarriedOnFromACopyAtAnyPauseEndsAsTheWholeRun) {
  RecordedRun whole(GetParam());
  StartRun(whole.machine.state, whole.views);
  // The log's length and the run's value at each pause, and the answer given there.
  std::vector<std::size_t> logAtPause;
  std::vector<MachineState> copies;
  std::vector<PauseAnswer> answers;
  for (TickOutcome outcome = RunTick(whole.machine.state, whole.views);
       outcome != TickOutcome::RunEnded;
       outcome = NextOutcome(whole.machine.state, whole.views, outcome)) {
    if (outcome == TickOutcome::Waiting) {
      logAtPause.push_back(whole.log.str().size());
      copies.push_back(whole.machine.state);
      answers.push_back(whole.views.answer.value());
    }
  }
  ASSERT_GE(copies.size(), 2u);
  for (std::size_t k = 0; k < copies.size(); ++k) {
    MachineState copy = copies[k];
    std::ostringstream log;
    LaterAnswerViews views(copy, log);
    for (TickOutcome outcome = AnswerPause(copy, views, answers[k]);
         outcome != TickOutcome::RunEnded; outcome = NextOutcome(copy, views, outcome)) {
    }
    EXPECT_EQ(log.str(), whole.log.str().substr(logAtPause[k])) << "copied at pause " << k + 1;
    EXPECT_EQ(copy, whole.machine.state) << "copied at pause " << k + 1;
  }
}

const std::vector<Word12> DivisionByZero = {
    Cmd(OpcodeDivide, 3, 4, 5), Cmd(OpcodeOutputAndStop, 5, 5, 5), {}, WordFromValue(9)};

INSTANTIATE_TEST_SUITE_P(
    EveryPause, RunCopy,
    ::testing::Values(CopyCase{"FactorialTact", FactorialImage, RunModeTact},
                      CopyCase{"FactorialStep", FactorialImage, RunModeStep},
                      CopyCase{"DivisionByZeroTact", DivisionByZero, RunModeTact},
                      CopyCase{"DivisionByZeroAuto", DivisionByZero, RunModeAuto}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace soyka::testing
