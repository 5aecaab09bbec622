#pragma once
// The registers window: the command address counter, the command register and the accumulator.

#include "Machine.h"
#include "ViewOperations.h"

#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class TALU : public QWidget {
  Q_OBJECT
public:
  TALU(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // View operations answered by this window (the panel's counter lamps are coloured apart).
  void RefreshCommandRegisterView();
  void RefreshAccumulatorView();
  void RefreshCounterView();

  QPushButton* BitBtn1;
  QTableWidget* PC;
  QTableWidget* RgK;
  QTableWidget* Sm;

public slots:
  void BitBtn1Click();
  // Every activation shows the current registers, lamps included.
  void FormActivate();

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Only the close button closes the view: the window system's requests are refused, so the open
  // flag and the screen always agree.
  void closeEvent(QCloseEvent* event) override;

private:
  void AddCaption(const QString& text, int left, int top);

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
};
