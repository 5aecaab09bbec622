#include "TraceRunner.h"

#include "Machine.h"
#include "MemoryImage.h"
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
  std::string answers;
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
    if (name != "--mode" && name != "--max-commands" && name != "--stop-at" &&
        name != "--answers") {
      return BadInput{"unknown option '" + name + "'"};
    }
    if (i + 1 == args.size()) {
      return BadInput{"option " + name + " needs a value"};
    }
    const std::string& value = args[++i];
    if (name == "--answers") {
      if (value.find_first_not_of("csb") != std::string::npos) {
        return BadInput{"--answers takes the letters c, s and b, not '" + value + "'"};
      }
      options.answers = value;
      continue;
    }
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

} // namespace

int RunTrace(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  TraceOptions options;
  MemoryImage image{};
  std::optional<BadInput> bad = ParseOptions(args, options);
  if (!bad) {
    const ImageReading reading = ReadMemoryImage(in);
    if (const auto* error = std::get_if<ImageError>(&reading)) {
      bad = BadInput{EnglishDescription(*error)};
    } else {
      image = std::get<MemoryImage>(reading);
    }
  }
  if (bad) {
    err << "soyka-trace: " << bad->problem << '\n';
    return TraceBadInputStatus;
  }

  MachineState state;
  InitializeMachine(state);
  state.RunMode = options.runMode;
  state.Memory = image;
  TraceViews views(state, out, options.stopAt, options.answers);
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
