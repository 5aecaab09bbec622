#pragma once
// View operations that show nothing, for runs no learner watches: a check of an exercise, a
// benchmark. A user overrides what it wants to note. An Auto run never pauses, so the pause does
// nothing either.

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
  void PauseForTact() override {}
  void EnableInfoContinue() override {}
  void SetInfoCommentsVisible(bool) override {}
  void CloseInfoWindow() override {}
  void DisablePanelStop() override {}
  void ShowErrorBox(const std::string&) override {}
  void SetInputLamps(bool) override {}
  void ShowWantedWindows() override {}
};

} // namespace soyka
