#pragma once
// The modal dialog acknowledgements: four texts in turn, each written out line by line.

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

class TThanks : public QDialog {
  Q_OBJECT
public:
  static constexpr int TextCount = 4;
  static constexpr int TextIntervalMs = 8000;
  static constexpr int LineIntervalMs = 250;

  explicit TThanks(QWidget* parent = nullptr);

  void setVisible(bool visible) override;

  // The stored texts, 0 to TextCount - 1, one line per list item.
  static QStringList TextLines(int index);

  int CurrentText() const { return text_; }
  // Lets tests turn the pages faster.
  void SetIntervals(int textMs, int lineMs);

  QPlainTextEdit* Memo1;
  QPushButton* OKButton;
  QTimer* Timer1; // the next text
  QTimer* Timer2; // the next line of the text being written

public slots:
  void Timer1Timer();
  void Timer2Timer();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void StartText(int index);

  int text_ = 0;
  int linesWritten_ = 0;
};
