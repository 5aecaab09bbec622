#pragma once
// The view operations answered by the windows: the one place that knows which window answers
// which operation. A window not attached (in a test) simply answers nothing.

#include "Machine.h"
#include "ViewOperations.h"

class RegistersWindow;
class MemoryWindow;
class DisplayWindow;
class PauseWindow;
class ControlPanel;

namespace soyka::ui {

class ViewDispatcher : public ViewOperations {
public:
  explicit ViewDispatcher(MachineState& state) : state_(state) {}

  void attach(RegistersWindow* window) { registersWindow_ = window; }
  void attach(MemoryWindow* window) { memoryWindow_ = window; }
  void attach(DisplayWindow* window) { displayWindow_ = window; }
  void attach(PauseWindow* window) { pauseWindow_ = window; }
  void attach(ControlPanel* window) { controlPanel_ = window; }

  void RefreshMemoryView() override;
  void MoveCellMarker(int from, int to) override;
  void ShowCellMarker(int cell) override;
  void HideCellMarker(int cell) override;
  void RefreshCommandRegisterView() override;
  void RefreshAccumulatorView() override;
  void RefreshCounterView() override;
  void ClearDisplay() override;
  void ShowDisplayRow(int row, int cell) override;
  void SetExecutedAddress(const std::string& text) override;
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3) override;
  void PauseForTact() override;
  void EnableInfoContinue() override;
  void SetInfoCommentsVisible(bool visible) override;
  void CloseInfoWindow() override;
  void DisablePanelStop() override;
  void ShowErrorBox(const std::string& text) override;
  void SetInputLamps(bool on) override;
  void ShowWantedWindows() override;

private:
  MachineState& state_;
  RegistersWindow* registersWindow_ = nullptr;
  MemoryWindow* memoryWindow_ = nullptr;
  DisplayWindow* displayWindow_ = nullptr;
  PauseWindow* pauseWindow_ = nullptr;
  ControlPanel* controlPanel_ = nullptr;
};

} // namespace soyka::ui
