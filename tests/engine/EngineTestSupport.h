#pragma once
// A fresh machine with a program in memory and a log of every view call, for the engine's tests.

#include "InstructionCycle.h"
#include "Machine.h"
#include "RunLoop.h"
#include "TraceViews.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// "101110101101" (bit 12 first) as a word.
inline Word12 W(const std::string& bits) {
  Word12 word;
  for (int c = 0; c < WordBits; ++c) {
    word[WordBits - c] = static_cast<std::uint8_t>(bits[static_cast<std::size_t>(c)] - '0');
  }
  return word;
}

// Command word from its four fields.
inline Word12 Cmd(int opcode, int a1, int a2, int a3) {
  return WordFromValue(opcode * 512 + a1 * 64 + a2 * 8 + a3);
}

inline const std::vector<Word12> FactorialImage = {
    W("101110101101"), W("001110111110"), W("110100110000"), W("111101101101"),
    W("000000000110"), W("000000000001"), W("000000000001"), W("000000000001"),
};

struct Machine {
  explicit Machine(const std::vector<Word12>& cells = {}, int runMode = RunModeAuto,
                   std::uint64_t stopAtPause = 0)
      : views(state, log, stopAtPause) {
    InitializeMachine(state);
    state.RunMode = runMode;
    for (std::size_t i = 0; i < cells.size() && i < CellCount; ++i) {
      state.Memory[i] = cells[i];
    }
  }

  void Execute() { ExecuteCommand(state, views); }

  std::vector<std::string> Lines() const { return TraceLines(log.str()); }

  // Lines of the log that begin with the operation's name.
  std::vector<std::string> Calls(const std::string& operation) const {
    std::vector<std::string> lines = Lines();
    std::erase_if(lines, [&](const std::string& line) {
      return line.compare(0, operation.size(), operation) != 0;
    });
    return lines;
  }

  // Just the operation names, in call order.
  std::vector<std::string> Operations() const {
    std::vector<std::string> names;
    for (const std::string& line : Lines()) {
      names.push_back(TraceOperation(line));
    }
    return names;
  }

  void ClearLog() { log.str(""); }

  int Cell(int cell) const { return WordValue(state.Memory[static_cast<std::size_t>(cell)]); }

  MachineState state;
  std::ostringstream log;
  TraceViews views;
};

// Views that answer no wait at once, as the windows do: the answer that soyka-trace would give is
// kept for the test to hand to AnswerPause.
class LaterAnswerViews : public TraceViews {
public:
  using TraceViews::TraceViews;
  std::optional<PauseAnswer> PauseForTact() override {
    answer = TraceViews::PauseForTact();
    return std::nullopt;
  }
  bool ShowErrorBox(const std::string& text) override {
    answer = PauseAnswer::Continue;
    return !TraceViews::ShowErrorBox(text);
  }
  std::optional<PauseAnswer> answer;
};

// What the panel does after `outcome`: the kept answer to a wait, else the next tick.
inline TickOutcome NextOutcome(MachineState& state, LaterAnswerViews& views, TickOutcome outcome) {
  return outcome == TickOutcome::Waiting ? AnswerPause(state, views, views.answer.value())
                                         : RunTick(state, views);
}

} // namespace soyka::testing
