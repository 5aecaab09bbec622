#pragma once
// The test views with the control panel attached: its lamps and its СТОП answer as in the program.

#include "ControlPanel.h"
#include "PauseTestViews.h"

namespace soyka::testing {

class PanelTestViews : public PauseTestViews {
public:
  PanelTestViews(MachineState& state, PauseWindow& pauseWindow)
      : PauseTestViews(state, pauseWindow), state_(state) {}

  // The panel is built after the views it is given, so it is attached afterwards.
  void Attach(ControlPanel* panel) { panel_ = panel; }

  void RefreshCounterView() override {
    PauseTestViews::RefreshCounterView();
    panel_->setCounterLamps(state_.CounterBits);
  }
  void DisablePanelStop() override {
    PauseTestViews::DisablePanelStop();
    panel_->DisablePanelStop();
  }
  void SetInputLamps(bool on) override {
    PauseTestViews::SetInputLamps(on);
    panel_->setInputLamp(on);
  }

private:
  MachineState& state_;
  ControlPanel* panel_ = nullptr;
};

} // namespace soyka::testing
