#include "ExampleDialog.h"

#include "Fonts.h"
#include "GlyphIcon.h"
#include "StateEdits.h"

#include <QPainter>
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
  QTextCursor cursor(rule);
  cursor.select(QTextCursor::BlockUnderCursor);
  QTextCharFormat format;
  format.setFont(soyka::ui::narrowedToFit(memo->font(), rule.text(), room));
  cursor.mergeCharFormat(format);
}

// The retry glyph with room on its right, so that glyph and caption stand further apart than the
// style alone would put them.
QIcon spacedRetryIcon(int extraGap) {
  constexpr int side = soyka::ui::GlyphIconSize;
  const QPixmap glyph = soyka::ui::reloadGlyph().pixmap(side, side);
  QPixmap spaced(side + extraGap, side);
  spaced.fill(Qt::transparent);
  QPainter painter(&spaced);
  painter.drawPixmap(0, 0, glyph);
  return QIcon(spaced);
}

} // namespace

ExampleDialog::ExampleDialog(soyka::MachineState& state, QWidget* parent)
    : ProgramDialog(QStringLiteral("Пример программы"), 297, 318, soyka::ui::TitleButtons::None,
                    parent),
      state_(state) {
  textPanel_ = new QFrame(this);
  textPanel_->setGeometry(8, 8, 281, 265);
  textPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);

  programText_ = new QPlainTextEdit(textPanel_);
  programText_->setGeometry(8, 8, 265, 249);
  programText_->setReadOnly(true);
  programText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  programText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  programText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  programText_->setPlainText(exampleText());
  fitRuleToWidth(programText_, 1);
  programText_->setAccessibleName(QStringLiteral("Программа вычисления факториала"));

  okButton_ = addOkButton(QRect(24, 280, 89, 33));

  loadButton_ = new QPushButton(QStringLiteral("Ввести в ОЗУ"), this);
  loadButton_->setGeometry(128, 280, 145, 33);
  const int styleGap = 4;
  const QIcon retry = spacedRetryIcon(8 - styleGap);
  loadButton_->setIcon(retry);
  loadButton_->setIconSize(retry.availableSizes().value(0));
  connect(loadButton_, &QPushButton::clicked, this, &ExampleDialog::onLoadClicked);
}

QPoint ExampleDialog::place() const {
  return {333, 102};
}

void ExampleDialog::accept() {
  soyka::ChooseExampleLoad(state_, false);
  done(ResultOk);
}

void ExampleDialog::onLoadClicked() {
  soyka::ChooseExampleLoad(state_, true);
  done(ResultRetry);
}

void ExampleDialog::reject() {
  soyka::ChooseExampleLoad(state_, false);
  QDialog::reject();
}
