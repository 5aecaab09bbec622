#include "ViewUpdates.h"

namespace soyka {

void ViewUpdates::RefreshCounterView() {
  s_.View.CounterShown = true;
  views_.RefreshCounterView();
}

void ViewUpdates::RefreshCommandRegisterView() {
  s_.View.CommandRegisterShown = true;
  views_.RefreshCommandRegisterView();
}

void ViewUpdates::RefreshAccumulatorView() {
  s_.View.AccumulatorShown = true;
  views_.RefreshAccumulatorView();
}

void ViewUpdates::MoveCellMarker(int from, int to) {
  s_.View.MarkedCells[static_cast<std::size_t>(from)] = false;
  s_.View.MarkedCells[static_cast<std::size_t>(to)] = true;
  s_.View.CursorCell = to;
  views_.MoveCellMarker(from, to);
}

void ViewUpdates::ShowCellMarker(int cell) {
  s_.View.MarkedCells[static_cast<std::size_t>(cell)] = true;
  views_.ShowCellMarker(cell);
}

void ViewUpdates::HideCellMarker(int cell) {
  s_.View.MarkedCells[static_cast<std::size_t>(cell)] = false;
  views_.HideCellMarker(cell);
}

void ViewUpdates::ClearDisplay() {
  s_.View.DisplayRows = {};
  views_.ClearDisplay();
}

void ViewUpdates::ShowDisplayRow(int row, int cell) {
  s_.View.DisplayRows[static_cast<std::size_t>(row - 1)] = {
      true, cell, s_.Memory[static_cast<std::size_t>(cell)]};
  views_.ShowDisplayRow(row, cell);
}

void ViewUpdates::SetExecutedAddress(const std::string& text) {
  s_.View.Pause.Address = text;
  views_.SetExecutedAddress(text);
}

void ViewUpdates::SetTactComment(int tact, const std::array<std::string, CommentLineCount>& lines) {
  s_.View.Pause.Tact = tact;
  s_.View.Pause.Lines = lines;
  views_.SetTactComment(tact, lines[0], lines[1], lines[2]);
}

void ViewUpdates::EnableInfoContinue() {
  s_.View.Pause.ContinueEnabled = true;
  views_.EnableInfoContinue();
}

void ViewUpdates::SetInfoCommentsVisible(bool visible) {
  s_.View.Pause.CommentsVisible = visible;
  views_.SetInfoCommentsVisible(visible);
}

std::optional<PauseAnswer> ViewUpdates::PauseForTact(Wait kind) {
  s_.Halted = true;
  s_.Cycle.Waiting = kind;
  PauseView& pause = s_.View.Pause;
  const bool error = !s_.ErrorMessage.empty();
  pause.TactVisible = s_.RunMode == RunModeTact;
  pause.TactBesideError = error;
  pause.ErrorVisible = error;
  pause.Error = s_.ErrorMessage;
  if (error) {
    // After an error the run can only be stopped; the next run start enables Дальше again.
    pause.ContinueEnabled = false;
  }
  if (s_.RunMode == RunModeStep) {
    pause.Lines = {"", StepDescription(s_.Opcode), ""};
  }
  // Auto runs keep no history: their only pause, after an error, ends the run.
  if (s_.RunMode != RunModeAuto) {
    s_.History.Record(s_);
  }
  return ShowPause();
}

std::optional<PauseAnswer> ViewUpdates::ShowRestoredPause() {
  views_.RefreshMemoryView();
  for (int cell = 0; cell < CellCount; ++cell) {
    if (s_.View.MarkedCells[static_cast<std::size_t>(cell)]) {
      views_.ShowCellMarker(cell);
    } else {
      views_.HideCellMarker(cell);
    }
  }
  if (const std::optional<int> cursor = s_.View.CursorCell) {
    views_.MoveCellMarker(*cursor, *cursor);
  }
  views_.RefreshCommandRegisterView();
  views_.RefreshAccumulatorView();
  views_.RefreshCounterView();
  views_.ClearDisplay();
  for (int row = 1; row <= DisplayRowCount; ++row) {
    const DisplayRow& shown = s_.View.DisplayRows[static_cast<std::size_t>(row - 1)];
    if (shown.Shown) {
      views_.ShowDisplayRow(row, shown.Cell);
    }
  }
  const PauseView& pause = s_.View.Pause;
  views_.SetExecutedAddress(pause.Address);
  if (s_.RunMode == RunModeTact) {
    views_.SetTactComment(pause.Tact, pause.Lines[0], pause.Lines[1], pause.Lines[2]);
  }
  return ShowPause();
}

std::optional<PauseAnswer> ViewUpdates::ShowPause() {
  s_.View.Pause.BackEnabled = s_.History.Size() > 1;
  return views_.PauseForTact();
}

std::optional<PauseAnswer> ViewUpdates::ReportMachineError(std::string_view message) {
  s_.Halted = true;
  s_.ErrorMessage = std::string(message);
  s_.Cycle.Waiting = Wait::ErrorBox;
  views_.DisablePanelStop();
  if (views_.ShowErrorBox(s_.ErrorMessage)) {
    return PauseAnswer::Continue;
  }
  return std::nullopt;
}

} // namespace soyka
