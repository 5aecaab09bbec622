#pragma once
// View operations for the memory window's tests: the window's own operations reach the window,
// every call is logged, and hooks let a test look at the window in the middle of a run.

#include "MemoryWindow.h"
#include "RecordingViews.h"

#include <functional>

namespace soyka::testing {

class MemoryTestViews : public RecordingViews {
public:
  explicit MemoryTestViews(MachineState& state) : RecordingViews(state), state_(state) {}

  void Attach(MemoryWindow* window) {
    window_ = window;
    WatchWanted(window, state_.MemoryWindowOpen);
  }

  void RefreshMemoryView() override {
    RecordingViews::RefreshMemoryView();
    window_->RefreshMemoryView();
  }
  void MoveCellMarker(int from, int to) override {
    RecordingViews::MoveCellMarker(from, to);
    window_->MoveCellMarker(from, to);
    if (afterMove) {
      afterMove(from, to);
    }
  }
  void ShowCellMarker(int cell) override {
    RecordingViews::ShowCellMarker(cell);
    window_->ShowCellMarker(cell);
  }
  void HideCellMarker(int cell) override {
    RecordingViews::HideCellMarker(cell);
    window_->HideCellMarker(cell);
  }
  void SetInputLamps(bool on) override {
    RecordingViews::SetInputLamps(on);
    window_->setInputLamp(on);
  }
  std::optional<PauseAnswer> PauseForTact() override {
    if (atPause) {
      atPause();
    }
    return RecordingViews::PauseForTact();
  }
  // Brings the memory window up as the program's views do when it is wanted.
  void ShowWantedWindows() override {
    RecordingViews::ShowWantedWindows();
    if (state_.MemoryWindowOpen) {
      window_->show();
      window_->raise();
      window_->focusGrid();
    }
  }

  std::function<void(int from, int to)> afterMove;
  std::function<void()> atPause;

private:
  MachineState& state_;
  MemoryWindow* window_ = nullptr;
};

} // namespace soyka::testing
