#pragma once
// The interface help, a modal dialog: five working rules in a read-only text.

#include <QDialog>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>

class InterfaceHelpDialog : public QDialog {
  Q_OBJECT
public:
  explicit InterfaceHelpDialog(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  QFrame* textPanel_;
  QPlainTextEdit* rulesText_;
  QPushButton* okButton_;

public slots:
  void onOkClicked();
};
