#pragma once
// The registers window: the command address counter, the command register and the accumulator.

#include "Machine.h"
#include "ViewOperations.h"
#include "ViewWindowBase.h"

#include <QTableWidget>

class RegistersWindow : public soyka::ui::ViewWindowBase {
  Q_OBJECT
public:
  RegistersWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                  QWidget* parent = nullptr);

  // View operations answered by this window (the panel's counter lamps are coloured apart).
  void RefreshCommandRegisterView();
  void RefreshAccumulatorView();
  void RefreshCounterView();

  QTableWidget* counterCells_;
  QTableWidget* commandRegisterCells_;
  QTableWidget* accumulatorCells_;

public slots:
  // Every activation shows the current registers, lamps included.
  void onActivated();

protected:
  bool event(QEvent* event) override;

private:
  void addCaption(const QString& text, int left, int top);
  template <typename Row> void showRegister(QTableWidget* cells, bool shown, const Row& bits);
};
