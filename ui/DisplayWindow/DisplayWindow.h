#pragma once
// The display window: the three numbers written by the output command.

#include "Machine.h"
#include "ViewOperations.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <array>

class Tdisp : public QWidget {
  Q_OBJECT
public:
  Tdisp(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // View operations answered by this window.
  void ClearDisplay();
  void ShowDisplayRow(int row, int cell);

  QPushButton* BitBtn1;
  QTableWidget* disp;
  QLabel* LabD1;
  QLabel* LabD2;
  QLabel* LabD3;

public slots:
  void BitBtn1Click();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Only the close button closes the view: the window system's requests are refused, so the open
  // flag and the screen always agree.
  void closeEvent(QCloseEvent* event) override;

private:
  QLabel* AddValueLabel(const QString& name, int row);
  void SetValueText(int row, const QString& text);

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  std::array<QLabel*, soyka::DisplayRowCount> valueLabels_{};
};
