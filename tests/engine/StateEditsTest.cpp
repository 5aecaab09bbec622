// The windows' writes into the machine: each changes its own field and nothing else.

#include "StateEdits.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

struct WantedCase {
  ViewWindow view;
  bool MachineState::*flag;
};

class ViewWanted : public ::testing::TestWithParam<WantedCase> {};

TEST_P(ViewWanted, SetsAndClearsOnlyItsOwnFlag) {
  MachineState state;
  SetViewWanted(state, GetParam().view, true);
  MachineState expected;
  expected.*GetParam().flag = true;
  EXPECT_EQ(state, expected);
  SetViewWanted(state, GetParam().view, false);
  EXPECT_EQ(state, MachineState{});
}

INSTANTIATE_TEST_SUITE_P(
    EachView, ViewWanted,
    ::testing::Values(WantedCase{ViewWindow::Memory, &MachineState::MemoryWindowOpen},
                      WantedCase{ViewWindow::Registers, &MachineState::RegistersWindowOpen},
                      WantedCase{ViewWindow::Display, &MachineState::DisplayWindowOpen}));

TEST(TypedBit, ChangesOneBitOfOneCell) {
  MachineState state;
  TypeBit(state, 5, 12, 1);
  TypeBit(state, 5, 1, 1);
  TypeBit(state, 5, 1, 0);
  MachineState expected;
  expected.Memory[5] = W("100000000000");
  EXPECT_EQ(state, expected);
}

} // namespace
} // namespace soyka::testing
