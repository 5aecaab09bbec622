// The memory window's bit entry: the key preview, the grid's key filter and the cursor steps.
#include "MemoryWindow.h"

#include "BitEntry.h"
#include "BitGrid.h"
#include "MenuKey.h"
#include "StateEdits.h"

#include <QGuiApplication>
#include <QKeyEvent>

using soyka::WordBits;
using soyka::ui::GridCell;

bool MemoryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != grid_) {
    return QWidget::eventFilter(watched, event);
  }
  if (event->type() == QEvent::InputMethod) {
    // Composed text would only search the cells and move the cursor.
    return true;
  }
  if (event->type() != QEvent::KeyPress) {
    return false;
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (key.key() == Qt::Key_Escape) {
    closeButton_->click();
    return true;
  }
  if (soyka::ui::isMenuKey(key)) {
    openDecodingMenuAtCursor();
    return true;
  }
  if (typeBit(key)) {
    return true;
  }
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
    stepCursor(key.key() == Qt::Key_Tab && !key.modifiers().testFlag(Qt::ShiftModifier));
    return true;
  }
  return !gridTakesKey(key);
}

bool MemoryWindow::typeBit(const QKeyEvent& key) {
  if (!state_.InputEnabled) {
    return false;
  }
  const std::optional<int> bit = soyka::ui::typedBit(key, QGuiApplication::platformName());
  if (!bit) {
    return false;
  }
  const int row = grid_->currentRow();
  const int column = grid_->currentColumn();
  grid_->setCellText(row, column, QString::number(*bit));
  // The memory takes the bit from the cell's text, so the two can never disagree.
  soyka::TypeBit(state_, row, WordBits - column, grid_->item(row, column)->text().toInt());
  stepCursor(!key.modifiers().testFlag(Qt::ShiftModifier));
  emit bitTyped();
  return true;
}

bool MemoryWindow::gridTakesKey(const QKeyEvent& key) const {
  switch (key.key()) {
  case Qt::Key_Left:
  case Qt::Key_Right:
  case Qt::Key_Up:
  case Qt::Key_Down:
    return true;
  default:
    return false;
  }
}

void MemoryWindow::stepCursor(bool forward) {
  const GridCell next = soyka::ui::stepCell({grid_->currentRow(), grid_->currentColumn()}, forward);
  grid_->setCurrentCell(next.row, next.column);
}
