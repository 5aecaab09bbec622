// Feeds the memory image reader any text and checks that it answers soundly: a fault names a
// line of the text exactly when it has one, and both wordings say so; an image read back from its
// own plain form is the same image; a comment line put in front changes nothing but the line
// named; the stream reader agrees with the text reader.

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
  const bool lineFault = error.fault == soyka::ImageFault::NotText ||
                         error.fault == soyka::ImageFault::NotAWord ||
                         error.fault == soyka::ImageFault::TooManyWords;
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const soyka::ImageReading reading = soyka::ReadMemoryImage(text);
  std::istringstream stream{std::string(text)};
  Check(soyka::ReadMemoryImage(stream) == reading, "the stream reader agrees");

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
