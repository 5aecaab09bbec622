#pragma once
// The modal dialog about the program: what it is, its version and its licence.

#include "ProgramDialog.h"

#include <QLabel>
#include <QPushButton>

class AboutProgramDialog : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  explicit AboutProgramDialog(QWidget* parent = nullptr);

  QWidget* picture_;
  QLabel* productName_;
  QLabel* description_;
  QLabel* version_;
  QLabel* licence_;
  QPushButton* okButton_;
};
