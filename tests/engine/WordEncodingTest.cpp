#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace soyka::testing {
namespace {

TEST(WordEncoding, WordValueReadsBit12AsMostSignificant) {
  EXPECT_EQ(WordValue(W("111111111111")), 4095);
  EXPECT_EQ(WordValue(W("000000000000")), 0);
  EXPECT_EQ(WordValue(W("101110101101")), 2989);
  EXPECT_EQ(WordValue(W("100000000000")), 2048);
  EXPECT_EQ(WordValue(W("000000000001")), 1);
}

TEST(WordEncoding, SplitCommandReadsItsFourFields) {
  for (int value = 0; value < WordLimit; value += 37) {
    const CommandFields fields = SplitCommand(WordFromValue(value));
    EXPECT_EQ(fields.Opcode * 512 + fields.A1 * 64 + fields.A2 * 8 + fields.A3, value);
  }
  const CommandFields fields = SplitCommand(W("101110011100"));
  EXPECT_EQ(fields.Opcode, 5);
  EXPECT_EQ(fields.A1, 6);
  EXPECT_EQ(fields.A2, 3);
  EXPECT_EQ(fields.A3, 4);
}

TEST(WordEncoding, WordFromValueRoundTripsEveryWord) {
  EXPECT_EQ(BitsText(WordFromValue(4095)), "111111111111");
  EXPECT_EQ(BitsText(WordFromValue(6)), "000000000110");
  const Word12 six = WordFromValue(6);
  for (int k = 1; k <= WordBits; ++k) {
    EXPECT_EQ(six[k], (k == 2 || k == 3) ? 1 : 0) << "bit " << k;
  }
  for (int value = 0; value < WordLimit; ++value) {
    ASSERT_EQ(WordValue(WordFromValue(value)), value);
  }
}

TEST(WordEncoding, WordFromValueDropsBitsAboveTwelve) {
  EXPECT_EQ(WordValue(WordFromValue(4096)), 0);
  EXPECT_EQ(WordValue(WordFromValue(4096 + 7)), 7);
}

TEST(WordEncoding, AddressTextIsThreeBinaryDigits) {
  const char* expected[] = {"000", "001", "010", "011", "100", "101", "110", "111"};
  for (int cell = 0; cell < CellCount; ++cell) {
    EXPECT_EQ(AddressText(cell), expected[cell]);
    EXPECT_EQ(CommandTable[static_cast<std::size_t>(cell)].substr(0, 3), expected[cell]);
  }
}

TEST(Counter, IncrementRipplesAndWrapsFromSevenToZero) {
  MachineState state;
  InitializeMachine(state);
  SetCounter(state, 3);
  IncrementCounter(state);
  EXPECT_EQ(state.Counter, 4);
  EXPECT_EQ(BitsText(state.CounterBits), "100");
  SetCounter(state, 7);
  IncrementCounter(state);
  EXPECT_EQ(state.Counter, 0);
  EXPECT_EQ(BitsText(state.CounterBits), "000");
  for (int step = 0; step < 20; ++step) {
    IncrementCounter(state);
    ASSERT_EQ(state.Counter,
              state.CounterBits[1] + 2 * state.CounterBits[2] + 4 * state.CounterBits[3]);
    ASSERT_EQ(state.Counter, (step + 1) % CellCount);
  }
}

// Character counts, not bytes: the Cyrillic texts take two bytes a letter.
std::size_t Characters(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

TEST(CommandTable, TextsAndStepDescriptions) {
  EXPECT_EQ(CommandTable[4], "100  при A1 = A2 к A3");
  EXPECT_EQ(CommandTable[7], "111  ВЫВОД, СТОП");
  EXPECT_EQ(StepDescription(0), " A1 ==> A3");
  EXPECT_EQ(StepDescription(4), " при A1 = A2 к A3");
  EXPECT_EQ(StepDescription(7), " ВЫВОД, СТОП");
  for (int op = 0; op < 8; ++op) {
    EXPECT_LE(Characters(CommandTable[static_cast<std::size_t>(op)]), 22u);
    EXPECT_EQ(Characters(StepDescription(op)) + 4,
              Characters(CommandTable[static_cast<std::size_t>(op)]));
  }
}

TEST(StartUp, EverythingZeroHaltedAuto) {
  MachineState state;
  state.Memory[3] = W("111111111111");
  state.Halted = false;
  state.ErrorMessage = "abort";
  state.InputEnabled = true;
  state.MemoryWindowOpen = true;
  InitializeMachine(state);
  EXPECT_EQ(state.RunMode, RunModeAuto);
  EXPECT_TRUE(state.Halted);
  EXPECT_FALSE(state.InputEnabled);
  EXPECT_FALSE(state.MemoryWindowOpen || state.RegistersWindowOpen || state.DisplayWindowOpen ||
               state.LoadExampleChosen || state.ConditionMet);
  for (const Word12& cell : state.Memory) {
    EXPECT_EQ(WordValue(cell), 0);
  }
  EXPECT_EQ(WordValue(state.CommandRegister) + WordValue(state.Accumulator), 0);
  EXPECT_EQ(BitsText(state.CounterBits), "000");
  EXPECT_EQ(state.Counter, 0);
  EXPECT_TRUE(state.ErrorMessage.empty());
}

} // namespace
} // namespace soyka::testing
