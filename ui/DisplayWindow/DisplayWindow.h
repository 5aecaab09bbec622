#pragma once
// The display window: the three numbers written by the output command.

#include "Machine.h"
#include "ViewOperations.h"
#include "ViewWindowBase.h"

#include <QLabel>
#include <QTableWidget>

#include <array>

class DisplayWindow : public soyka::ui::ViewWindowBase {
  Q_OBJECT
public:
  DisplayWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                QWidget* parent = nullptr);

  // View operations answered by this window.
  void ClearDisplay();
  void ShowDisplayRow(int row, int cell);

  QTableWidget* rowCells_;
  // valueLabels_[r - 1] shows the number of display row r.
  std::array<QLabel*, soyka::DisplayRowCount> valueLabels_{};

private:
  void addValueLabel(int row);
  void setValueText(int row, const QString& text);
  // The row as the state keeps it: empty, or a cell's bits and value as they were shown.
  void drawRow(int row);
};
