#pragma once
// View operations for the window tests: every call is written down as soyka-trace writes it and
// read back by the test, and each ShowWantedWindows call notes what the window under test looked
// like. A window's test views derive from these and pass that window's own operations on to it.

#include "TraceViews.h"

#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Built before the recorder that writes into it.
struct CallLog {
  std::ostringstream log;
};

class RecordingViews : private CallLog, public TraceViews {
public:
  // stopAtPause: the pause (counted from 1) answered with СТОП; 0 answers them all with Дальше.
  explicit RecordingViews(MachineState& state, std::uint64_t stopAtPause = 0)
      : TraceViews(state, CallLog::log, stopAtPause) {}

  // The calls so far, one line each, in order.
  std::vector<std::string> Lines() const { return TraceLines(CallLog::log.str()); }

  // Just the operation names, in call order.
  std::vector<std::string> Operations() const {
    std::vector<std::string> names;
    for (const std::string& line : Lines()) {
      names.push_back(TraceOperation(line));
    }
    return names;
  }

  // The lines that begin with `call`: an operation's name, or the name and its first arguments.
  std::vector<std::string> Calls(const std::string& call) const {
    std::vector<std::string> lines = Lines();
    std::erase_if(lines,
                  [&](const std::string& line) { return line.compare(0, call.size(), call) != 0; });
    return lines;
  }

  int Count(const std::string& call) const { return static_cast<int>(Calls(call).size()); }

  // What a ShowWantedWindows call found: was the window under test on screen, was it wanted.
  struct WantedCall {
    bool windowVisible;
    bool wanted;
  };
  std::vector<WantedCall> wantedCalls;

  void ClearLog() {
    CallLog::log.str("");
    wantedCalls.clear();
  }

  void ShowWantedWindows() override {
    TraceViews::ShowWantedWindows();
    if (watched_ != nullptr) {
      wantedCalls.push_back({watched_->isVisible(), *wanted_});
    }
  }

protected:
  // The window each ShowWantedWindows call looks at, and the flag that says it is wanted.
  void WatchWanted(const QWidget* window, const bool& wanted) {
    watched_ = window;
    wanted_ = &wanted;
  }

  // Where a test view writes the line of an operation it answers itself.
  std::ostream& Log() { return CallLog::log; }

private:
  const QWidget* watched_ = nullptr;
  const bool* wanted_ = nullptr;
};

} // namespace soyka::testing
