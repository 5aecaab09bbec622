#include "MemoryImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace soyka {
namespace {

const std::string FactorialText = "101110101101\n001110111110\n110100110000\n111101101101\n"
                                  "000000000110\n000000000001\n000000000001\n000000000001\n";

// The factorial followed by one comment line, `size` bytes in all.
std::string PaddedFactorial(std::size_t size) {
  return FactorialText + "#" + std::string(size - FactorialText.size() - 1, '-');
}

struct BadText {
  const char* name;
  std::string text;
  ImageError error;
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const BadText& row, std::ostream* out) {
  *out << row.name;
}

class BadMemoryImage : public ::testing::TestWithParam<BadText> {};

TEST_P(BadMemoryImage, NamesTheFaultAndItsLineAndLoadsNothing) {
  const ImageReading reading = ReadMemoryImage(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<ImageError>(reading));
  const ImageError& error = std::get<ImageError>(reading);
  EXPECT_EQ(error, GetParam().error);
  // Both wordings name the line exactly when there is one.
  const std::string line = std::to_string(error.line) + ": ";
  EXPECT_EQ(EnglishDescription(error).starts_with("line " + line), error.line != 0);
  EXPECT_EQ(RussianDescription(error).starts_with("Строка " + line), error.line != 0);
}

constexpr ImageFault NotAWord = ImageFault::NotAWord;
constexpr ImageFault NotText = ImageFault::NotText;

INSTANTIATE_TEST_SUITE_P(
    Texts, BadMemoryImage,
    ::testing::Values(
        BadText{"Empty", "", {ImageFault::TooFewWords}},
        BadText{"SevenWords", FactorialText.substr(13), {ImageFault::TooFewWords, 0, 7}},
        BadText{"NineWords", FactorialText + "000000000000\n", {ImageFault::TooManyWords, 9}},
        BadText{"ElevenDigits", "10111010110\n", {NotAWord, 1}},
        BadText{"ThirteenDigits", "# c\n\n1011101011010\n", {NotAWord, 3}},
        BadText{"DigitTwo", "101110101102\n", {NotAWord, 1}},
        BadText{"LetterAfterCrLf", "000000000000\r\n10111010110x\r\n", {NotAWord, 2}},
        BadText{"InnerBlank", "101110 101101\n", {NotAWord, 1}},
        BadText{"LeadingBlank", " 101110101101\n", {NotAWord, 1}},
        BadText{"TrailingTab", "101110101101\t\n", {NotAWord, 1}},
        BadText{"IndentedComment", "  # N!\n", {NotAWord, 1}},
        BadText{"NulInAWord", std::string("101110") + '\0' + "101101\n", {NotAWord, 1}},
        BadText{"NulInAComment", std::string("# N!\n# a") + '\0' + "b\n", {NotText, 2}},
        BadText{"Windows1251Comment", "# \xD4\xE0\xEA\xF2\n" + FactorialText, {NotText, 1}},
        BadText{"CutUtf8Sequence", "\n# \xD0\n", {NotText, 2}},
        BadText{"OverlongSlash", "# \xC0\xAF\n", {NotText, 1}},
        BadText{"Surrogate", "# \xED\xA0\x80\n", {NotText, 1}},
        BadText{"BeyondUnicode", "# \xF4\x90\x80\x80\n", {NotText, 1}},
        BadText{"OneByteTooLarge", PaddedFactorial(ImageSizeLimit + 1), {ImageFault::TooLarge}}),
    [](const ::testing::TestParamInfo<BadText>& info) { return info.param.name; });

struct GoodText {
  const char* name;
  std::string text;
};

// Test names and failures show the case's name rather than its bytes.
void PrintTo(const GoodText& row, std::ostream* out) {
  *out << row.name;
}

class GoodMemoryImage : public ::testing::TestWithParam<GoodText> {};

TEST_P(GoodMemoryImage, ReadsTheFactorial) {
  const ImageReading reading = ReadMemoryImage(GetParam().text);
  ASSERT_TRUE(std::holds_alternative<MemoryImage>(reading));
  EXPECT_EQ(WordValue(std::get<MemoryImage>(reading)[0]), 2989);
  EXPECT_EQ(reading, ReadMemoryImage(FactorialText));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GoodMemoryImage,
    ::testing::Values(GoodText{"Plain", FactorialText},
                      GoodText{"NonAsciiComment", "# Вычисление N! ✓ 𝄞\n\n" + FactorialText},
                      GoodText{
                          "CrLfBlanksAndEmptyLines",
                          "101110101101\r\n001110111110 \r\n110100110000  \n111101101101\r\r\n" +
                              FactorialText.substr(52)},
                      GoodText{"NoFinalNewline", FactorialText.substr(0, FactorialText.size() - 1)},
                      GoodText{"ByteOrderMark", "\xEF\xBB\xBF# N!\n" + FactorialText},
                      GoodText{"AtTheSizeLimit", PaddedFactorial(ImageSizeLimit)}),
    [](const ::testing::TestParamInfo<GoodText>& info) { return info.param.name; });

TEST(MemoryImageWords, AreReplacedInTheirLinesAndEverythingElseIsKept) {
  MemoryImage memory{};
  for (int cell = 0; cell < CellCount; ++cell) {
    memory[static_cast<std::size_t>(cell)] = WordFromValue(4095 - cell);
  }
  const std::string header = "\xEF\xBB\xBF# N!\r\n# Проверка: -> 1 2 3\r\n\n";
  const std::string words = FactorialText.substr(0, 13 * 7);
  const std::string replaced = "111111111111 \r\n111111111110\n111111111101\n111111111100\n"
                               "111111111011\n111111111010\n111111111001\n";
  EXPECT_EQ(WithWords(header + "101110101101 \r\n" + words.substr(13) + "# end\n" +
                          FactorialText.substr(13 * 7, 12),
                      memory),
            header + replaced + "# end\n111111111000");
  // Words a text lacks are added after it.
  EXPECT_EQ(WithWords("# N!\n", memory),
            "# N!\n" + replaced.substr(0, 12) + "\n" + replaced.substr(15) + "111111111000\n");
}

TEST(MemoryImageFile, ReadsAFileAndRefusesWhatCannotBeRead) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("soyka-image-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto file = folder / "n.soyka";
  std::ofstream(file, std::ios::binary) << "# N!\r\n" << FactorialText;
  EXPECT_EQ(ReadMemoryImageFile(file), ReadMemoryImage(FactorialText));
  EXPECT_EQ(ReadMemoryImageFile(folder / "missing"),
            ImageReading{ImageError{ImageFault::NoSuchFile}});
  EXPECT_EQ(ReadMemoryImageFile(folder), ImageReading{ImageError{ImageFault::IsFolder}});
  // Refused before they are opened: a FIFO without a writer would wait for ever, /dev/zero
  // would never end.
  const auto fifo = folder / "fifo.soyka";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::filesystem::path& special : {fifo, std::filesystem::path("/dev/zero")}) {
    EXPECT_EQ(ReadMemoryImageFile(special), ImageReading{ImageError{ImageFault::NotRegularFile}});
  }
  // Opens, but the first read fails: nothing is mapped at offset 0 of this process's memory.
  EXPECT_EQ(ReadMemoryImageFile("/proc/self/mem"),
            ImageReading{ImageError{ImageFault::Unreadable}});
  // The superuser reads every file.
  std::filesystem::permissions(file, std::filesystem::perms::none);
  if (::geteuid() != 0) {
    EXPECT_EQ(ReadMemoryImageFile(file), ImageReading{ImageError{ImageFault::Unreadable}});
  }
  std::filesystem::remove_all(folder);
}

} // namespace
} // namespace soyka
