#pragma once
// The modal dialog about the author: who made the program and for whom.

#include "ProgramDialog.h"

#include <QLabel>
#include <QPushButton>

class AboutAuthorDialog : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  explicit AboutAuthorDialog(QWidget* parent = nullptr);

  QWidget* picture_;
  QLabel* authorName_;
  QLabel* description_;
  QPushButton* okButton_;
};
