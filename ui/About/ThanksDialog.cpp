#include "ThanksDialog.h"

#include "FixedWindow.h"
#include "Fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

QStringList TThanks::TextLines(int index) {
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

TThanks::TThanks(QWidget* parent) : QDialog(parent) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Благодарности"), 330, 180,
                              soyka::ui::TitleButtons::CloseOnly, false);
  setFont(soyka::ui::systemFont(13));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 8, 314, 126);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setFocusPolicy(Qt::NoFocus);
  Memo1->setAccessibleName(QStringLiteral("Благодарности"));

  OKButton =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  OKButton->setGeometry(120, 142, 89, 30);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  Timer1 = new QTimer(this);
  Timer1->setInterval(TextIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TThanks::Timer1Timer);
  Timer2 = new QTimer(this);
  Timer2->setInterval(LineIntervalMs);
  connect(Timer2, &QTimer::timeout, this, &TThanks::Timer2Timer);
}

void TThanks::SetIntervals(int textMs, int lineMs) {
  Timer1->setInterval(textMs);
  Timer2->setInterval(lineMs);
}

void TThanks::StartText(int index) {
  text_ = index;
  linesWritten_ = 0;
  Memo1->clear();
  Timer2->start();
  Timer2Timer();
}

void TThanks::Timer1Timer() {
  StartText((text_ + 1) % TextCount);
}

void TThanks::Timer2Timer() {
  const QStringList lines = TextLines(text_);
  if (linesWritten_ < lines.size()) {
    Memo1->appendPlainText(lines[linesWritten_]);
    ++linesWritten_;
  }
  if (linesWritten_ >= lines.size()) {
    Timer2->stop();
  }
}

void TThanks::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  StartText(0);
  Timer1->start();
}

void TThanks::hideEvent(QHideEvent* event) {
  Timer1->stop();
  Timer2->stop();
  QDialog::hideEvent(event);
}

void TThanks::setVisible(bool visible) {
  // Centred afresh at every showing: a re-shown frame would otherwise creep down by its title bar.
  if (visible) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - QPoint(width() / 2, height() / 2));
  }
  QDialog::setVisible(visible);
}
