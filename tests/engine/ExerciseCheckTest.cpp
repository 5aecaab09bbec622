#include "CheckRun.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace soyka {
namespace {

// The larger of cells 110 and 111, as the shipped exercise computes it.
const std::string MaximumText = "110110111010\n111110111111\n111110111110\n000000000000\n"
                                "000000000000\n000000000000\n000000011001\n000000010001\n";

struct BadLine {
  const char* name;
  std::string line;
  ImageFault fault;
};

void PrintTo(const BadLine& row, std::ostream* out) {
  *out << row.name;
}

class BadCheckLine : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadCheckLine, IsRefusedOnItsLineAndNothingIsRead) {
  // The fault lies on the row's last line.
  const std::string& line = GetParam().line;
  const std::string text = "# Большее\n" + line + "\n" + MaximumText;
  const ImageError expected{GetParam().fault,
                            2 + static_cast<int>(std::count(line.begin(), line.end(), '\n'))};
  EXPECT_EQ(ReadExercise(text), ExerciseReading{expected});
  EXPECT_EQ(ReadMemoryImage(text), ImageReading{expected});
  EXPECT_TRUE(RussianDescription(expected).starts_with("Строка " + std::to_string(expected.line)));
}

constexpr ImageFault Bad = ImageFault::BadCheck;
constexpr ImageFault TooLarge = ImageFault::CheckNumberTooLarge;
constexpr ImageFault BadLimit = ImageFault::BadCommandLimit;

INSTANTIATE_TEST_SUITE_P(
    Lines, BadCheckLine,
    ::testing::Values(BadLine{"NoArrow", "# Проверка: 110=25 111=17 25 17 25", Bad},
                      BadLine{"NothingExpected", "# Проверка: 110=25 ->", Bad},
                      BadLine{"TwoValues", "# Проверка: 110=25 -> 25 17", Bad},
                      BadLine{"FourValues", "# Проверка: -> 1 2 3 4", Bad},
                      BadLine{"NegativeValue", "# Проверка: -> 1 -2 3", Bad},
                      BadLine{"WordAsValue", "# Проверка: -> 1 два 3", Bad},
                      BadLine{"UnknownError", "# Проверка: -> Ошибка!", Bad},
                      BadLine{"DecimalCell", "# Проверка: 6=25 -> 25 17 25", Bad},
                      BadLine{"CellOfFourDigits", "# Проверка: 0110=25 -> 25 17 25", Bad},
                      BadLine{"CellWithoutValue", "# Проверка: 110= -> 25 17 25", Bad},
                      BadLine{"CellWithoutEquals", "# Проверка: 110 25 -> 25 17 25", Bad},
                      BadLine{"PresetAfterArrow", "# Проверка: -> 110=25 17 25", Bad},
                      BadLine{"PresetTooLarge", "# Проверка: 110=4096 -> 1 2 3", TooLarge},
                      BadLine{"ValueTooLarge", "# Проверка: -> 1 2 99999999999", TooLarge},
                      BadLine{"LimitZero", "# Предел команд: 0", BadLimit},
                      BadLine{"LimitNotANumber", "# Предел команд: много", BadLimit},
                      BadLine{"LimitTooLarge", "# Предел команд: 1000001", BadLimit},
                      BadLine{"SecondLimit", "# Предел команд: 5\n# Предел команд: 6",
                              ImageFault::SecondCommandLimit}),
    [](const ::testing::TestParamInfo<BadLine>& info) { return info.param.name; });

Exercise Read(const std::string& text) {
  const ExerciseReading reading = ReadExercise(text);
  EXPECT_TRUE(std::holds_alternative<Exercise>(reading)) << text;
  return std::holds_alternative<Exercise>(reading) ? std::get<Exercise>(reading) : Exercise{};
}

TEST(ExerciseChecks, ReadsChecksAndTheLimitBesideOrdinaryComments) {
  const Exercise exercise = Read("# Проверка на глаз: без стрелки\n"
                                 "#  Проверка: 110=25 111=17 -> 25 17 25 \r\n"
                                 "#проверка:->Деление на 0!\n"
                                 "# Предел команд: 5000\n" +
                                 MaximumText);
  ASSERT_EQ(exercise.checks.size(), 2U);
  EXPECT_EQ(exercise.checks[0], (ExerciseCheck{{{6, 25}, {7, 17}}, DisplayValues{25, 17, 25}}));
  EXPECT_EQ(exercise.checks[1], (ExerciseCheck{{}, std::string(DivisionByZeroMessage)}));
  EXPECT_EQ(exercise.commandLimit, 5000);
  EXPECT_EQ(Read(MaximumText).commandLimit, DefaultCommandLimit);
}

struct CheckCase {
  const char* name;
  std::string checks;
  int passed;
  std::uint64_t mostCommands;
  std::string firstFailure;
};

void PrintTo(const CheckCase& row, std::ostream* out) {
  *out << row.name;
}

class ChecksOfMaximum : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ChecksOfMaximum, CountAndWordTheOutcome) {
  const Exercise exercise = Read(GetParam().checks + MaximumText);
  const CheckSummary summary = RunChecks(exercise, exercise.memory);
  EXPECT_EQ(summary.passed, GetParam().passed);
  EXPECT_EQ(summary.mostCommands, GetParam().mostCommands);
  EXPECT_EQ(summary.firstFailure, GetParam().firstFailure);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ChecksOfMaximum,
    ::testing::Values(
        CheckCase{"AllHold", "# Проверка: -> 25 17 25\n# Проверка: 110=3 111=90 -> 3 90 90\n", 2, 2,
                  ""},
        CheckCase{"SecondShowsOther",
                  "# Проверка: -> 25 17 25\n# Проверка: 110=3 111=90 -> 3 90 3\n"
                  "# Проверка: -> 1 1 1\n",
                  1, 2, "проверка 2: ожидалось 3 90 3, на дисплее 3 90 90"},
        CheckCase{"ErrorExpected", "# Проверка: -> Переполнение!\n", 0, 2,
                  "проверка 1: ожидалось «Переполнение!», на дисплее 25 17 25"},
        // 2048 in cell 000 is "при 000 = 000 к 000": a jump to itself for ever.
        CheckCase{"NeverStops", "# Предел команд: 7\n# Проверка: 000=2048 -> 1 2 3\n", 0, 7,
                  "проверка 1: ожидалось 1 2 3, а программа не остановилась за 7 команд"},
        // 1535 in cell 000 is "111 / 111 ==> 111".
        CheckCase{"MachineError", "# Проверка: 000=1535 111=0 -> 1 2 3\n", 0, 1,
                  "проверка 1: ожидалось 1 2 3, а машина сообщила «Деление на 0!»"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

} // namespace
} // namespace soyka
