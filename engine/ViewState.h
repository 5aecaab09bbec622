#pragma once
// What the windows show, kept beside the machine so that a window built late, or a run carried
// on from a copy, draws exactly what the calls so far have asked for.

#include "Word.h"

#include <array>
#include <optional>
#include <string>

namespace soyka {

inline constexpr int CommentLineCount = 3;

// One display row: empty, or the bits and value of a cell as they were when it was shown.
struct DisplayRow {
  bool Shown = false;
  int Cell = 0;
  Word12 Word{};
  bool operator==(const DisplayRow&) const = default;
};

// The pause window's panels and buttons.
struct PauseView {
  std::string Address;
  int Tact = 1;
  std::array<std::string, CommentLineCount> Lines;
  bool TactVisible = false;
  // With an error on show the tact panel moves aside to make room for the error panel.
  bool TactBesideError = false;
  bool ErrorVisible = false;
  std::string Error;
  bool CommentsVisible = false;
  bool ContinueEnabled = true;
  // From the run's second pause on, in Step and Tact runs.
  bool BackEnabled = false;
  bool operator==(const PauseView&) const = default;
};

struct ViewState {
  // Cell 000 is marked until a run moves the marker.
  std::array<bool, CellCount> MarkedCells{true};
  // The memory grid's cursor row after the last marker move, if a marker has moved.
  std::optional<int> CursorCell;
  // Each register shows blank cells until it is first shown.
  bool CounterShown = false;
  bool CommandRegisterShown = false;
  bool AccumulatorShown = false;
  std::array<DisplayRow, DisplayRowCount> DisplayRows{};
  PauseView Pause;
  bool operator==(const ViewState&) const = default;
};

} // namespace soyka
