#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(RunStart, ResetsTheRunButNotMemoryOrRegisters) {
  for (int mode : {RunModeAuto, RunModeStep, RunModeTact}) {
    Machine m({W("111000111000")}, mode);
    SetCounter(m.state, 5);
    m.state.PreviousCounter = 4;
    m.state.ErrorMessage = "abort";
    m.state.InputEnabled = true;
    m.state.CommandRegister = W("101010101010");
    m.state.Accumulator = W("010101010101");
    m.state.Opcode = OpcodeOutputAndStop;
    StartRun(m.state, m.views);
    EXPECT_EQ(m.Lines(),
              (Lines{"EnableInfoContinue",
                     mode == RunModeAuto ? "SetInfoCommentsVisible 0" : "SetInfoCommentsVisible 1",
                     "SetInputLamps 0", "ShowCellMarker 0", "HideCellMarker 1", "HideCellMarker 2",
                     "HideCellMarker 3", "HideCellMarker 4", "HideCellMarker 5", "HideCellMarker 6",
                     "HideCellMarker 7", "ClearDisplay", "RefreshCounterView 000"}));
    EXPECT_FALSE(m.state.Halted);
    EXPECT_TRUE(m.state.ErrorMessage.empty());
    EXPECT_FALSE(m.state.InputEnabled);
    EXPECT_EQ(m.state.Counter, 0);
    EXPECT_EQ(m.state.PreviousCounter, 0);
    EXPECT_EQ(BitsText(m.state.Memory[0]), "111000111000");
    EXPECT_EQ(BitsText(m.state.CommandRegister), "101010101010");
    EXPECT_EQ(BitsText(m.state.Accumulator), "010101010101");
    EXPECT_EQ(m.state.Opcode, OpcodeOutputAndStop);
  }
}

TEST(RunStop, HaltsClosesThePauseAndEndsInputKeepingTheRest) {
  Machine m;
  m.state.Halted = false;
  m.state.InputEnabled = true;
  m.state.ErrorMessage = "x";
  SetCounter(m.state, 6);
  StopRun(m.state, m.views);
  EXPECT_EQ(m.Lines(), (Lines{"CloseInfoWindow", "SetInputLamps 0"}));
  EXPECT_TRUE(m.state.Halted);
  EXPECT_FALSE(m.state.InputEnabled);
  EXPECT_EQ(m.state.ErrorMessage, "x");
  EXPECT_EQ(m.state.Counter, 6);
}

TEST(MemoryInput, ShowsTheWindowFirstThenEnablesInput) {
  MachineState state;
  std::ostringstream log;
  struct Spy : TraceViews {
    Spy(MachineState& s, std::ostream& o) : TraceViews(s, o), state(s) {}
    void ShowWantedWindows() override {
      inputWhenShown = state.InputEnabled;
      memoryWantedWhenShown = state.MemoryWindowOpen;
      TraceViews::ShowWantedWindows();
    }
    MachineState& state;
    bool inputWhenShown = true;
    bool memoryWantedWhenShown = false;
  } spy(state, log);
  EnableMemoryInput(state, spy);
  EXPECT_EQ(log.str(), "ShowWantedWindows\nSetInputLamps 1\n");
  EXPECT_FALSE(spy.inputWhenShown);
  EXPECT_TRUE(spy.memoryWantedWhenShown);
  EXPECT_TRUE(state.InputEnabled);
  EXPECT_TRUE(state.MemoryWindowOpen);
}

TEST(RunModeSelector, ItemIndexPlusTwo) {
  MachineState state;
  for (int item = 0; item < 3; ++item) {
    SelectRunMode(state, item);
    EXPECT_EQ(state.RunMode, item + 2);
  }
}

TEST(Tick, DoesNothingWhileHalted) {
  Machine m({Cmd(OpcodeAdd, 7, 7, 7), {}, {}, {}, {}, {}, {}, WordFromValue(4000)});
  const MachineState before = m.state;
  EXPECT_EQ(RunTick(m.state, m.views), TickOutcome::Idle);
  EXPECT_TRUE(m.Lines().empty());
  EXPECT_EQ(m.state.Memory, before.Memory);
  EXPECT_EQ(m.state.Counter, before.Counter);
}

struct TickCase {
  const char* name;
  int mode;
  Word12 command;       // in cell 0; cell 1 holds 4000, cell 2 holds 0
  std::uint64_t stopAt; // pause answered with СТОП, 0 for none
  TickOutcome outcome;
  bool halted;
  std::string_view error;
  std::uint64_t pauses;
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const TickCase& row, std::ostream* out) {
  *out << row.name;
}

class TickTable : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickTable, HaltedAndOutcomeAfterOneTick) {
  const TickCase& c = GetParam();
  Machine m({c.command, WordFromValue(4000), WordFromValue(0)}, c.mode, c.stopAt);
  StartRun(m.state, m.views);
  m.ClearLog();
  EXPECT_EQ(RunTick(m.state, m.views), c.outcome);
  EXPECT_EQ(m.state.Halted, c.halted);
  EXPECT_EQ(m.state.ErrorMessage, c.error);
  EXPECT_EQ(m.views.PauseCount(), c.pauses);
  EXPECT_EQ(m.Calls("MoveCellMarker").size(), 1u) << "exactly one command per tick";
}

