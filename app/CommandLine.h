#pragma once
// What the desktop program's command line asks for: an ordinary start, a start with an exercise
// file in memory, or only an answer on the console (the usage, the version, or a misuse).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace soyka::app {

inline constexpr int MisuseStatus = 2;
// The range of --scale: from the windows as they are to three times their size.
inline constexpr double SmallestScale = 1.0;
inline constexpr double LargestScale = 3.0;

struct CommandLine {
  enum class Action { Start, Help, Version, Misuse };
  Action action = Action::Start;
  // The exercise file to start with; only for Start.
  std::optional<std::string> exercise;
  // How many times larger every window is drawn (--scale), for a projector; only for Start.
  std::optional<double> scale;
  // What was wrong; only for Misuse.
  std::string misuse;
};

// The arguments after the program's name.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

// Answers every action but Start on the console and returns the exit status.
int AnswerOnConsole(const CommandLine& command, std::ostream& out, std::ostream& err);

} // namespace soyka::app
