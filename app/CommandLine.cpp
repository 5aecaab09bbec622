#include "CommandLine.h"

#include "Version.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

namespace soyka::app {
namespace {

constexpr const char* Usage =
    "Использование: soyka [--scale ЧИСЛО] [ФАЙЛ.soyka] | --help | --version";
constexpr std::string_view ScaleOption = "--scale";

// A factor written with a point or a comma, within the range; nothing for anything else.
std::optional<double> ReadScale(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  double factor = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), factor);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      factor < SmallestScale || factor > LargestScale) {
    return std::nullopt;
  }
  return factor;
}

} // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine command;
  for (auto each = args.begin(); each != args.end(); ++each) {
    const std::string& arg = *each;
    if (arg == ScaleOption || arg.starts_with(std::string(ScaleOption) + "=")) {
      const bool joined = arg != ScaleOption;
      if (!joined && std::next(each) == args.end()) {
        return {CommandLine::Action::Misuse, std::nullopt, std::nullopt,
                "после --scale нужно число от 1 до 3"};
      }
      const std::string value = joined ? arg.substr(ScaleOption.size() + 1) : *++each;
      command.scale = ReadScale(value);
      if (!command.scale) {
        return {CommandLine::Action::Misuse, std::nullopt, std::nullopt,
                "--scale ждёт число от 1 до 3, а не «" + value + "»"};
      }
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      return {CommandLine::Action::Help, std::nullopt, std::nullopt, {}};
    }
    if (arg == "--version") {
      return {CommandLine::Action::Version, std::nullopt, std::nullopt, {}};
    }
    if (arg.size() > 1 && arg.front() == '-') {
      return {CommandLine::Action::Misuse, std::nullopt, std::nullopt,
              "неизвестный параметр «" + arg + "»"};
    }
    if (command.exercise) {
      return {CommandLine::Action::Misuse, std::nullopt, std::nullopt, "лишний файл «" + arg + "»"};
    }
    command.exercise = arg;
  }
  return command;
}

int AnswerOnConsole(const CommandLine& command, std::ostream& out, std::ostream& err) {
  switch (command.action) {
  case CommandLine::Action::Help:
    out << Usage << "\n"
        << "Учебная ЭВМ «Сойка». Если указан файл упражнения, его программа при запуске\n"
           "уже в памяти, а окно «Память» открыто.\n"
           "  --scale ЧИСЛО  все окна крупнее в ЧИСЛО раз (от 1 до 3, например 1.5),\n"
           "                 для проектора; не больше, чем помещается на экране\n"
           "  --help         эта справка\n"
           "  --version      версия программы\n";
    return 0;
  case CommandLine::Action::Version:
    out << "soyka " << SoykaVersion << "\n";
    return 0;
  case CommandLine::Action::Misuse:
    err << "soyka: " << command.misuse << ". " << Usage << "\n";
    return MisuseStatus;
  case CommandLine::Action::Start:
    break;
  }
  return 0;
}

} // namespace soyka::app
