#include "CheckCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace soyka {
namespace {

// The larger of cells 110 and 111; the wrong one always shows B last.
const std::string MaximumWords = "110110111010\n111110111111\n111110111110\n000000000000\n"
                                 "000000000000\n000000000000\n000000011001\n000000010001\n";
const std::string WrongWords = "110110111010\n111110111111\n111110111111\n000000000000\n"
                               "000000000000\n000000000000\n000000011001\n000000010001\n";

class CheckCommand : public ::testing::Test {
protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_);
    Write("exercise.soyka", "# Проверка: -> 25 17 25\n# Проверка: 110=3 111=90 -> 3 90 90\n"
                            "# Проверка: 110=4095 111=0 -> 4095 0 4095\n" +
                                MaximumWords);
    // A learner's own check lines are not the exercise's: this one would fail.
    Write("right.soyka", "# Проверка: -> 1 2 3\n" + MaximumWords);
    Write("wrong, too.soyka", WrongWords);
    Write("no-checks.soyka", MaximumWords);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }

  int Run(const std::vector<std::string>& names) {
    std::vector<std::string> args;
    for (const std::string& name : names) {
      args.push_back(name.starts_with("-") ? name : (folder_ / name).string());
    }
    out_.str("");
    err_.str("");
    return RunCheckCommand(args, out_, err_);
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  const std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() / ("soyka-check-" + std::to_string(::getpid()));
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(CheckCommand, ExitStatusSaysWhetherEveryFilePassed) {
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{"exercise.soyka"}, CheckAllPassedStatus},
      {{"exercise.soyka", "right.soyka"}, CheckAllPassedStatus},
      {{"exercise.soyka", "right.soyka", "wrong, too.soyka"}, CheckSomeFailedStatus},
      {{"exercise.soyka", "right.soyka", "missing.soyka"}, CheckSomeFailedStatus},
      {{}, CheckUnusableStatus},
      {{"--bogus", "exercise.soyka"}, CheckUnusableStatus},
      {{"no-checks.soyka", "right.soyka"}, CheckUnusableStatus},
      {{"missing.soyka", "right.soyka"}, CheckUnusableStatus},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Run(row.args), row.status) << ::testing::PrintToString(row.args) << err_.str();
    EXPECT_EQ(err_.str().empty(), row.status != CheckUnusableStatus) << err_.str();
  }
}

TEST_F(CheckCommand, WritesOneLineAFileAndTheCount) {
  Run({"exercise.soyka", "right.soyka", "wrong, too.soyka", "."});
  EXPECT_EQ(out_.str(), Path("right.soyka") + ": 3 из 3 проверок, до 2 команд\n" +
                            Path("wrong, too.soyka") +
                            ": 1 из 3 проверок, до 2 команд; проверка 1: ожидалось 25 17 25, на "
                            "дисплее 25 17 17\n" +
                            Path(".") + ": не прочитан: Это папка, а не файл.\n" +
                            "Файлов, прошедших все проверки: 1 из 3.\n");
}

TEST_F(CheckCommand, WritesTheTableAsCsv) {
  Run({"--csv", "exercise.soyka", "right.soyka", "wrong, too.soyka", "missing.soyka"});
  EXPECT_EQ(out_.str(), "файл,пройдено,всего,наибольшее число команд,первая неудача\r\n" +
                            Path("right.soyka") + ",3,3,2,\r\n\"" + Path("wrong, too.soyka") +
                            "\",1,3,2,\"проверка 1: ожидалось 25 17 25, на дисплее 25 17 17\"\r\n" +
                            Path("missing.soyka") + ",0,3,,не прочитан: Такого файла нет.\r\n");
}

} // namespace
} // namespace soyka
