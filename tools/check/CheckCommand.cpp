#include "CheckCommand.h"

#include "CheckTable.h"

#include <algorithm>

namespace soyka {
namespace {

constexpr const char* Usage = "Использование: soyka-check [--csv] УПРАЖНЕНИЕ [ФАЙЛ...]";

struct Request {
  bool csv = false;
  std::string exercise;
  std::vector<std::string> files;
};

// The request, or the misuse in words.
std::variant<Request, std::string> ReadRequest(const std::vector<std::string>& args) {
  Request request;
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--csv") {
      request.csv = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return "неизвестный параметр «" + arg + "»";
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.empty()) {
    return std::string("не указано упражнение");
  }
  request.exercise = paths.front();
  request.files.assign(paths.begin() + 1, paths.end());
  return request;
}

CheckedFile CheckFile(const Exercise& exercise, const std::string& file) {
  CheckedFile checked{file, std::nullopt, {}};
  checked.summary.total = static_cast<int>(exercise.checks.size());
  const ExerciseReading reading = ReadExerciseFile(file);
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    checked.unreadable = RussianDescription(*error);
  } else {
    // The learner's own check lines, if any, count for nothing.
    checked.summary = RunChecks(exercise, std::get<Exercise>(reading).memory);
  }
  return checked;
}

} // namespace

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const auto read = ReadRequest(args);
  if (const auto* misuse = std::get_if<std::string>(&read)) {
    err << "soyka-check: " << *misuse << ". " << Usage << "\n";
    return CheckUnusableStatus;
  }
  Request request = std::get<Request>(read);
  const ExerciseReading reading = ReadExerciseFile(request.exercise);
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    err << "soyka-check: " << request.exercise << ": " << RussianDescription(*error) << "\n";
    return CheckUnusableStatus;
  }
  const Exercise& exercise = std::get<Exercise>(reading);
  if (exercise.checks.empty()) {
    err << "soyka-check: " << request.exercise
        << ": в упражнении нет ни одной строки «# Проверка:».\n";
    return CheckUnusableStatus;
  }
  if (request.files.empty()) {
    request.files.push_back(request.exercise);
  }
  std::vector<CheckedFile> checked;
  for (const std::string& file : request.files) {
    checked.push_back(CheckFile(exercise, file));
  }
  if (request.csv) {
    PrintCsv(out, checked);
  } else {
    PrintLines(out, checked);
  }
  const bool allPassed = std::all_of(checked.begin(), checked.end(),
                                     [](const CheckedFile& file) { return file.Passed(); });
  return allPassed ? CheckAllPassedStatus : CheckSomeFailedStatus;
}

} // namespace soyka
