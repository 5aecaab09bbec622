#pragma once
// An exercise: a memory image together with the checks a teacher wrote into its comments. A check
// line reads "# Проверка: 110=25 111=17 -> 25 17 25": before a run the named cells (three binary
// digits, as the memory grid labels its rows) get the decimal values given, the program runs from
// cell 000 as ПУСК in Auto mode does, and the check holds when the display shows the three values
// given, or, where the line ends in "-> Переполнение!" or "-> Деление на 0!", when the run ends in
// that machine error. A line "# Предел команд: 5000" sets how many commands a run may take.

#include "MemoryImage.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace soyka {

// Enough for every loop an eight-cell program of the shipped exercises runs, and small enough
// that a program that never stops is found out at once.
inline constexpr int DefaultCommandLimit = 1000;
// Keeps a whole class checked in seconds whatever an exercise asks for.
inline constexpr int MaxCommandLimit = 1000000;

using DisplayValues = std::array<int, DisplayRowCount>;

struct CellPreset {
  int cell = 0;
  int value = 0;
  bool operator==(const CellPreset&) const = default;
};

struct ExerciseCheck {
  std::vector<CellPreset> presets;
  // What the run must end in: the display's values, or a machine error's text.
  using Expected = std::variant<DisplayValues, std::string>;
  Expected expected;
  bool operator==(const ExerciseCheck&) const = default;
};

struct Exercise {
  MemoryImage memory{};
  std::vector<ExerciseCheck> checks;
  int commandLimit = DefaultCommandLimit;
  bool operator==(const Exercise&) const = default;
};

using ExerciseReading = std::variant<Exercise, ImageError>;

// Reads by the rules of ReadMemoryImage, and refuses a malformed check or limit line as it
// refuses a malformed word.
ExerciseReading ReadExercise(std::string_view text);
ExerciseReading ReadExerciseFile(const std::filesystem::path& file);

// An exercise with the text it was read from, for a program that writes the file again.
struct ExerciseText {
  std::string text;
  Exercise exercise;
};
std::variant<ExerciseText, ImageError> ReadExerciseFileText(const std::filesystem::path& file);

// One comment line, already without its trailing blanks: what it adds to the exercise. A line
// that is neither a check nor a limit changes nothing; a malformed one gives its fault.
std::optional<ImageFault> ReadCheckComment(std::string_view comment, Exercise& exercise,
                                           bool& limitSeen);

} // namespace soyka
