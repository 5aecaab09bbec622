#pragma once
// The modal dialog about the author: who made the program and for whom.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class AboutAuthorDialog : public QDialog {
  Q_OBJECT
public:
  explicit AboutAuthorDialog(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QWidget* picture_;
  QLabel* authorName_;
  QLabel* description_;
  QPushButton* okButton_;
};
