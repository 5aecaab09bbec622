#pragma once
// The modal dialog acknowledgements: four texts in turn, each written out line by line.

#include "ProgramDialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class ThanksDialog : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  static constexpr int TextCount = 4;
  static constexpr int TextIntervalMs = 8000;
  static constexpr int LineIntervalMs = 250;

  explicit ThanksDialog(QWidget* parent = nullptr);

  // The stored texts, 0 to TextCount - 1, one line per list item.
  static QStringList textLines(int index);

  int currentText() const { return currentText_; }
  // Lets tests turn the pages faster.
  void setIntervals(int textMs, int lineMs);

  QPlainTextEdit* text_;
  QPushButton* okButton_;
  QTimer* nextTextTimer_;
  QTimer* nextLineTimer_;

public slots:
  void onNextText();
  void onNextLine();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void startText(int index);

  int currentText_ = 0;
  int linesWritten_ = 0;
};
