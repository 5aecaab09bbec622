// Назад then Дальше: the restored pause is the one first shown there, and every later pause and
// the end of the run are exactly those of the run without the step back.

#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

// Answers as soyka-trace does and keeps the whole state at every pause.
class PauseRecorder : public TraceViews {
public:
  PauseRecorder(MachineState& state, std::ostream& out, std::string answers)
      : TraceViews(state, out, 0, std::move(answers)), state_(state) {}
  std::optional<PauseAnswer> PauseForTact() override {
    seen.push_back(state_);
    return TraceViews::PauseForTact();
  }
  std::vector<MachineState> seen;

private:
  MachineState& state_;
};

struct Recorded {
  std::vector<MachineState> pauses;
  MachineState end;
};

Recorded RunWith(const std::vector<Word12>& program, int mode, const std::string& answers) {
  Machine m(program, mode);
  PauseRecorder views(m.state, m.log, answers);
  StartRun(m.state, views);
  for (int tick = 0; tick < 200 && RunTick(m.state, views) == TickOutcome::RunGoesOn; ++tick) {
  }
  return {views.seen, m.state};
}

struct BackCase {
  const char* name;
  std::vector<Word12> program;
  int mode;
  std::string answers;
};

class StepBack : public ::testing::TestWithParam<BackCase> {};

TEST_P(StepBack, BackThenContinueRunsOnAsWithoutTheBack) {
  const BackCase& c = GetParam();
  const Recorded plain = RunWith(c.program, c.mode, c.answers);
  ASSERT_GE(plain.pauses.size(), 2u);
  EXPECT_FALSE(plain.pauses[0].View.Pause.BackEnabled) << "the first pause offers no Назад";
  // Назад at pause k (from 2 on), then Дальше in the pause it brings back.
  for (std::size_t k = 2; k <= plain.pauses.size(); ++k) {
    std::string answers = c.answers;
    answers.resize(std::max(answers.size(), k - 1), 'c');
    answers.insert(k - 1, "bc");
    const Recorded back = RunWith(c.program, c.mode, answers);
    ASSERT_EQ(back.pauses.size(), plain.pauses.size() + 2) << "back at pause " << k;
    EXPECT_EQ(back.pauses[k], plain.pauses[k - 2]) << "pause " << k - 1 << " restored";
    for (std::size_t later = k - 1; later < plain.pauses.size(); ++later) {
      EXPECT_EQ(back.pauses[later + 2], plain.pauses[later]) << "back at " << k;
    }
    EXPECT_EQ(back.end, plain.end) << "back at pause " << k;
  }
}

const std::vector<Word12> DivisionAfterACopy = {Cmd(OpcodeMove, 4, 0, 5),
                                                Cmd(OpcodeDivide, 4, 6, 7),
                                                Cmd(OpcodeOutputAndStop, 5, 6, 7),
                                                {},
                                                WordFromValue(12)};

INSTANTIATE_TEST_SUITE_P(
    AnyPause, StepBack,
    ::testing::Values(BackCase{"FactorialTact", FactorialImage, RunModeTact, ""},
                      BackCase{"FactorialStep", FactorialImage, RunModeStep, ""},
                      BackCase{"FactorialStepStopped", FactorialImage, RunModeStep, "cccccs"},
                      BackCase{"DivisionByZeroTact", DivisionAfterACopy, RunModeTact, ""},
                      BackCase{"DivisionByZeroStep", DivisionAfterACopy, RunModeStep, ""}),
    [](const ::testing::TestParamInfo<BackCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace soyka::testing
