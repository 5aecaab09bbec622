#pragma once
// Memory images as text, the form in which a teacher hands out a program: eight 12-bit words,
// cell 000 first, each written bit 12 first as twelve digits 0 and 1, one word a line. Lines that
// are blank or start with '#' are skipped; blanks and a carriage return at a line's end are
// ignored. The text must be UTF-8 and at most ImageSizeLimit bytes. Either the whole image is
// read or nothing is: a reading yields the eight words or the one fault found first.

#include "Machine.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <variant>

namespace soyka {

// A program of eight cells takes a few hundred bytes even with a long commentary; anything far
// larger is not an exercise, and is refused before it is read whole.
inline constexpr std::size_t ImageSizeLimit = 64 * 1024;

enum class ImageFault {
  NoSuchFile,
  IsFolder,
  NotRegularFile, // a FIFO, a device or a socket: reading one could wait forever
  Unreadable,
  TooLarge,
  NotText,      // a comment that is not UTF-8 or holds a NUL byte
  NotAWord,     // a line that is neither skipped nor twelve digits 0 and 1
  TooManyWords, // the ninth word
  TooFewWords,
  BadCheck,            // a check line not of the form "# Проверка: 110=25 -> 25 17 25"
  CheckNumberTooLarge, // a value in a check line beyond a word's 4095
  BadCommandLimit,     // a limit line that is not a whole number from 1 to MaxCommandLimit
  SecondCommandLimit,
};

struct ImageError {
  ImageFault fault;
  // The line at fault, counted from 1; 0 when the fault lies with the file as a whole.
  int line = 0;
  // For TooFewWords: how many words there were.
  int words = 0;

  bool operator==(const ImageError&) const = default;
};

using MemoryImage = std::array<Word12, CellCount>;
using ImageReading = std::variant<MemoryImage, ImageError>;

ImageReading ReadMemoryImage(std::string_view text);
// Reads at most one byte past the size limit.
ImageReading ReadMemoryImage(std::istream& in);
ImageReading ReadMemoryImageFile(const std::filesystem::path& file);
// The text with its eight words replaced by the memory's, in order, and every other line, the
// blanks after a word and the line ends as they were; words the text lacks are added at its end.
std::string WithWords(std::string_view text, const MemoryImage& memory);

// What is wrong, in the console tool's English ("line 3: ..."), without a final full stop.
std::string EnglishDescription(const ImageError& error);
// What is wrong, as a Russian sentence for the learner's message box ("Строка 3: ...").
std::string RussianDescription(const ImageError& error);

} // namespace soyka
