// A class checked in one command: writes an exercise with five checks and FILES learners' files
// (every other one wrong), runs the real soyka-check on them all, and prints its wall time.
// Usage: soyka_bench_check SOYKA_CHECK FILES
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The factorial: N + 1 in cell 100; each check's run takes up to 19 commands.
const std::string Factorial = "101110101101\n001110111110\n110100110000\n111101101101\n"
                              "000000000110\n000000000001\n000000000001\n000000000001\n";
// The same with its output cell moved: every check fails on the display.
const std::string Wrong = "101110101101\n001110111110\n110100110000\n111101101110\n"
                          "000000000110\n000000000001\n000000000001\n000000000001\n";
const std::string Checks = "# Проверка: 100=2 -> 1 1 1\n# Проверка: 100=3 -> 2 2 2\n"
                           "# Проверка: 100=4 -> 6 6 6\n# Проверка: -> 120 120 120\n"
                           "# Проверка: 100=8 -> Переполнение!\n";

void Write(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: soyka_bench_check SOYKA_CHECK FILES\n");
    return 2;
  }
  const std::string check = argv[1];
  const int files = std::atoi(argv[2]);
  const auto folder =
      std::filesystem::temp_directory_path() / ("soyka-bench-check-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  Write(folder / "exercise.soyka", "# Факториал.\n" + Checks + Factorial);
  std::string command = "'" + check + "' '" + (folder / "exercise.soyka").string() + "'";
  for (int learner = 0; learner < files; ++learner) {
    const std::string name = "learner-" + std::to_string(learner) + ".soyka";
    Write(folder / name, "# Факториал.\n" + Checks + (learner % 2 == 0 ? Factorial : Wrong));
    command += " '" + (folder / name).string() + "'";
  }
  command += " >/dev/null";
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::filesystem::remove_all(folder);
  // Half the files fail: soyka-check ends with 1.
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 1) {
    std::fprintf(stderr, "soyka-check ended with %d, expected 1\n", status);
    return 1;
  }
  std::printf("files=%d\nchecks_per_file=5\nseconds=%.3f\n", files, took.count());
  return 0;
}
