#pragma once
// The modal dialog the interface help: five working rules in a read-only text.

#include <QDialog>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

class TInter : public QDialog {
  Q_OBJECT
public:
  explicit TInter(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QFrame* Panel1;
  QPlainTextEdit* Memo1;
  QPushButton* BitBtn1;

public slots:
  void BitBtn1Click();
};
