#pragma once
// The registers window: the command address counter, the command register and the accumulator.

#include "Machine.h"
#include "ViewOperations.h"

#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class RegistersWindow : public QWidget {
  Q_OBJECT
public:
  RegistersWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                  QWidget* parent = nullptr);

  // View operations answered by this window (the panel's counter lamps are coloured apart).
  void RefreshCommandRegisterView();
  void RefreshAccumulatorView();
  void RefreshCounterView();

  QPushButton* closeButton_;
  QTableWidget* counterCells_;
  QTableWidget* commandRegisterCells_;
  QTableWidget* accumulatorCells_;

public slots:
  void onCloseClicked();
  // Every activation shows the current registers, lamps included.
  void onActivated();

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Only the close button closes the view: the window system's requests are refused, so the open
  // flag and the screen always agree.
  void closeEvent(QCloseEvent* event) override;

private:
  void addCaption(const QString& text, int left, int top);

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
};
