#pragma once
// The pure rules of typing bits into the memory grid: which key types which bit, and where the
// cursor goes next.

#include <QString>
#include <optional>

class QKeyEvent;

namespace soyka::ui {

struct GridCell {
  int row = 0;
  int column = 0;
  bool operator==(const GridCell&) const = default;
};

// One cell on (Tab) or back (Shift+Tab) in reading order; the last cell wraps to the first and
// the first back to the last, so the cursor never leaves the grid.
GridCell stepCell(GridCell cell, bool forward);

// The bit typed by the main keyboard's 0 or 1 key whatever modifiers are held, or nothing for
// any other key, the keypad's digits included. With Shift the toolkit reports the shifted symbol
// (")" or "!"), so the key's position decides on the platforms that tell it.
std::optional<int> typedBit(const QKeyEvent& key, const QString& platformName);

} // namespace soyka::ui
