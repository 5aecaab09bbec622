#include "BitGrid.h"

#include "Fonts.h"
#include "Machine.h"
#include "Palette.h"
#include "ScreenReaderRoles.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace soyka::ui {
namespace {

// Each cell is followed by its share of the grid lines, to the right and below.
class BitCellDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const bool current = view != nullptr && view->currentIndex() == index;
    const QRect box(option.rect.topLeft(), QSize(BitGrid::ColumnWidth, BitGrid::RowHeight));

    painter->save();
    painter->fillRect(option.rect, GridLineGrey);
    if (current) {
      painter->fillRect(box, Qt::white);
      painter->setPen(Qt::black);
      painter->drawRect(box.adjusted(0, 0, -1, -1));
    } else {
      painter->fillRect(box, GridSilver);
    }
    painter->setFont(option.font);
    painter->setPen(Purple);
    painter->drawText(box, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
};

void setFixedSections(QHeaderView* header, int size) {
  header->hide();
  header->setMinimumSectionSize(1);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setDefaultSectionSize(size);
}

// A cell tells a screen reader its cell address, its bit number and its value.
class BitCell : public QTableWidgetItem {
public:
  BitCell() { setFlags(Qt::ItemIsEnabled); }

  QVariant data(int role) const override {
    if (role == Qt::AccessibleTextRole) {
      return QStringLiteral("Ячейка %1, разряд %2: %3")
          .arg(QString::fromStdString(AddressText(row())))
          .arg(WordBits - column())
          .arg(text());
    }
    return QTableWidgetItem::data(role);
  }
};

} // namespace

BitGrid::BitGrid(QWidget* parent)
    : QTableWidget(CellCount, WordBits, parent), announcer_(new Announcer(parent)) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFixedSections(horizontalHeader(), ColumnWidth + LineWidth);
  setFixedSections(verticalHeader(), RowHeight + LineWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setShowGrid(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  setAutoScroll(false);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFont(serifFont(24, true));
  QPalette colors = palette();
  colors.setColor(QPalette::Base, GridSilver);
  colors.setColor(QPalette::Text, Purple);
  setPalette(colors);
  setItemDelegate(new BitCellDelegate(this));
  setAccessibleName(QStringLiteral("Память"));

  for (int row = 0; row < CellCount; ++row) {
    for (int column = 0; column < WordBits; ++column) {
      setItem(row, column, new BitCell());
    }
  }
}

void BitGrid::setCellText(int row, int column, const QString& text) {
  QTableWidgetItem* cell = item(row, column);
  if (cell->text() == text) {
    return;
  }
  cell->setText(text);
  if (row == currentRow() && column == currentColumn()) {
    describeCurrentCell();
  }
}

void BitGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QAbstractItemView::currentChanged(current, previous);
  describeCurrentCell();
  if (current.isValid() && isActiveWindow()) {
    announcer_->announce(accessibleDescription());
  }
}

void BitGrid::describeCurrentCell() {
  const QTableWidgetItem* cell = currentItem();
  setAccessibleDescription(cell != nullptr ? cell->data(Qt::AccessibleTextRole).toString()
                                           : QString());
}

void BitGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    QTableWidget::mousePressEvent(event);
  } else {
    event->ignore();
  }
}

} // namespace soyka::ui
