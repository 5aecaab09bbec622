#pragma once
// The modal dialog about the author: who made the program and for whom.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class TAbout_avtor : public QDialog {
  Q_OBJECT
public:
  explicit TAbout_avtor(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QWidget* Image1;
  QLabel* AuthorName;
  QLabel* Comments;
  QPushButton* OKButton;
};
