#pragma once
// The test views with the control panel attached: its lamps and its СТОП answer as in the program.

#include "ControlPanel.h"
#include "InfoTestViews.h"

namespace soyka::testing {

class PanelTestViews : public InfoTestViews {
public:
  PanelTestViews(MachineState& state, TInfo_win& info)
      : InfoTestViews(state, info), state_(state) {}

  // The panel is built after the views it is given, so it is attached afterwards.
  void Attach(TPult* panel) { panel_ = panel; }

  void RefreshCounterView() override {
    InfoTestViews::RefreshCounterView();
    panel_->SetCounterLamps(state_.CounterBits);
  }
  void DisablePanelStop() override {
    InfoTestViews::DisablePanelStop();
    panel_->DisablePanelStop();
  }
  void SetInputLamps(bool on) override {
    InfoTestViews::SetInputLamps(on);
    panel_->SetInputLamp(on);
  }

private:
  MachineState& state_;
  TPult* panel_ = nullptr;
};

} // namespace soyka::testing
