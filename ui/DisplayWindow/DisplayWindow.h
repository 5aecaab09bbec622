#pragma once
// The display window: the three numbers written by the output command.

#include "Machine.h"
#include "ViewOperations.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <array>

class DisplayWindow : public QWidget {
  Q_OBJECT
public:
  DisplayWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                QWidget* parent = nullptr);

  // View operations answered by this window.
  void ClearDisplay();
  void ShowDisplayRow(int row, int cell);

  QPushButton* closeButton_;
  QTableWidget* rowCells_;
  // valueLabels_[r - 1] shows the number of display row r.
  std::array<QLabel*, soyka::DisplayRowCount> valueLabels_{};

public slots:
  void onCloseClicked();

protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Only the close button closes the view: the window system's requests are refused, so the open
  // flag and the screen always agree.
  void closeEvent(QCloseEvent* event) override;

private:
  void addValueLabel(int row);
  void setValueText(int row, const QString& text);

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
};
