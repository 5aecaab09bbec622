#include "MemoryImage.h"

#include "Exercise.h"
#include "Utf8Text.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace soyka {
namespace {

// Editors on some systems open a UTF-8 file with this mark; it is not part of the first line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsWord(std::string_view line) {
  return line.size() == static_cast<std::size_t>(WordBits) &&
         line.find_first_not_of("01") == std::string_view::npos;
}

Word12 WordFromDigits(std::string_view digits) {
  Word12 word;
  for (int c = 0; c < WordBits; ++c) {
    word[WordBits - c] = static_cast<std::uint8_t>(digits[static_cast<std::size_t>(c)] - '0');
  }
  return word;
}

// Fills `text` with at most its size in bytes and cuts it to what was read.
bool ReadAtMost(std::istream& in, std::string& text) {
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) {
    return false;
  }
  text.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

ImageReading ImageOf(const ExerciseReading& reading) {
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    return *error;
  }
  return std::get<Exercise>(reading).memory;
}

using TextReading = std::variant<std::string, ImageError>;

// A file's text, refused before it is opened unless it is a regular file.
TextReading ReadImageFileText(const std::filesystem::path& file) {
  std::error_code ignored;
  const std::filesystem::file_status status = std::filesystem::status(file, ignored);
  switch (status.type()) {
  case std::filesystem::file_type::regular:
    break;
  case std::filesystem::file_type::not_found:
    return ImageError{ImageFault::NoSuchFile};
  case std::filesystem::file_type::directory:
    return ImageError{ImageFault::IsFolder};
  case std::filesystem::file_type::none:
  case std::filesystem::file_type::unknown:
    return ImageError{ImageFault::Unreadable};
  default:
    return ImageError{ImageFault::NotRegularFile};
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return ImageError{ImageFault::Unreadable};
  }
  std::string text(ImageSizeLimit + 1, '\0');
  if (!ReadAtMost(in, text)) {
    return ImageError{ImageFault::Unreadable};
  }
  return text;
}

} // namespace

ExerciseReading ReadExercise(std::string_view text) {
  if (text.size() > ImageSizeLimit) {
    return ImageError{ImageFault::TooLarge};
  }
  if (text.starts_with(ByteOrderMark)) {
    text.remove_prefix(ByteOrderMark.size());
  }
  Exercise exercise;
  bool limitSeen = false;
  int words = 0;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    line = line.substr(0, line.find_last_not_of(" \r") + 1);
    if (line.empty()) {
      continue;
    }
    if (line.front() == '#') {
      if (!IsUtf8Text(line)) {
        return ImageError{ImageFault::NotText, lineNumber};
      }
      if (const auto fault = ReadCheckComment(line, exercise, limitSeen)) {
        return ImageError{*fault, lineNumber};
      }
      continue;
    }
    if (!IsWord(line)) {
      return ImageError{ImageFault::NotAWord, lineNumber};
    }
    if (words == CellCount) {
      return ImageError{ImageFault::TooManyWords, lineNumber};
    }
    exercise.memory[static_cast<std::size_t>(words++)] = WordFromDigits(line);
  }
  if (words < CellCount) {
    return ImageError{ImageFault::TooFewWords, 0, words};
  }
  return exercise;
}

ImageReading ReadMemoryImage(std::string_view text) {
  return ImageOf(ReadExercise(text));
}

ImageReading ReadMemoryImage(std::istream& in) {
  std::string text(ImageSizeLimit + 1, '\0');
  if (!ReadAtMost(in, text)) {
    return ImageError{ImageFault::Unreadable};
  }
  return ReadMemoryImage(text);
}

std::variant<ExerciseText, ImageError> ReadExerciseFileText(const std::filesystem::path& file) {
  TextReading text = ReadImageFileText(file);
  if (const auto* error = std::get_if<ImageError>(&text)) {
    return *error;
  }
  ExerciseReading reading = ReadExercise(std::get<std::string>(text));
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    return *error;
  }
  return ExerciseText{std::move(std::get<std::string>(text)),
                      std::move(std::get<Exercise>(reading))};
}

ExerciseReading ReadExerciseFile(const std::filesystem::path& file) {
  auto reading = ReadExerciseFileText(file);
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    return *error;
  }
  return std::move(std::get<ExerciseText>(reading).exercise);
}

std::string WithWords(std::string_view text, const MemoryImage& memory) {
  std::string written;
  if (text.starts_with(ByteOrderMark)) {
    written = ByteOrderMark;
    text.remove_prefix(ByteOrderMark.size());
  }
  std::size_t cell = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? end : end + 1);
    text.remove_prefix(line.size());
    const std::size_t kept = line.find_last_not_of(" \r\n") + 1;
    if (cell < memory.size() && IsWord(line.substr(0, kept))) {
      written += BitsText(memory[cell++]);
      written += line.substr(kept);
    } else {
      written += line;
    }
  }
  for (; cell < memory.size(); ++cell) {
    written += BitsText(memory[cell]) + "\n";
  }
  return written;
}

ImageReading ReadMemoryImageFile(const std::filesystem::path& file) {
  return ImageOf(ReadExerciseFile(file));
}

} // namespace soyka
