#include "ExampleDialog.h"

#include "FixedWindow.h"
#include "Fonts.h"

#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>

namespace {

QString exampleText() {
  const QStringList lines = {
      QStringLiteral("       Вычисление N!  (n<7)"),
      QStringLiteral("==============================="),
      QString(),
      QStringLiteral("000: 101 110 101 101  F:=F*K"),
      QStringLiteral("001: 001 110 111 110  K:=K+1"),
      QStringLiteral("010: 110 100 110 000  при N1>K к 0"),
      QStringLiteral("011: 111 101 101 101  вывод F, стоп"),
      QStringLiteral("100: граница цикла     N1"),
      QStringLiteral("101: факториал           F"),
      QStringLiteral("110: рабочая ячейка   K"),
      QStringLiteral("111: константа 1"),
      QString(),
      QStringLiteral("ПРИМЕЧАНИЕ:  перед стартом"),
      QStringLiteral("в ячейке 100 должно быть N+1, а"),
      QStringLiteral("в ячейках 101, 110, 111 - число 1."),
  };
  return lines.join(QLatin1Char('\n'));
}

// The rule under the heading is wider than the memo in this face; its own letters are narrowed
// until it fits on one line, so that the text below it keeps the room to show every line.
void fitRuleToWidth(QPlainTextEdit* memo, int blockNumber) {
  const QTextBlock rule = memo->document()->findBlockByNumber(blockNumber);
  const int room =
      memo->contentsRect().width() - 2 * static_cast<int>(memo->document()->documentMargin()) - 2;
  QFont font = memo->font();
  for (int stretch = 99; stretch >= 50 && QFontMetrics(font).horizontalAdvance(rule.text()) > room;
       --stretch) {
    font.setStretch(stretch);
  }
  QTextCursor cursor(rule);
  cursor.select(QTextCursor::BlockUnderCursor);
  QTextCharFormat format;
  format.setFont(font);
  cursor.mergeCharFormat(format);
}

// The style's retry glyph with room on its right, so that glyph and caption stand further apart
// than the style alone would put them.
QIcon spacedRetryIcon(const QStyle& style, int extraGap) {
  const int side = style.pixelMetric(QStyle::PM_ButtonIconSize);
  QPixmap glyph = style.standardIcon(QStyle::SP_DialogRetryButton).pixmap(side, side);
  if (glyph.isNull()) {
    glyph = style.standardIcon(QStyle::SP_BrowserReload).pixmap(side, side);
  }
  QPixmap spaced(side + extraGap, side);
  spaced.fill(Qt::transparent);
  QPainter painter(&spaced);
  painter.drawPixmap(0, 0, glyph);
  return QIcon(spaced);
}

} // namespace

Tprimer::Tprimer(soyka::MachineState& state, QWidget* parent) : QDialog(parent), state_(state) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Пример программы"), 297, 318,
                              soyka::ui::TitleButtons::None, true);
  setFont(soyka::ui::systemFont(13));

  Panel1 = new QFrame(this);
  Panel1->setGeometry(8, 8, 281, 265);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

  Memo1 = new QPlainTextEdit(Panel1);
  Memo1->setGeometry(8, 8, 265, 249);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setPlainText(exampleText());
  fitRuleToWidth(Memo1, 1);
  Memo1->setAccessibleName(QStringLiteral("Программа вычисления факториала"));

  BitBtn1 =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  BitBtn1->setGeometry(24, 280, 89, 33);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &Tprimer::BitBtn1Click);

  BitBtn2 = new QPushButton(QStringLiteral("Ввести в ОЗУ"), this);
  BitBtn2->setGeometry(128, 280, 145, 33);
  const int styleGap = 4;
  const QIcon retry = spacedRetryIcon(*style(), 8 - styleGap);
  BitBtn2->setIcon(retry);
  BitBtn2->setIconSize(retry.availableSizes().value(0));
  connect(BitBtn2, &QPushButton::clicked, this, &Tprimer::BitBtn2Click);
}

void Tprimer::setVisible(bool visible) {
  // Placed afresh at every showing: a re-shown frame would otherwise creep down by its title bar.
  if (visible) {
    move(333, 102);
  }
  QDialog::setVisible(visible);
}

void Tprimer::BitBtn1Click() {
  state_.LoadExampleChosen = false;
  done(ResultOk);
}

void Tprimer::BitBtn2Click() {
  state_.LoadExampleChosen = true;
  done(ResultRetry);
}

void Tprimer::reject() {
  state_.LoadExampleChosen = false;
  QDialog::reject();
}
