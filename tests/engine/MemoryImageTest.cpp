#include "MemoryImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace soyka {
namespace {

const std::string Factorial = "101110101101\n001110111110\n110100110000\n111101101101\n"
                              "000000000110\n000000000001\n000000000001\n000000000001\n";

// Comment lines that bring a text to exactly `size` bytes.
std::string PaddedTo(const std::string& text, std::size_t size) {
  const std::string line = "#" + std::string(98, '-') + "\n";
  std::string padded = text;
  while (padded.size() + line.size() < size) {
    padded += line;
  }
  return padded + "#" + std::string(size - padded.size() - 1, '-');
}

struct BadText {
  const char* name;
  std::string text;
  ImageError error;
  std::string english; // what soyka-trace prints after its name
};

class BadMemoryImage : public ::testing::TestWithParam<BadText> {};

TEST_P(BadMemoryImage, NamesTheFaultAndItsLineAndLoadsNothing) {
  const BadText& c = GetParam();
  const ImageReading reading = ReadMemoryImage(c.text);
  ASSERT_TRUE(std::holds_alternative<ImageError>(reading));
  const ImageError& error = std::get<ImageError>(reading);
  EXPECT_EQ(error, c.error);
  EXPECT_EQ(EnglishDescription(error), c.english);
  const std::string russianLine = "Строка " + std::to_string(c.error.line) + ": ";
  EXPECT_EQ(RussianDescription(error).starts_with(russianLine), c.error.line != 0)
      << RussianDescription(error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadMemoryImage,
    ::testing::Values(
        BadText{"Empty", "", {ImageFault::TooFewWords, 0, 0}, "expected 8 words, got 0"},
        BadText{
            "OnlyComments", "# x\n\n", {ImageFault::TooFewWords, 0, 0}, "expected 8 words, got 0"},
        BadText{"SevenWords",
                Factorial.substr(13),
                {ImageFault::TooFewWords, 0, 7},
                "expected 8 words, got 7"},
        BadText{"NineWords",
                Factorial + "000000000000\n",
                {ImageFault::TooManyWords, 9},
                "line 9: more than 8 words"},
        BadText{"ElevenDigits",
                "10111010110\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"ThirteenDigits",
                "# c\n\n1011101011010\n",
                {ImageFault::NotAWord, 3},
                "line 3: not a 12-bit word of the digits 0 and 1"},
        BadText{"DigitTwo",
                "101110101102\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"Letter",
                "000000000000\r\n10111010110x\r\n",
                {ImageFault::NotAWord, 2},
                "line 2: not a 12-bit word of the digits 0 and 1"},
        BadText{"InnerBlank",
                "101110 101101\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"LeadingBlank",
                " 101110101101\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"TrailingTab",
                "101110101101\t\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"IndentedComment",
                "  # N!\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"StrayLineAfterTheWords",
                Factorial + "end\n",
                {ImageFault::NotAWord, 9},
                "line 9: not a 12-bit word of the digits 0 and 1"},
        BadText{"NulInAWord",
                std::string("101110") + '\0' + "101101\n",
                {ImageFault::NotAWord, 1},
                "line 1: not a 12-bit word of the digits 0 and 1"},
        BadText{"NulInAComment",
                std::string("# N!\n# a") + '\0' + "b\n",
                {ImageFault::NotText, 2},
                "line 2: not UTF-8 text"},
        BadText{"Windows1251Comment",
                "# \xD4\xE0\xEA\xF2\xEE\xF0\xE8\xE0\xEB\n" + Factorial,
                {ImageFault::NotText, 1},
                "line 1: not UTF-8 text"},
        BadText{
            "CutUtf8Sequence", "\n# \xD0\n", {ImageFault::NotText, 2}, "line 2: not UTF-8 text"},
        BadText{
            "OverlongSlash", "# \xC0\xAF\n", {ImageFault::NotText, 1}, "line 1: not UTF-8 text"},
        BadText{
            "Surrogate", "# \xED\xA0\x80\n", {ImageFault::NotText, 1}, "line 1: not UTF-8 text"},
        BadText{"BeyondUnicode",
                "# \xF4\x90\x80\x80\n",
                {ImageFault::NotText, 1},
                "line 1: not UTF-8 text"},
        BadText{"OneByteTooLarge",
                PaddedTo(Factorial, ImageSizeLimit + 1),
                {ImageFault::TooLarge},
                "larger than 64 KiB"}),
    [](const ::testing::TestParamInfo<BadText>& info) { return info.param.name; });

class GoodMemoryImage : public ::testing::TestWithParam<std::string> {};

TEST_P(GoodMemoryImage, ReadsTheFactorial) {
  const ImageReading reading = ReadMemoryImage(GetParam());
  ASSERT_TRUE(std::holds_alternative<MemoryImage>(reading))
      << EnglishDescription(std::get<ImageError>(reading));
  const MemoryImage& image = std::get<MemoryImage>(reading);
  EXPECT_EQ(WordValue(image[0]), 0b101110101101);
  EXPECT_EQ(WordValue(image[2]), 0b110100110000);
  EXPECT_EQ(WordValue(image[4]), 6);
  EXPECT_EQ(WordValue(image[7]), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GoodMemoryImage,
    ::testing::Values(Factorial, "# Вычисление N! ✓ 𝄞\n\n" + Factorial,
                      "101110101101\r\n001110111110 \r\n110100110000  \n111101101101\r\r\n" +
                          Factorial.substr(52),
                      Factorial.substr(0, Factorial.size() - 1), "\xEF\xBB\xBF# N!\n" + Factorial,
                      PaddedTo(Factorial, ImageSizeLimit)));

// Files: those that cannot be read at all load nothing and name no line.
class ImageFile : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() / ("soyka-image-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  static void ExpectFault(const std::filesystem::path& file, ImageFault fault) {
    const ImageReading reading = ReadMemoryImageFile(file);
    ASSERT_TRUE(std::holds_alternative<ImageError>(reading)) << file;
    EXPECT_EQ(std::get<ImageError>(reading), ImageError{fault}) << file;
  }

  std::filesystem::path Written(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }

  std::filesystem::path folder_;
};

TEST_F(ImageFile, ReadsWhatTheTextReaderReads) {
  const ImageReading reading = ReadMemoryImageFile(Written("n.soyka", "# N!\r\n" + Factorial));
  ASSERT_TRUE(std::holds_alternative<MemoryImage>(reading));
  EXPECT_EQ(std::get<MemoryImage>(reading), std::get<MemoryImage>(ReadMemoryImage(Factorial)));
}

TEST_F(ImageFile, MissingFolderAndFailingRead) {
  ExpectFault(folder_ / "missing.soyka", ImageFault::NoSuchFile);
  ExpectFault(folder_, ImageFault::IsFolder);
  // Opens, but the first read fails: nothing is mapped at offset 0 of this process's memory.
  ExpectFault("/proc/self/mem", ImageFault::Unreadable);
}

TEST_F(ImageFile, WithoutReadPermission) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "the superuser reads every file";
  }
  const std::filesystem::path file = Written("locked.soyka", Factorial);
  std::filesystem::permissions(file, std::filesystem::perms::none);
  ExpectFault(file, ImageFault::Unreadable);
}

} // namespace
} // namespace soyka
