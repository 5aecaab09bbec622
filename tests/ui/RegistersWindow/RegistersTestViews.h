#pragma once
// View operations for the registers window's tests: the window's own operations reach the
// window, everything is logged, and each ShowWantedWindows call notes what it found.

#include "RegistersWindow.h"
#include "TraceViews.h"

#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Built before the recorder that writes into it.
struct RegistersLog {
  std::ostringstream log;
};

class RegistersTestViews : private RegistersLog, public TraceViews {
public:
  explicit RegistersTestViews(MachineState& state) : TraceViews(state, log), state_(state) {}

  void Attach(RegistersWindow* window) { window_ = window; }

  void RefreshCommandRegisterView() override {
    TraceViews::RefreshCommandRegisterView();
    window_->RefreshCommandRegisterView();
  }
  void RefreshAccumulatorView() override {
    TraceViews::RefreshAccumulatorView();
    window_->RefreshAccumulatorView();
  }
  void RefreshCounterView() override {
    TraceViews::RefreshCounterView();
    window_->RefreshCounterView();
  }

  struct WantedCall {
    bool windowVisible;
    bool registersWanted;
  };
  void ShowWantedWindows() override {
    TraceViews::ShowWantedWindows();
    wantedCalls.push_back({window_->isVisible(), state_.RegistersWindowOpen});
  }
  std::vector<WantedCall> wantedCalls;

  // The names of the operations called so far, in order.
  std::vector<std::string> Operations() const {
    std::vector<std::string> names;
    for (const std::string& line : TraceLines(log.str())) {
      names.push_back(TraceOperation(line));
    }
    return names;
  }

  void ClearLog() {
    log.str("");
    wantedCalls.clear();
  }

private:
  MachineState& state_;
  RegistersWindow* window_ = nullptr;
};

} // namespace soyka::testing
