// Whether a run holds what its check expects, and the words for a run that does not.
#include "CheckRun.h"

#include <algorithm>

namespace soyka {
namespace {

std::string ValuesText(const DisplayValues& values) {
  std::string text = std::to_string(values[0]);
  for (std::size_t row = 1; row < values.size(); ++row) {
    text += ' ';
    text += std::to_string(values[row]);
  }
  return text;
}

std::string Quoted(const std::string& message) {
  return "«" + message + "»";
}

std::string ExpectedText(const ExerciseCheck& check) {
  if (const auto* values = std::get_if<DisplayValues>(&check.expected)) {
    return ValuesText(*values);
  }
  return Quoted(std::get<std::string>(check.expected));
}

// What went wrong, or nothing when the run holds.
std::string Failure(const ExerciseCheck& check, const CheckRun& run, int commandLimit) {
  const std::string expected = "ожидалось " + ExpectedText(check);
  if (!run.stopped) {
    return expected + ", а программа не остановилась за " + std::to_string(commandLimit) +
           " команд";
  }
  if (!run.errorMessage.empty()) {
    return check.expected == ExerciseCheck::Expected{run.errorMessage}
               ? std::string()
               : expected + ", а машина сообщила " + Quoted(run.errorMessage);
  }
  return check.expected == ExerciseCheck::Expected{run.display}
             ? std::string()
             : expected + ", на дисплее " + ValuesText(run.display);
}

} // namespace

CheckSummary RunChecks(const Exercise& exercise, const MemoryImage& program) {
  CheckSummary summary;
  for (const ExerciseCheck& check : exercise.checks) {
    const CheckRun run = RunCheck(program, check, exercise.commandLimit);
    ++summary.total;
    summary.mostCommands = std::max(summary.mostCommands, run.commands);
    const std::string failure = Failure(check, run, exercise.commandLimit);
    if (failure.empty()) {
      ++summary.passed;
    } else if (summary.firstFailure.empty()) {
      summary.firstFailure = "проверка " + std::to_string(summary.total) + ": " + failure;
    }
  }
  return summary;
}

} // namespace soyka
