#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

// Runs ticks until the run ends or the limit; returns the number of commands executed.
int RunToEnd(Machine& m, int limit = 10000) {
  StartRun(m.state, m.views);
  int commands = 0;
  while (commands < limit) {
    const TickOutcome outcome = RunTick(m.state, m.views);
    EXPECT_NE(outcome, TickOutcome::Idle);
    ++commands;
    if (outcome == TickOutcome::RunEnded) {
      break;
    }
  }
  return commands;
}

class Factorial : public ::testing::TestWithParam<int> {};

TEST_P(Factorial, RunsTo120ThenWithoutReloadingTo720) {
  Machine m(FactorialImage, GetParam());
  EXPECT_EQ(RunToEnd(m), 16);
  EXPECT_EQ(m.Calls("ShowDisplayRow"),
            (std::vector<std::string>{"ShowDisplayRow 1 5 000001111000 120",
                                      "ShowDisplayRow 2 5 000001111000 120",
                                      "ShowDisplayRow 3 5 000001111000 120"}));
  EXPECT_EQ(m.Cell(5), 120);
  EXPECT_EQ(m.Cell(6), 6);
  EXPECT_TRUE(m.state.Halted);
  EXPECT_TRUE(m.state.ErrorMessage.empty());
  EXPECT_EQ(m.state.Opcode, OpcodeOutputAndStop);

  m.ClearLog();
  RunToEnd(m);
  EXPECT_EQ(m.Calls("ShowDisplayRow").back(), "ShowDisplayRow 3 5 001011010000 720");
  EXPECT_EQ(m.Cell(5), 720);
  EXPECT_EQ(m.Cell(6), 7);
}

INSTANTIATE_TEST_SUITE_P(AllModes, Factorial,
                         ::testing::Values(RunModeAuto, RunModeStep, RunModeTact));

TEST(Programs, ModesThatPauseAndContinueEndInTheSameState) {
  Machine automatic(FactorialImage, RunModeAuto);
  Machine step(FactorialImage, RunModeStep);
  Machine tact(FactorialImage, RunModeTact);
  RunToEnd(automatic);
  RunToEnd(step);
  RunToEnd(tact);
  for (const Machine* other : {&step, &tact}) {
    EXPECT_EQ(other->state.Memory, automatic.state.Memory);
    EXPECT_EQ(other->state.Accumulator, automatic.state.Accumulator);
    EXPECT_EQ(other->state.CommandRegister, automatic.state.CommandRegister);
    EXPECT_EQ(other->state.Counter, automatic.state.Counter);
    EXPECT_EQ(other->state.ConditionMet, automatic.state.ConditionMet);
  }
  EXPECT_EQ(step.views.PauseCount(), 16u);
  EXPECT_EQ(tact.views.PauseCount(), 16u * 5);
}

TEST(Programs, JumpToItsOwnCellLoopsUntilStopped) {
  Machine m({{}, {}, {}, {}, Cmd(OpcodeJumpIfEqual, 0, 0, 4)});
  StartRun(m.state, m.views);
  for (int tick = 0; tick < 5; ++tick) {
    ASSERT_EQ(RunTick(m.state, m.views), TickOutcome::RunGoesOn);
  }
  m.ClearLog();
  for (int tick = 0; tick < 500; ++tick) {
    ASSERT_EQ(RunTick(m.state, m.views), TickOutcome::RunGoesOn);
    ASSERT_EQ(m.state.Counter, 4);
  }
  EXPECT_EQ(m.Calls("MoveCellMarker").front(), "MoveCellMarker 4 4");
  StopRun(m.state, m.views);
  EXPECT_EQ(RunTick(m.state, m.views), TickOutcome::Idle);
}

TEST(Programs, EmptyMemoryMovesCellZeroForeverAndTheCounterWraps) {
  Machine m;
  StartRun(m.state, m.views);
  for (int tick = 1; tick <= 20; ++tick) {
    ASSERT_EQ(RunTick(m.state, m.views), TickOutcome::RunGoesOn);
    ASSERT_EQ(m.state.Counter, tick % CellCount);
    ASSERT_EQ(m.state.PreviousCounter, (tick - 1) % CellCount);
  }
  EXPECT_EQ(m.Calls("MoveCellMarker")[7], "MoveCellMarker 6 7");
  EXPECT_EQ(m.Calls("MoveCellMarker")[8], "MoveCellMarker 7 0");
}

TEST(Programs, AStoppedTactRunRestartsAtCellZero) {
  Machine m(FactorialImage, RunModeTact, 12); // stops in the pause of tact 2 of the third command
  RunToEnd(m);
  EXPECT_EQ(m.state.ErrorMessage, AbortMessage);
  EXPECT_EQ(m.state.Counter, 3);
  EXPECT_EQ(m.Cell(6), 2);
  m.ClearLog();
  StartRun(m.state, m.views);
  EXPECT_EQ(m.state.Counter, 0);
  EXPECT_TRUE(m.state.ErrorMessage.empty());
}

} // namespace
} // namespace soyka::testing
