#pragma once
// View operations for the memory window's tests: the window's own operations reach the window,
// every call is logged, and hooks let a test look at the window in the middle of a run.

#include "MemoryWindow.h"
#include "TraceViews.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Built before the recorder that writes into it.
struct MemoryLog {
  std::ostringstream log;
};

class MemoryTestViews : private MemoryLog, public TraceViews {
public:
  explicit MemoryTestViews(MachineState& state) : TraceViews(state, log), state_(state) {}

  void Attach(MemoryWindow* window) { window_ = window; }

  void RefreshMemoryView() override {
    TraceViews::RefreshMemoryView();
    window_->RefreshMemoryView();
  }
  void MoveCellMarker(int from, int to) override {
    TraceViews::MoveCellMarker(from, to);
    window_->MoveCellMarker(from, to);
    if (afterMove) {
      afterMove(from, to);
    }
  }
  void ShowCellMarker(int cell) override {
    TraceViews::ShowCellMarker(cell);
    window_->ShowCellMarker(cell);
  }
  void HideCellMarker(int cell) override {
    TraceViews::HideCellMarker(cell);
    window_->HideCellMarker(cell);
  }
  void SetInputLamps(bool on) override {
    TraceViews::SetInputLamps(on);
    window_->setInputLamp(on);
  }
  void PauseForTact() override {
    if (atPause) {
      atPause();
    }
    TraceViews::PauseForTact();
  }

  // What the wanted-windows call found: was the window still on screen, was it still wanted.
  struct WantedCall {
    bool windowVisible;
    bool memoryWanted;
  };
  void ShowWantedWindows() override {
    TraceViews::ShowWantedWindows();
    wantedCalls.push_back({window_->isVisible(), state_.MemoryWindowOpen});
    if (state_.MemoryWindowOpen) {
      window_->show();
      window_->raise();
      window_->focusGrid();
    }
  }

  std::vector<std::string> Lines() const { return TraceLines(log.str()); }

  void ClearLog() {
    log.str("");
    wantedCalls.clear();
  }

  std::function<void(int from, int to)> afterMove;
  std::function<void()> atPause;
  std::vector<WantedCall> wantedCalls;

private:
  MachineState& state_;
  MemoryWindow* window_ = nullptr;
};

} // namespace soyka::testing
