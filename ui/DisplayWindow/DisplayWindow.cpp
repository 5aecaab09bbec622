#include "DisplayWindow.h"

#include "BitCells.h"
#include "FixedWindow.h"
#include "Fonts.h"

#include <QApplication>

namespace {

const QColor Teal(0, 128, 128);
const QColor Aqua(0, 255, 255);
const QString NoValue = QStringLiteral("        ");

constexpr int ValueLeft = 256;
constexpr int FirstValueTop = 32;
constexpr int ValueRowStep = 24;

} // namespace

DisplayWindow::DisplayWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                             QWidget* parent)
    : ViewWindowBase(state, views, soyka::ViewWindow::Display, parent) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Дисплей"), 299, 105,
                              soyka::ui::TitleButtons::None, false);
  move(332, 182);
  setFont(soyka::ui::systemFont(16));
  QPalette background = palette();
  background.setColor(QPalette::Window, Teal);
  setPalette(background);
  setAutoFillBackground(true);

  createCloseButton();

  auto* caption = new QLabel(QStringLiteral("Результаты  вычислений"), this);
  caption->setObjectName(QStringLiteral("resultsCaption"));
  QPalette aqua = caption->palette();
  aqua.setColor(QPalette::WindowText, Aqua);
  caption->setPalette(aqua);
  caption->move(58, 10);
  caption->adjustSize();

  rowCells_ = new QTableWidget(this);
  rowCells_->setObjectName(QStringLiteral("rowCells"));
  rowCells_->setAccessibleName(QStringLiteral("Дисплей"));
  soyka::ui::setUpBitCells(
      rowCells_, QRect(10, 32, 239, 64),
      {QStringLiteral("Строка 1"), QStringLiteral("Строка 2"), QStringLiteral("Строка 3")},
      soyka::WordBits, soyka::ui::BitCellLines::BetweenRows);
  rowCells_->setEnabled(false);

  for (int row = 1; row <= soyka::DisplayRowCount; ++row) {
    addValueLabel(row);
    drawRow(row);
  }
}

void DisplayWindow::addValueLabel(int row) {
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("valueLabel%1").arg(row - 1));
  QPalette face = label->palette();
  face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  face.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(face);
  label->setAutoFillBackground(true);
  label->move(ValueLeft, FirstValueTop + (row - 1) * ValueRowStep);
  valueLabels_[static_cast<std::size_t>(row - 1)] = label;
  setValueText(row, NoValue);
}

// The label grows with its text, so that even 4095 is never cut off.
void DisplayWindow::setValueText(int row, const QString& text) {
  QLabel* label = valueLabels_[static_cast<std::size_t>(row - 1)];
  if (label->text() == text) {
    return;
  }
  label->setText(text);
  label->adjustSize();
  const QString value = text.trimmed().isEmpty() ? QStringLiteral("пусто") : text;
  label->setAccessibleName(QStringLiteral("Значение строки %1: %2").arg(row).arg(value));
}

void DisplayWindow::ClearDisplay() {
  soyka::ui::clearBitCells(rowCells_);
  for (int row = 1; row <= soyka::DisplayRowCount; ++row) {
    setValueText(row, NoValue);
  }
}

void DisplayWindow::ShowDisplayRow(int row, int) {
  drawRow(row);
}

void DisplayWindow::drawRow(int row) {
  const soyka::DisplayRow& shown = state_.View.DisplayRows[static_cast<std::size_t>(row - 1)];
  if (!shown.Shown) {
    return;
  }
  soyka::ui::showBits(rowCells_, row - 1, shown.Word);
  setValueText(row, QString::number(soyka::WordValue(shown.Word)));
}
