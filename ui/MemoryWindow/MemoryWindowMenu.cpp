// The memory window's decoding menu: the cell under the grid cursor read three ways.
#include "MemoryWindow.h"

#include "MemoryDecoding.h"
#include "MessageBoxes.h"

#include <QContextMenuEvent>

using soyka::ui::showPlainMessage;

void TSoyka_mem::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint pointer = event->globalPos();
  PopupMenu1->popup(QPoint(pointer.x() - PopupMenu1->sizeHint().width() / 2, pointer.y()));
  event->accept();
}

int TSoyka_mem::CursorRow() const {
  return Soyka_mem->currentRow();
}

void TSoyka_mem::N1Click() {
  const int row = CursorRow();
  showPlainMessage(this,
                   soyka::ui::decodeCommandText(state_.Memory[static_cast<std::size_t>(row)], row));
}

void TSoyka_mem::N2Click() {
  showPlainMessage(this, soyka::ui::decodeAddressesText(state_.Memory, CursorRow()));
}

void TSoyka_mem::N3Click() {
  const int row = CursorRow();
  showPlainMessage(this,
                   soyka::ui::decodeNumberText(state_.Memory[static_cast<std::size_t>(row)], row));
}
