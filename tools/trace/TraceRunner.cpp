#include "TraceRunner.h"

#include "Main.h"
#include "RunLoop.h"
#include "TraceViews.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>

namespace soyka {
namespace {

struct TraceOptions {
  int runMode = RunModeAuto;
  std::uint64_t maxCommands = 1000;
  std::uint64_t stopAt = 0;
};

// What went wrong with the input, worded for the one line on stderr.
struct BadInput {
  std::string problem;
};

std::optional<std::uint64_t> WholeNumber(const std::string& text) {
  std::uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) {
    return std::nullopt;
  }
  return value;
}

std::optional<BadInput> ParseOptions(const std::vector<std::string>& args, TraceOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name != "--mode" && name != "--max-commands" && name != "--stop-at") {
      return BadInput{"unknown option '" + name + "'"};
    }
    if (i + 1 == args.size()) {
      return BadInput{"option " + name + " needs a value"};
    }
    const std::string& value = args[++i];
    if (name == "--mode") {
      if (value == "auto") {
        options.runMode = RunModeAuto;
      } else if (value == "step") {
        options.runMode = RunModeStep;
      } else if (value == "tact") {
        options.runMode = RunModeTact;
      } else {
        return BadInput{"--mode must be auto, step or tact, not '" + value + "'"};
      }
      continue;
    }
    const std::optional<std::uint64_t> number = WholeNumber(value);
    if (!number) {
      return BadInput{name + " needs a whole number from 0, not '" + value + "'"};
    }
    (name == "--max-commands" ? options.maxCommands : options.stopAt) = *number;
  }
  return std::nullopt;
}

bool IsWord(const std::string& line) {
  return line.size() == static_cast<std::size_t>(WordBits) &&
         line.find_first_not_of("01") == std::string::npos;
}

std::optional<BadInput> ParseImage(std::istream& in, std::array<Word12, CellCount>& image) {
  std::string line;
  int lineNumber = 0;
  int words = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    line.erase(line.find_last_not_of(" \r") + 1);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    if (!IsWord(line)) {
      return BadInput{"line " + std::to_string(lineNumber) +
                      ": not a 12-bit word of the digits 0 and 1"};
    }
    if (words == CellCount) {
      return BadInput{"line " + std::to_string(lineNumber) + ": more than 8 words"};
    }
    Word12& word = image[static_cast<std::size_t>(words++)];
    for (int c = 0; c < WordBits; ++c) {
      word[WordBits - c] = static_cast<std::uint8_t>(line[static_cast<std::size_t>(c)] - '0');
    }
  }
  if (words < CellCount) {
    return BadInput{"expected 8 words, got " + std::to_string(words)};
  }
  return std::nullopt;
}

} // namespace

int RunTrace(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  TraceOptions options;
  std::array<Word12, CellCount> image{};
  std::optional<BadInput> bad = ParseOptions(args, options);
  if (!bad) {
    bad = ParseImage(in, image);
  }
  if (bad) {
    err << "soyka-trace: " << bad->problem << '\n';
    return TraceBadInputStatus;
  }

  MachineState state;
  InitializeMachine(state);
  state.RunMode = options.runMode;
  state.Memory = image;
  TraceViews views(state, out, options.stopAt);
  StartRun(state, views);

  std::uint64_t commands = 0;
  bool halted = false;
  while (!halted && commands < options.maxCommands) {
    const TickOutcome outcome = RunTick(state, views);
    if (outcome != TickOutcome::Idle) {
      ++commands;
    }
    halted = outcome != TickOutcome::RunGoesOn;
  }
  out << (halted ? "END halted\n" : "END limit\n");
  PrintMachineState(out, state, commands);
  return 0;
}

} // namespace soyka
