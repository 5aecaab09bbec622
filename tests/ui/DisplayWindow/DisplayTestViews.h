#pragma once
// View operations for the display window's tests: the window's own operations reach the window,
// everything is logged, and each ShowWantedWindows call notes what it found.

#include "DisplayWindow.h"
#include "RecordingViews.h"

#include <cstdint>

namespace soyka::testing {

class DisplayTestViews : public RecordingViews {
public:
  // stopAtPause: the pause (counted from 1) answered with СТОП; 0 answers them all with Дальше.
  explicit DisplayTestViews(MachineState& state, std::uint64_t stopAtPause = 0)
      : RecordingViews(state, stopAtPause), state_(state) {}

  void Attach(DisplayWindow* window) {
    window_ = window;
    WatchWanted(window, state_.DisplayWindowOpen);
  }

  void ClearDisplay() override {
    RecordingViews::ClearDisplay();
    window_->ClearDisplay();
  }
  void ShowDisplayRow(int row, int cell) override {
    RecordingViews::ShowDisplayRow(row, cell);
    window_->ShowDisplayRow(row, cell);
  }

private:
  MachineState& state_;
  DisplayWindow* window_ = nullptr;
};

} // namespace soyka::testing
