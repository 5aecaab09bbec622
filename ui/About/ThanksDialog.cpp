#include "ThanksDialog.h"

QStringList ThanksDialog::textLines(int index) {
  switch (index) {
  case 0:
    return {QStringLiteral("Спасибо учителям информатики,"),
            QStringLiteral("которые первыми показали,"),
            QStringLiteral("что ЭВМ можно понять по шагам:"),
            QStringLiteral("выборка, счётчик, сумматор.")};
  case 1:
    return {QStringLiteral("Спасибо ученикам, которые"),
            QStringLiteral("терпеливо вводили программы"), QStringLiteral("в память бит за битом"),
            QStringLiteral("и находили наши ошибки.")};
  case 2:
    return {QStringLiteral("Спасибо всем, кто проверял"),
            QStringLiteral("тренажёр на уроках и присылал"),
            QStringLiteral("замечания и предложения.")};
  default:
    return {QStringLiteral("Спасибо авторам свободных"),
            QStringLiteral("инструментов: компиляторов,"),
            QStringLiteral("библиотеки Qt и шрифтов DejaVu.")};
  }
}

ThanksDialog::ThanksDialog(QWidget* parent)
    : ProgramDialog(QStringLiteral("Благодарности"), 330, 180, soyka::ui::TitleButtons::CloseOnly,
                    parent) {
  text_ = new QPlainTextEdit(this);
  text_->setGeometry(8, 8, 314, 126);
  text_->setReadOnly(true);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setFocusPolicy(Qt::NoFocus);
  text_->setAccessibleName(QStringLiteral("Благодарности"));

  okButton_ = addOkButton(QRect(120, 142, 89, 30));

  nextTextTimer_ = new QTimer(this);
  nextTextTimer_->setInterval(TextIntervalMs);
  connect(nextTextTimer_, &QTimer::timeout, this, &ThanksDialog::onNextText);
  nextLineTimer_ = new QTimer(this);
  nextLineTimer_->setInterval(LineIntervalMs);
  connect(nextLineTimer_, &QTimer::timeout, this, &ThanksDialog::onNextLine);
}

void ThanksDialog::setIntervals(int textMs, int lineMs) {
  nextTextTimer_->setInterval(textMs);
  nextLineTimer_->setInterval(lineMs);
}

void ThanksDialog::startText(int index) {
  currentText_ = index;
  linesWritten_ = 0;
  text_->clear();
  nextLineTimer_->start();
  onNextLine();
}

void ThanksDialog::onNextText() {
  startText((currentText_ + 1) % TextCount);
}

void ThanksDialog::onNextLine() {
  const QStringList lines = textLines(currentText_);
  if (linesWritten_ < lines.size()) {
    text_->appendPlainText(lines[linesWritten_]);
    ++linesWritten_;
  }
  if (linesWritten_ >= lines.size()) {
    nextLineTimer_->stop();
  }
}

void ThanksDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  startText(0);
  nextTextTimer_->start();
}

void ThanksDialog::hideEvent(QHideEvent* event) {
  nextTextTimer_->stop();
  nextLineTimer_->stop();
  QDialog::hideEvent(event);
}
