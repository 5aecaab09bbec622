#pragma once
// The interface help, a modal dialog: five working rules in a read-only text.

#include "ProgramDialog.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

class InterfaceHelpDialog : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  explicit InterfaceHelpDialog(QWidget* parent = nullptr);

  QFrame* textPanel_;
  QPlainTextEdit* rulesText_;
  QPushButton* okButton_;
};
