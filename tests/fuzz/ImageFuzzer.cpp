// Feeds the memory image reader any text and checks that it answers soundly: a fault names a
// line of the text exactly when it has one, and both wordings say so; an image read back from its
// own plain form is the same image; a comment line put in front changes nothing but the line
// named; the stream reader agrees with the text reader; the exercise reader agrees with both, and
// the checks it reads run to an outcome that counts and words them soundly.

#include "CheckRun.h"
#include "MemoryImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

std::string PlainText(const soyka::MemoryImage& image) {
  std::string text;
  for (const soyka::Word12& word : image) {
    text += soyka::BitsText(word) + "\n";
  }
  return text;
}

void CheckError(const soyka::ImageError& error, std::string_view text) {
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  using soyka::ImageFault;
  constexpr ImageFault LineFaults[] = {ImageFault::NotText,
                                       ImageFault::NotAWord,
                                       ImageFault::TooManyWords,
                                       ImageFault::BadCheck,
                                       ImageFault::CheckNumberTooLarge,
                                       ImageFault::BadCommandLimit,
                                       ImageFault::SecondCommandLimit};
  const bool lineFault =
      std::find(std::begin(LineFaults), std::end(LineFaults), error.fault) != std::end(LineFaults);
  Check(lineFault ? error.line >= 1 && error.line <= lines : error.line == 0, "the line named");
  Check(error.fault == soyka::ImageFault::TooFewWords ||
            error.fault == soyka::ImageFault::TooLarge || lineFault,
        "text has no file faults");
  Check(error.words >= 0 && error.words < soyka::CellCount, "words counted");
  const std::string line = std::to_string(error.line) + ": ";
  Check(soyka::EnglishDescription(error).starts_with("line " + line) == lineFault &&
            soyka::RussianDescription(error).starts_with("Строка " + line) == lineFault,
        "both wordings name the line");
}

// Keeps one input's runs short; a limit beyond it is read but not run.
constexpr std::uint64_t CommandsRunAtMost = 100000;

void CheckExercise(const soyka::ExerciseReading& exercise, const soyka::ImageReading& reading) {
  if (const auto* error = std::get_if<soyka::ImageError>(&exercise)) {
    Check(reading == soyka::ImageReading{*error}, "the exercise reader refuses alike");
    return;
  }
  const soyka::Exercise& read = std::get<soyka::Exercise>(exercise);
  Check(reading == soyka::ImageReading{read.memory}, "the exercise reader reads the same words");
  Check(read.commandLimit >= 1 && read.commandLimit <= soyka::MaxCommandLimit, "a sound limit");
  if (static_cast<std::uint64_t>(read.commandLimit) * read.checks.size() > CommandsRunAtMost) {
    return;
  }
  const soyka::CheckSummary summary = soyka::RunChecks(read, read.memory);
  Check(summary.total == static_cast<int>(read.checks.size()) && summary.passed >= 0 &&
            summary.passed <= summary.total,
        "every check counted");
  Check(summary.mostCommands <= static_cast<std::uint64_t>(read.commandLimit),
        "no run beyond the limit");
  Check(summary.firstFailure.empty() == (summary.passed == summary.total) &&
            (summary.firstFailure.empty() || summary.firstFailure.starts_with("проверка ")),
        "the first failure worded");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const soyka::ImageReading reading = soyka::ReadMemoryImage(text);
  std::istringstream stream{std::string(text)};
  Check(soyka::ReadMemoryImage(stream) == reading, "the stream reader agrees");
  CheckExercise(soyka::ReadExercise(text), reading);

  if (const auto* image = std::get_if<soyka::MemoryImage>(&reading)) {
    Check(soyka::ReadMemoryImage(PlainText(*image)) == reading, "an image reads back the same");
  } else {
    CheckError(std::get<soyka::ImageError>(reading), text);
  }

  if (!text.starts_with("\xEF\xBB\xBF") && size + 2 <= soyka::ImageSizeLimit) {
    soyka::ImageReading shifted = soyka::ReadMemoryImage("#\n" + std::string(text));
    if (auto* error = std::get_if<soyka::ImageError>(&shifted); error && error->line > 0) {
      --error->line;
    }
    Check(shifted == reading, "a comment in front changes only the line named");
  }
  return 0;
}
