#pragma once
// A modal dialog of the program, placed afresh at every showing.

#include <QDialog>
#include <QPoint>

namespace soyka::ui {

class ProgramDialog : public QDialog {
public:
  using QDialog::QDialog;

  void setVisible(bool visible) override;

protected:
  // Where the frame's top-left corner stands at each showing; centred on the screen unless a
  // dialog has a place of its own.
  virtual QPoint place() const;
};

} // namespace soyka::ui
