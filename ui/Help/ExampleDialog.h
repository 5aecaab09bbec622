#pragma once
// The example program window: the program's text, OK, and the button that loads it.

#include "Machine.h"
#include "ProgramDialog.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

class ExampleDialog : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  // Modal results of the two buttons.
  static constexpr int ResultOk = 1;
  static constexpr int ResultRetry = 4;

  explicit ExampleDialog(soyka::MachineState& state, QWidget* parent = nullptr);

  QFrame* textPanel_;
  QPlainTextEdit* programText_;
  QPushButton* okButton_;
  QPushButton* loadButton_;

public slots:
  // OK, and closing the window any other way (Escape), load nothing.
  void accept() override;
  void onLoadClicked();
  void reject() override;

protected:
  QPoint place() const override;

private:
  soyka::MachineState& state_;
};
