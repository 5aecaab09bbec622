#include "RegistersWindow.h"

#include "BitCells.h"
#include "CloseButton.h"
#include "FixedWindow.h"
#include "Fonts.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

using soyka::ui::BitCellLines;

TALU::TALU(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QWidget(parent), state_(state), views_(views) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Арифметическое устройство"), 261, 154,
                              soyka::ui::TitleButtons::None, false);
  move(332, 0);
  // The stand-in face runs wider than the classic one; its narrower cut keeps "адреса команд"
  // clear of the counter cells beside it.
  QFont font = soyka::ui::systemFont(16);
  font.setStretch(QFont::SemiCondensed);
  setFont(font);

  // Created first, so it is first in the tab order.
  BitBtn1 = new soyka::ui::CloseButton(this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  connect(BitBtn1, &QPushButton::clicked, this, &TALU::BitBtn1Click);

  AddCaption(QStringLiteral("Счетчик "), 50, 2);
  AddCaption(QStringLiteral("адреса команд"), 48, 16);
  AddCaption(QStringLiteral("Регистр команд"), 52, 46);
  AddCaption(QStringLiteral("Сумматор"), 48, 100);

  PC = new QTableWidget(this);
  PC->setObjectName(QStringLiteral("PC"));
  PC->setAccessibleName(QStringLiteral("Счетчик адреса команд"));
  soyka::ui::setUpBitCells(PC, QRect(170, 7, 55, 22), {QStringLiteral("Счетчик адреса команд")},
                           soyka::CounterBitCount, BitCellLines::None);

  RgK = new QTableWidget(this);
  RgK->setObjectName(QStringLiteral("RgK"));
  RgK->setAccessibleName(QStringLiteral("Регистр команд"));
  soyka::ui::setUpBitCells(RgK, QRect(10, 66, 239, 23), {QStringLiteral("Регистр команд")},
                           soyka::WordBits, BitCellLines::None);

  Sm = new QTableWidget(this);
  Sm->setObjectName(QStringLiteral("Sm"));
  Sm->setAccessibleName(QStringLiteral("Сумматор"));
  soyka::ui::setUpBitCells(Sm, QRect(10, 120, 239, 25), {QStringLiteral("Сумматор")},
                           soyka::WordBits, BitCellLines::None);
}

void TALU::AddCaption(const QString& text, int left, int top) {
  auto* label = new QLabel(text, this);
  label->move(left, top);
  label->adjustSize();
}

void TALU::RefreshCommandRegisterView() {
  soyka::ui::showBits(RgK, 0, state_.CommandRegister);
}

void TALU::RefreshAccumulatorView() {
  soyka::ui::showBits(Sm, 0, state_.Accumulator);
}

void TALU::RefreshCounterView() {
  soyka::ui::showBits(PC, 0, state_.CounterBits);
}

void TALU::BitBtn1Click() {
  hide();
  state_.RegistersWindowOpen = false;
  views_.ShowWantedWindows();
}

void TALU::FormActivate() {
  views_.RefreshCommandRegisterView();
  views_.RefreshAccumulatorView();
  views_.RefreshCounterView();
}

bool TALU::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    FormActivate();
  }
  return QWidget::event(event);
}

void TALU::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    BitBtn1->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TALU::closeEvent(QCloseEvent* event) {
  event->ignore();
}
