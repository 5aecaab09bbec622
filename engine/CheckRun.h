#pragma once
// Running an exercise's checks on a program: each on its own copy of the machine, with nothing
// shown, and the outcome in the words a teacher and a learner read.

#include "Exercise.h"

#include <cstdint>
#include <string>

namespace soyka {

// How one run ended: at the output command, in a machine error, or at the command limit.
struct CheckRun {
  DisplayValues display{};
  std::string errorMessage;
  bool stopped = false;
  std::uint64_t commands = 0;
};

// Presets the check's cells in a copy of the program and runs it from cell 000 in Auto mode.
CheckRun RunCheck(const MemoryImage& program, const ExerciseCheck& check, int commandLimit);

struct CheckSummary {
  int passed = 0;
  int total = 0;
  // The most commands any one check's run took.
  std::uint64_t mostCommands = 0;
  // The first check that failed and how, e.g. "проверка 2: ожидалось 3 90 90, на дисплее 3 90 3";
  // empty when all held.
  std::string firstFailure;
};

CheckSummary RunChecks(const Exercise& exercise, const MemoryImage& program);

} // namespace soyka
