#pragma once
// The modal dialog about the program: what it is, its version and its licence.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class AboutProgramDialog : public QDialog {
  Q_OBJECT
public:
  explicit AboutProgramDialog(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QWidget* picture_;
  QLabel* productName_;
  QLabel* description_;
  QLabel* version_;
  QLabel* licence_;
  QPushButton* okButton_;
};
