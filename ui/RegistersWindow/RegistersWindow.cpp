#include "RegistersWindow.h"

#include "BitCells.h"
#include "FixedWindow.h"
#include "Fonts.h"
#include "StateEdits.h"

#include <QEvent>
#include <QLabel>

using soyka::ui::BitCellLines;

RegistersWindow::RegistersWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                                 QWidget* parent)
    : ViewWindowBase(state, views, soyka::ViewWindow::Registers, parent) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Арифметическое устройство"), 261, 154,
                              soyka::ui::TitleButtons::None, false);
  move(332, 0);
  // The stand-in face runs wider than the classic one; narrowed, it keeps "адреса команд" clear
  // of the counter cells beside it.
  QFont font = soyka::ui::systemFont(16);
  font.setStretch(soyka::ui::SemiCondensedWidth);
  setFont(font);

  // Created first, so it is first in the tab order.
  createCloseButton();

  addCaption(QStringLiteral("Счетчик "), 50, 2);
  addCaption(QStringLiteral("адреса команд"), 48, 16);
  addCaption(QStringLiteral("Регистр команд"), 52, 46);
  addCaption(QStringLiteral("Сумматор"), 48, 100);

  counterCells_ = new QTableWidget(this);
  counterCells_->setObjectName(QStringLiteral("counterCells"));
  counterCells_->setAccessibleName(QStringLiteral("Счетчик адреса команд"));
  soyka::ui::setUpBitCells(counterCells_, QRect(170, 7, 55, 22),
                           {QStringLiteral("Счетчик адреса команд")}, soyka::CounterBitCount,
                           BitCellLines::None);

  commandRegisterCells_ = new QTableWidget(this);
  commandRegisterCells_->setObjectName(QStringLiteral("commandRegisterCells"));
  commandRegisterCells_->setAccessibleName(QStringLiteral("Регистр команд"));
  soyka::ui::setUpBitCells(commandRegisterCells_, QRect(10, 66, 239, 23),
                           {QStringLiteral("Регистр команд")}, soyka::WordBits, BitCellLines::None);

  accumulatorCells_ = new QTableWidget(this);
  accumulatorCells_->setObjectName(QStringLiteral("accumulatorCells"));
  accumulatorCells_->setAccessibleName(QStringLiteral("Сумматор"));
  soyka::ui::setUpBitCells(accumulatorCells_, QRect(10, 120, 239, 25), {QStringLiteral("Сумматор")},
                           soyka::WordBits, BitCellLines::None);
  // Built late, the window shows what the registers showed so far.
  RefreshCounterView();
  RefreshCommandRegisterView();
  RefreshAccumulatorView();
}

// Blank until the register is first shown: a step back to then blanks it again.
template <typename Row>
void RegistersWindow::showRegister(QTableWidget* cells, bool shown, const Row& bits) {
  if (shown) {
    soyka::ui::showBits(cells, 0, bits);
  } else {
    soyka::ui::clearBitCells(cells);
  }
}

void RegistersWindow::addCaption(const QString& text, int left, int top) {
  auto* label = new QLabel(text, this);
  label->move(left, top);
  label->adjustSize();
}

void RegistersWindow::RefreshCommandRegisterView() {
  showRegister(commandRegisterCells_, state_.View.CommandRegisterShown, state_.CommandRegister);
}

void RegistersWindow::RefreshAccumulatorView() {
  showRegister(accumulatorCells_, state_.View.AccumulatorShown, state_.Accumulator);
}

void RegistersWindow::RefreshCounterView() {
  showRegister(counterCells_, state_.View.CounterShown, state_.CounterBits);
}

void RegistersWindow::onActivated() {
  soyka::ShowRegisters(state_, views_);
}

bool RegistersWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    onActivated();
  }
  return QWidget::event(event);
}
