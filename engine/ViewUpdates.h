#pragma once
// The engine's way to the views: each call first writes into the state's View what the windows
// are to show, then asks them to show it, so the state always knows what is on screen.

#include "Machine.h"
#include "ViewOperations.h"

#include <array>
#include <optional>
#include <string>

namespace soyka {

class ViewUpdates {
public:
  ViewUpdates(MachineState& state, ViewOperations& views) : s_(state), views_(views) {}

  ViewOperations& Views() { return views_; }

  void RefreshCounterView();
  void RefreshCommandRegisterView();
  void RefreshAccumulatorView();
  void MoveCellMarker(int from, int to);
  void ShowCellMarker(int cell);
  void HideCellMarker(int cell);
  void ClearDisplay();
  void ShowDisplayRow(int row, int cell);
  void SetExecutedAddress(const std::string& text);
  void SetTactComment(int tact, const std::array<std::string, CommentLineCount>& lines);
  void EnableInfoContinue();
  void SetInfoCommentsVisible(bool visible);
  // Halted is set before the pause shows, so that ticks arriving while it waits do nothing.
  std::optional<PauseAnswer> PauseForTact(Wait kind);
  // The pause that Назад has just put back into the state, shown again with everything the
  // windows showed at it.
  std::optional<PauseAnswer> ShowRestoredPause();
  // Halted and the error text are set before the box shows.
  std::optional<PauseAnswer> ReportMachineError(std::string_view message);

private:
  std::optional<PauseAnswer> ShowPause();

  MachineState& s_;
  ViewOperations& views_;
};

} // namespace soyka
