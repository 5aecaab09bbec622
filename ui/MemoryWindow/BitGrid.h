#pragma once
// The memory's bit grid: 8 rows of 12 one-digit cells on silver with 3-pixel grid lines. The
// current cell always looks like an open editor, but the grid itself never edits a cell: only
// its owner writes texts, so nothing typed, pasted or dropped can reach them.

#include <QColor>
#include <QTableWidget>

class QModelIndex;

namespace soyka::ui {

class Announcer;

inline const QColor GridSilver(192, 192, 192);
inline const QColor GridLineGrey(128, 128, 128);

class BitGrid : public QTableWidget {
  Q_OBJECT
public:
  static constexpr int ColumnWidth = 20;
  static constexpr int RowHeight = 32;
  static constexpr int LineWidth = 3;

  explicit BitGrid(QWidget* parent);

  // Writes the cell only if its text differs, so a refresh on every tick stays cheap.
  void setCellText(int row, int column, const QString& text);

protected:
  // Only the left button moves the cursor: a right click opens the window's menu and must
  // leave the row to decode where it was.
  void mousePressEvent(QMouseEvent* event) override;
  // Orca reads a whole row of a table whenever the focus enters a new row, so the grid does not
  // move the focus from cell to cell: its description names the cell under the cursor, which
  // Orca speaks with the grid, and each move is announced while the window is active.
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
  void describeCurrentCell();

  // Placed in the grid's parent: the toolkit's table reports no children but its cells.
  Announcer* announcer_;
};

} // namespace soyka::ui
