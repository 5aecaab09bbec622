#include "DisplayWindow.h"

#include "BitCells.h"
#include "CloseButton.h"
#include "FixedWindow.h"
#include "Fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace {

const QColor Teal(0, 128, 128);
const QColor Aqua(0, 255, 255);
const QString NoValue = QStringLiteral("        ");

constexpr int ValueLeft = 256;
constexpr int FirstValueTop = 32;
constexpr int ValueRowStep = 24;

} // namespace

Tdisp::Tdisp(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QWidget(parent), state_(state), views_(views) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Дисплей"), 299, 105,
                              soyka::ui::TitleButtons::None, false);
  move(332, 182);
  setFont(soyka::ui::systemFont(16));
  QPalette background = palette();
  background.setColor(QPalette::Window, Teal);
  setPalette(background);
  setAutoFillBackground(true);

  BitBtn1 = new soyka::ui::CloseButton(this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  connect(BitBtn1, &QPushButton::clicked, this, &Tdisp::BitBtn1Click);

  auto* caption = new QLabel(QStringLiteral("Результаты  вычислений"), this);
  caption->setObjectName(QStringLiteral("Label1"));
  QPalette aqua = caption->palette();
  aqua.setColor(QPalette::WindowText, Aqua);
  caption->setPalette(aqua);
  caption->move(58, 10);
  caption->adjustSize();

  disp = new QTableWidget(this);
  disp->setObjectName(QStringLiteral("disp"));
  disp->setAccessibleName(QStringLiteral("Дисплей"));
  soyka::ui::setUpBitCells(
      disp, QRect(10, 32, 239, 64),
      {QStringLiteral("Строка 1"), QStringLiteral("Строка 2"), QStringLiteral("Строка 3")},
      soyka::WordBits, soyka::ui::BitCellLines::BetweenRows);
  disp->setEnabled(false);

  LabD1 = AddValueLabel(QStringLiteral("LabD1"), 1);
  LabD2 = AddValueLabel(QStringLiteral("LabD2"), 2);
  LabD3 = AddValueLabel(QStringLiteral("LabD3"), 3);
}

QLabel* Tdisp::AddValueLabel(const QString& name, int row) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  QPalette face = label->palette();
  face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
  face.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(face);
  label->setAutoFillBackground(true);
  label->move(ValueLeft, FirstValueTop + (row - 1) * ValueRowStep);
  valueLabels_[static_cast<std::size_t>(row - 1)] = label;
  SetValueText(row, NoValue);
  return label;
}

// The label grows with its text, so that even 4095 is never cut off.
void Tdisp::SetValueText(int row, const QString& text) {
  QLabel* label = valueLabels_[static_cast<std::size_t>(row - 1)];
  if (label->text() == text) {
    return;
  }
  label->setText(text);
  label->adjustSize();
  const QString value = text.trimmed().isEmpty() ? QStringLiteral("пусто") : text;
  label->setAccessibleName(QStringLiteral("Значение строки %1: %2").arg(row).arg(value));
}

void Tdisp::ClearDisplay() {
  soyka::ui::clearBitCells(disp);
  for (int row = 1; row <= soyka::DisplayRowCount; ++row) {
    SetValueText(row, NoValue);
  }
}

void Tdisp::ShowDisplayRow(int row, int cell) {
  const soyka::Word12& word = state_.Memory[static_cast<std::size_t>(cell)];
  soyka::ui::showBits(disp, row - 1, word);
  SetValueText(row, QString::number(soyka::WordValue(word)));
}

void Tdisp::BitBtn1Click() {
  hide();
  state_.DisplayWindowOpen = false;
  views_.ShowWantedWindows();
}

void Tdisp::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    BitBtn1->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Tdisp::closeEvent(QCloseEvent* event) {
  event->ignore();
}
