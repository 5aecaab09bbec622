#include "CommandLine.h"

#include "Version.h"

namespace soyka::app {
namespace {

constexpr const char* Usage = "Использование: soyka [ФАЙЛ.soyka | --help | --version]";

} // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine command;
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") {
      return {CommandLine::Action::Help, std::nullopt, {}};
    }
    if (arg == "--version") {
      return {CommandLine::Action::Version, std::nullopt, {}};
    }
    if (arg.size() > 1 && arg.front() == '-') {
      return {CommandLine::Action::Misuse, std::nullopt, "неизвестный параметр «" + arg + "»"};
    }
    if (command.exercise) {
      return {CommandLine::Action::Misuse, std::nullopt, "лишний файл «" + arg + "»"};
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
           "  --help     эта справка\n"
           "  --version  версия программы\n";
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
