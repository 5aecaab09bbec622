#pragma once
// The modal dialog about the program: what it is, its version and its licence.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class TAbout_prog : public QDialog {
  Q_OBJECT
public:
  explicit TAbout_prog(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QWidget* Image1;
  QLabel* ProductName;
  QLabel* Comments;
  QLabel* Version;
  QLabel* Copyright;
  QPushButton* OKButton;
};