const Word12 Add = Cmd(OpcodeAdd, 1, 2, 3);        // 4000 + 0: fine
const Word12 Overflow = Cmd(OpcodeAdd, 1, 1, 3);   // 4000 + 4000
const Word12 DivZero = Cmd(OpcodeDivide, 1, 2, 3); // 4000 / 0
const Word12 Output = Cmd(OpcodeOutputAndStop, 1, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    WhoSetsHalted, TickTable,
    ::testing::Values(
        TickCase{"AutoGoesOn", RunModeAuto, Add, 0, TickOutcome::RunGoesOn, false, "", 0},
        TickCase{"StepGoesOn", RunModeStep, Add, 0, TickOutcome::RunGoesOn, false, "", 1},
        TickCase{"TactGoesOn", RunModeTact, Add, 0, TickOutcome::RunGoesOn, false, "", 5},
        TickCase{"AutoOverflow", RunModeAuto, Overflow, 0, TickOutcome::RunEnded, true,
                 AbortMessage, 1},
        TickCase{"StepOverflow", RunModeStep, Overflow, 0, TickOutcome::RunEnded, true,
                 AbortMessage, 1},
        TickCase{"TactOverflow", RunModeTact, Overflow, 0, TickOutcome::RunEnded, true,
                 AbortMessage, 4},
        TickCase{"AutoDivZero", RunModeAuto, DivZero, 0, TickOutcome::RunEnded, true, AbortMessage,
                 1},
        TickCase{"StepDivZero", RunModeStep, DivZero, 0, TickOutcome::RunEnded, true, AbortMessage,
                 1},
        TickCase{"TactDivZero", RunModeTact, DivZero, 0, TickOutcome::RunEnded, true, AbortMessage,
                 4},
        TickCase{"StepStopped", RunModeStep, Add, 1, TickOutcome::RunEnded, true, AbortMessage, 1},
        TickCase{"TactStoppedAtTactOne", RunModeTact, Add, 1, TickOutcome::RunEnded, true,
                 AbortMessage, 1},
        TickCase{"AutoOutput", RunModeAuto, Output, 0, TickOutcome::RunEnded, true, "", 0},
        TickCase{"StepOutput", RunModeStep, Output, 0, TickOutcome::RunEnded, true, "", 1},
        TickCase{"StepOutputStopped", RunModeStep, Output, 1, TickOutcome::RunEnded, true,
                 AbortMessage, 1},
        TickCase{"TactOutput", RunModeTact, Output, 0, TickOutcome::RunEnded, true, "", 5}),
    [](const ::testing::TestParamInfo<TickCase>& info) { return info.param.name; });

TEST(Tick, MachineErrorIsShownThenPausedWhateverTheMode) {
  for (int mode : {RunModeAuto, RunModeStep, RunModeTact}) {
    Machine m({Overflow, WordFromValue(4000)}, mode);
    StartRun(m.state, m.views);
    m.ClearLog();
    RunTick(m.state, m.views);
    const Lines lines = m.Lines();
    const Lines tail(lines.end() - 4, lines.end());
    EXPECT_EQ(tail, (Lines{"DisablePanelStop", "ShowErrorBox \"Переполнение!\"",
                           "RefreshMemoryView 001001001011 111110100000 000000000000 "
                           "000000000000 000000000000 000000000000 000000000000 000000000000",
                           "PauseForTact stop"}))
        << "mode " << mode;
  }
}

TEST(Tick, StepPauseComesAfterTheMemoryRedraw) {
  Machine m({Add, WordFromValue(4000)}, RunModeStep);
  StartRun(m.state, m.views);
  m.ClearLog();
  RunTick(m.state, m.views);
  const Lines ops = m.Operations();
  EXPECT_EQ(Lines(ops.end() - 2, ops.end()), (Lines{"RefreshMemoryView", "PauseForTact"}));
}

TEST(Tick, StopInTactOnePauseLeavesTheCounterAndShowsNoFurtherPause) {
  Machine m({Add, WordFromValue(4000)}, RunModeTact, 1);
  StartRun(m.state, m.views);
  EXPECT_EQ(RunTick(m.state, m.views), TickOutcome::RunEnded);
  EXPECT_EQ(m.state.Counter, 0);
  EXPECT_EQ(m.views.PauseCount(), 1u);
  EXPECT_EQ(RunTick(m.state, m.views), TickOutcome::Idle);
}

// Answered later, every wait ends the tick between two tacts; ticks while it waits run nothing,
// and the answers carry the run on to the same views and state as answers given at once.
TEST(Tick, AWaitAnsweredLaterRunsAsOneAnsweredAtOnce) {
  const std::vector<Word12> overflowAtCell1 = {Cmd(OpcodeMove, 3, 0, 6), Cmd(OpcodeAdd, 3, 3, 5),
                                               Cmd(OpcodeOutputAndStop, 5, 5, 5),
                                               WordFromValue(4000)};
  for (const std::vector<Word12>& program : {FactorialImage, overflowAtCell1}) {
    for (int mode : {RunModeAuto, RunModeStep, RunModeTact}) {
      Machine atOnce(program, mode, 7);
      StartRun(atOnce.state, atOnce.views);
      while (RunTick(atOnce.state, atOnce.views) == TickOutcome::RunGoesOn) {
      }
      Machine later(program, mode);
      std::ostringstream log;
      LaterAnswerViews views(later.state, log, 7);
      StartRun(later.state, views);
      for (TickOutcome outcome = RunTick(later.state, views); outcome != TickOutcome::RunEnded;
           outcome = NextOutcome(later.state, views, outcome)) {
        if (outcome == TickOutcome::Waiting) {
          EXPECT_TRUE(later.state.Halted);
          EXPECT_EQ(RunTick(later.state, views), TickOutcome::Idle);
        }
      }
      EXPECT_EQ(log.str(), atOnce.log.str()) << "mode " << mode;
      EXPECT_EQ(later.state, atOnce.state) << "mode " << mode;
    }
  }
}

} // namespace
} // namespace soyka::testing
