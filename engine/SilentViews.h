#pragma once
// View operations that show nothing, for runs no learner watches: a check of an exercise, a
// benchmark. A user overrides what it wants to note. Every pause and error box is answered at
// once, with Дальше.

#include "ViewOperations.h"

namespace soyka {

class SilentViews : public ViewOperations {
public:
  void RefreshMemoryView() override {}
  void MoveCellMarker(int, int) override {}
  void ShowCellMarker(int) override {}
  void HideCellMarker(int) override {}
  void RefreshCommandRegisterView() override {}
  void RefreshAccumulatorView() override {}
  void RefreshCounterView() override {}
  void ClearDisplay() override {}
  void ShowDisplayRow(int, int) override {}
  void SetExecutedAddress(const std::string&) override {}
  void SetTactComment(int, const std::string&, const std::string&, const std::string&) override {}
  std::optional<PauseAnswer> PauseForTact() override { return PauseAnswer::Continue; }
  void EnableInfoContinue() override {}
  void SetInfoCommentsVisible(bool) override {}
  void CloseInfoWindow() override {}
  void DisablePanelStop() override {}
  bool ShowErrorBox(const std::string&) override { return true; }
  void SetInputLamps(bool) override {}
  void ShowWantedWindows() override {}
};

} // namespace soyka
