#pragma once
// View operations for the registers window's tests: the window's own operations reach the window,
// everything is logged, and each ShowWantedWindows call notes what it found.

#include "RecordingViews.h"
#include "RegistersWindow.h"

namespace soyka::testing {

class RegistersTestViews : public RecordingViews {
public:
  explicit RegistersTestViews(MachineState& state) : RecordingViews(state), state_(state) {}

  void Attach(RegistersWindow* window) {
    window_ = window;
    WatchWanted(window, state_.RegistersWindowOpen);
  }

  void RefreshCommandRegisterView() override {
    RecordingViews::RefreshCommandRegisterView();
    window_->RefreshCommandRegisterView();
  }
  void RefreshAccumulatorView() override {
    RecordingViews::RefreshAccumulatorView();
    window_->RefreshAccumulatorView();
  }
  void RefreshCounterView() override {
    RecordingViews::RefreshCounterView();
    window_->RefreshCounterView();
  }

private:
  MachineState& state_;
  RegistersWindow* window_ = nullptr;
};

} // namespace soyka::testing
