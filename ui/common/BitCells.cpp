#include "BitCells.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace soyka::ui {
namespace {

const QColor RowLineColor(128, 128, 128);

// Paints a line under every row but the last; the line takes the row's extra pixel.
class RowLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.row() + 1 < index.model()->rowCount()) {
      painter->save();
      painter->setPen(RowLineColor);
      painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
      painter->restore();
    }
  }
};

// The cells only show: clicks and the wheel must neither pick a cell nor scroll the row.
class InputSwallower : public QObject {
public:
  using QObject::QObject;

  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
      return true;
    default:
      return false;
    }
  }
};

QString accessibleCellText(const QTableWidget* cells, int row, int column, const QString& text) {
  const int bit = cells->columnCount() - column;
  const QString value = text.isEmpty() ? QStringLiteral("пусто") : text;
  return QStringLiteral("%1, разряд %2: %3")
      .arg(cells->verticalHeaderItem(row)->text())
      .arg(bit)
      .arg(value);
}

void fixSections(QHeaderView* header, int defaultSize) {
  header->hide();
  header->setMinimumSectionSize(0);
  header->setDefaultSectionSize(defaultSize);
  header->setSectionResizeMode(QHeaderView::Fixed);
}

void paintWhiteWithBlackText(QTableWidget* cells) {
  QPalette palette = cells->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::Text, Qt::black);
  }
  cells->setPalette(palette);
}

} // namespace

void setUpBitCells(QTableWidget* cells, const QRect& geometry, const QStringList& rowCaptions,
                   int columns, BitCellLines lines) {
  const auto rows = static_cast<int>(rowCaptions.size());
  cells->setGeometry(geometry);
  cells->setRowCount(rows);
  cells->setColumnCount(columns);
  fixSections(cells->horizontalHeader(), BitCellSize);
  fixSections(cells->verticalHeader(), BitCellSize);
  cells->setShowGrid(false);
  cells->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cells->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cells->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  cells->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  cells->setSelectionMode(QAbstractItemView::NoSelection);
  cells->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cells->setFocusPolicy(Qt::NoFocus);
  cells->setTabKeyNavigation(false);
  cells->setAutoScroll(false);
  cells->viewport()->installEventFilter(new InputSwallower(cells));
  paintWhiteWithBlackText(cells);

  if (lines == BitCellLines::BetweenRows) {
    cells->setItemDelegate(new RowLineDelegate(cells));
    for (int row = 0; row + 1 < rows; ++row) {
      cells->setRowHeight(row, BitCellSize + 1);
    }
  }

  for (int row = 0; row < rows; ++row) {
    cells->setVerticalHeaderItem(row, new QTableWidgetItem(rowCaptions[row]));
    for (int column = 0; column < columns; ++column) {
      auto* item = new QTableWidgetItem();
      item->setFlags(Qt::ItemIsEnabled);
      item->setData(Qt::AccessibleTextRole, accessibleCellText(cells, row, column, QString()));
      cells->setItem(row, column, item);
    }
  }
}

void setBitCellText(QTableWidget* cells, int row, int column, const QString& text) {
  QTableWidgetItem* item = cells->item(row, column);
  if (item->text() == text) {
    return;
  }
  item->setText(text);
  item->setData(Qt::AccessibleTextRole, accessibleCellText(cells, row, column, text));
}

void clearBitCells(QTableWidget* cells) {
  for (int row = 0; row < cells->rowCount(); ++row) {
    for (int column = 0; column < cells->columnCount(); ++column) {
      setBitCellText(cells, row, column, QString());
    }
  }
}

} // namespace soyka::ui
