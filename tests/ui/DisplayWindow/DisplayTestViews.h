#pragma once
// View operations for the display window's tests: the window's own operations reach the window,
// everything is logged, and each ShowWantedWindows call notes what it found.

#include "DisplayWindow.h"
#include "TraceViews.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Built before the recorder that writes into it.
struct DisplayLog {
  std::ostringstream log;
};

class DisplayTestViews : private DisplayLog, public TraceViews {
public:
  // stopAtPause: the pause (counted from 1) answered with СТОП; 0 answers them all with Дальше.
  explicit DisplayTestViews(MachineState& state, std::uint64_t stopAtPause = 0)
      : TraceViews(state, log, stopAtPause), state_(state) {}

  void Attach(DisplayWindow* window) { window_ = window; }

  void ClearDisplay() override {
    TraceViews::ClearDisplay();
    window_->ClearDisplay();
  }
  void ShowDisplayRow(int row, int cell) override {
    TraceViews::ShowDisplayRow(row, cell);
    window_->ShowDisplayRow(row, cell);
  }

  struct WantedCall {
    bool windowVisible;
    bool displayWanted;
  };
  void ShowWantedWindows() override {
    TraceViews::ShowWantedWindows();
    wantedCalls.push_back({window_->isVisible(), state_.DisplayWindowOpen});
  }
  std::vector<WantedCall> wantedCalls;

  // How many times the window was asked to clear itself.
  int ClearCount() const {
    const std::vector<std::string> lines = TraceLines(log.str());
    return static_cast<int>(std::count(lines.begin(), lines.end(), "ClearDisplay"));
  }

private:
  MachineState& state_;
  DisplayWindow* window_ = nullptr;
};

} // namespace soyka::testing
