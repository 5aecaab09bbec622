#pragma once
// What the tests read off the windows: the texts of a row of cells, and a lamp's colour by name.

#include <QColor>
#include <QString>
#include <QTableWidget>

namespace soyka::testing {

// The cells' texts side by side, "" for a cell without an item: "101", or "" while all are empty.
inline QString RowText(const QTableWidget* cells, int row = 0) {
  QString text;
  for (int column = 0; column < cells->columnCount(); ++column) {
    const QTableWidgetItem* item = cells->item(row, column);
    text += item ? item->text() : QString();
  }
  return text;
}

// "red", "green" or "grey" for the machine's lamp colours, written out here rather than taken
// from the palette so that a wrong palette shows; any other colour by its hex name.
inline QString LampColourName(const QColor& colour) {
  if (colour == QColor(255, 0, 0)) {
    return QStringLiteral("red");
  }
  if (colour == QColor(0, 128, 0)) {
    return QStringLiteral("green");
  }
  if (colour == QColor(128, 128, 128)) {
    return QStringLiteral("grey");
  }
  return colour.name();
}

} // namespace soyka::testing
