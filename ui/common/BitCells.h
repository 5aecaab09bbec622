#pragma once
// Rows of bit cells: read-only 20 x 20 boxes on white, each holding "0", "1" or nothing, most
// significant bit on the left. Every cell tells a screen reader its row, bit number and value.

#include "Machine.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace soyka::ui {

inline constexpr int BitCellSize = 20;

enum class BitCellLines { None, BetweenRows };

// One caption per row names the row to a screen reader; every cell starts empty.
void setUpBitCells(QTableWidget* cells, const QRect& geometry, const QStringList& rowCaptions,
                   int columns, BitCellLines lines);

// Changes the cell only if its text differs, so frequent refreshes stay cheap.
void setBitCellText(QTableWidget* cells, int row, int column, const QString& text);

// Column c shows bit Count - c.
template <int Count> void showBits(QTableWidget* cells, int row, const BitRow<Count>& bits) {
  for (int column = 0; column < Count; ++column) {
    setBitCellText(cells, row, column,
                   bits[Count - column] != 0 ? QStringLiteral("1") : QStringLiteral("0"));
  }
}

void clearBitCells(QTableWidget* cells);

} // namespace soyka::ui
