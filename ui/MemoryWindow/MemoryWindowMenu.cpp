// The memory window's decoding menu: the cell under the grid cursor read three ways.
#include "MemoryWindow.h"

#include "MemoryDecoding.h"
#include "MessageBoxes.h"

#include <QContextMenuEvent>

using soyka::ui::showPlainMessage;

void MemoryWindow::contextMenuEvent(QContextMenuEvent* event) {
  openDecodingMenu(event->globalPos());
  event->accept();
}

void MemoryWindow::openDecodingMenuAtCursor() {
  const QRect cell(grid_->visualRect(grid_->currentIndex()).topLeft(),
                   QSize(soyka::ui::BitGrid::ColumnWidth, soyka::ui::BitGrid::RowHeight));
  openDecodingMenu(grid_->viewport()->mapToGlobal(cell.center()));
  // From the keyboard the first item is highlighted, so Enter alone chooses it.
  decodingMenu_->setActiveAction(decodingMenu_->actions().value(0));
}

void MemoryWindow::openDecodingMenu(const QPoint& anchor) {
  decodingMenu_->popup(QPoint(anchor.x() - decodingMenu_->sizeHint().width() / 2, anchor.y()));
}

int MemoryWindow::cursorRow() const {
  return grid_->currentRow();
}

void MemoryWindow::showCellAsCommand() {
  const int row = cursorRow();
  showPlainMessage(this,
                   soyka::ui::decodeCommandText(state_.Memory[static_cast<std::size_t>(row)], row));
}

void MemoryWindow::showCellAddresses() {
  showPlainMessage(this, soyka::ui::decodeAddressesText(state_.Memory, cursorRow()));
}

void MemoryWindow::showCellAsNumber() {
  const int row = cursorRow();
  showPlainMessage(this,
                   soyka::ui::decodeNumberText(state_.Memory[static_cast<std::size_t>(row)], row));
}
