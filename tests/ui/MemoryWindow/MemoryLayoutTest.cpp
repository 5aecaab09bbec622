// The memory window as created: frame, controls, fonts, colours, and how the grid is drawn.
#include "BitGrid.h"
#include "Fonts.h"
#include "HeaderBox.h"
#include "MemoryTestSupport.h"
#include "MemoryWindowTests.h"
#include "Palette.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <memory>

using soyka::testing::Cursor;
using soyka::testing::FactorialImage;
using soyka::testing::GridMismatch;
using soyka::testing::MarkerState;
using soyka::testing::MemoryWindowRig;
using soyka::ui::GridCell;

namespace {

bool SameFace(const QFont& font, const QFont& expected) {
  return font.family() == expected.family() && font.pixelSize() == expected.pixelSize() &&
         font.bold() == expected.bold();
}

// Purple pixels within a rectangle of an image: the digits are the only purple in a cell.
int PurplePixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == soyka::ui::Purple) {
        ++count;
      }
    }
  }
  return count;
}

} // namespace

class MemoryLayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MemoryWindowRig> rig;

  QWidget* Control(const QString& name) const {
    if (name == QLatin1String("grid")) {
      return rig->window.grid_;
    }
    return rig->window.findChild<QWidget*>(name);
  }

private slots:
  void init() { rig = std::make_unique<MemoryWindowRig>(FactorialImage); }
  void cleanup() { rig.reset(); }

  void windowFrame() {
    MemoryWindow& window = rig->window;
    QCOMPARE(window.windowTitle(), QString("Память"));
    QCOMPARE(window.size(), QSize(348, 355));
    QCOMPARE(window.minimumSize(), QSize(348, 355));
    QCOMPARE(window.maximumSize(), QSize(348, 355));
    QCOMPARE(window.pos(), QPoint(0, 60));
    QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(SameFace(window.font(), soyka::ui::systemFont(16)));
    QVERIFY(window.isHidden());
  }

  void creationShowsMemoryWithCursorAtTheStart() {
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
    QCOMPARE(Cursor(rig->window), (GridCell{0, 0}));
    QCOMPARE(MarkerState(rig->window), QString("0"));
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
    // Creating the window changes nothing in the machine.
    QCOMPARE(rig->state.Memory[3], FactorialImage[3]);
    QVERIFY(!rig->state.InputEnabled);
    QVERIFY(!rig->state.MemoryWindowOpen);
  }

  void controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("closeButton") << "closeButton" << QRect(8, 0, 25, 25);
    QTest::newRow("inputLamp") << "inputLamp" << QRect(8, 326, 17, 17);
    QTest::newRow("gridPanel") << "gridPanel" << QRect(38, 8, 307, 345);
    QTest::newRow("grid in the panel") << "grid" << QRect(10, 26, 280, 284);
    const int horizontalTops[] = {56, 92, 127, 163, 198, 234, 269, 305};
    const int verticalTops[] = {40, 76, 111, 147, 182, 218, 253, 289};
    for (int cell = 0; cell < 8; ++cell) {
      const QString h = QString("horizontalMarker%1").arg(cell);
      const QString v = QString("verticalMarker%1").arg(cell);
      QTest::newRow(qPrintable(h)) << h << QRect(2, horizontalTops[cell], 31, 5);
      QTest::newRow(qPrintable(v)) << v << QRect(28, verticalTops[cell], 5, 17);
    }
  }
  void controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* control = Control(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
  }

  void closeButton() {
    QPushButton* button = rig->window.closeButton_;
    QCOMPARE(button->text(), QString(" "));
    QCOMPARE(button->toolTip(), QString("Закрыть"));
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
  }

  void rowLabels_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    const char* texts[] = {"000", "001", "010", "011", "100", "101", "110", "111"};
    const int tops[] = {41, 77, 112, 148, 183, 219, 254, 290};
    for (int row = 0; row < 8; ++row) {
      QTest::newRow(texts[row]) << row << QString(texts[row]) << tops[row];
    }
  }
  void rowLabels() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, top);
    const QLabel* label = rig->window.rowLabels_[static_cast<std::size_t>(row)];
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), QPoint(4, top));
    QVERIFY(SameFace(label->font(), soyka::ui::serifFont(13, true)));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(label->accessibleName(), "Ячейка " + text);
    // The address stays clear of the vertical marker bar that stands at its right.
    QVERIFY(label->x() + label->fontMetrics().horizontalAdvance(text) <=
            rig->window.verticalMarkers_[std::size_t(row)]->x());
  }

  void inputCaption() {
    const QLabel* caption = rig->window.inputLampCaption_;
    QCOMPARE(caption->text(), QString("Ввод"));
    QCOMPARE(caption->pos(), QPoint(0, 312));
    QVERIFY(SameFace(caption->font(), soyka::ui::smallFont(9)));
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
  }

  void headerBoxes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("dark");
    const char* texts[] = {"К О П", "A 1", "A 2", "A 3"};
    const int lefts[] = {10, 79, 148, 218};
    for (int top : {5, 315}) {
      for (int field = 0; field < 4; ++field) {
        QTest::newRow(qPrintable(QString("%1 at %2").arg(texts[field]).arg(top)))
            << QString(texts[field]) << QPoint(lefts[field], top) << (field % 2 == 0);
      }
    }
  }
  void headerBoxes() {
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(bool, dark);
    auto* box = qobject_cast<soyka::ui::HeaderBox*>(rig->window.gridPanel_->childAt(place));
    QVERIFY(box != nullptr);
    QCOMPARE(box->geometry(), QRect(place, QSize(68, 20)));
    QCOMPARE(box->accessibleName(), text);

    const QImage image = box->grab().toImage();
    const QColor background = dark ? soyka::ui::HeaderDarkShadow : soyka::ui::HeaderLightFace;
    QCOMPARE(image.pixelColor(3, 3), background);
    QCOMPARE(image.pixelColor(0, 0), dark ? background : QColor(Qt::white));
    QCOMPARE(image.pixelColor(67, 19), dark ? background : QColor(Qt::white));
    // The letters are drawn in their own colour somewhere in the middle.
    const QColor letters = dark ? QColor(Qt::white) : QColor(Qt::black);
    bool lettersFound = false;
    for (int x = 2; x < 66 && !lettersFound; ++x) {
      for (int y = 2; y < 18 && !lettersFound; ++y) {
        lettersFound = image.pixelColor(x, y) == letters;
      }
    }
    QVERIFY(lettersFound);
  }

  void markerBarsArePurpleAndOnlyCellZeroShows() {
    MemoryWindow& window = rig->window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    for (std::size_t cell = 0; cell < 8; ++cell) {
      const QPoint horizontal = window.horizontalMarkers_[cell]->geometry().center();
      const QPoint vertical = window.verticalMarkers_[cell]->geometry().center();
      const bool shown = cell == 0;
      QCOMPARE(image.pixelColor(horizontal) == soyka::ui::Purple, shown);
      QCOMPARE(image.pixelColor(vertical) == soyka::ui::Purple, shown);
      QCOMPARE(window.horizontalMarkers_[cell]->accessibleName(),
               "Метка ячейки " + QString::fromStdString(soyka::AddressText(int(cell))));
    }
  }

  void gridHasFixedCellsAndNoExtras() {
    rig->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig->window));
    const QTableWidget* grid = rig->window.grid_;
    QCOMPARE(grid->rowCount(), 8);
    QCOMPARE(grid->columnCount(), 12);
    QVERIFY(grid->horizontalHeader()->isHidden());
    QVERIFY(grid->verticalHeader()->isHidden());
    QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->dragDropMode(), QAbstractItemView::NoDragDrop);
    QVERIFY(!grid->acceptDrops());
    QCOMPARE(grid->viewport()->size(), QSize(276, 280));
    // A 20 x 32 cell and its 3-pixel lines to the right and below.
    for (int row = 0; row < 8; ++row) {
      for (int column = 0; column < 12; ++column) {
        QCOMPARE(grid->visualRect(grid->model()->index(row, column)),
                 QRect(column * 23, row * 35, 23, 35));
        QVERIFY(!(grid->item(row, column)->flags() & Qt::ItemIsEditable));
      }
    }
    QVERIFY(SameFace(grid->font(), soyka::ui::serifFont(24, true)));
  }

  void gridIsDrawnSilverWithGreyLinesAndPurpleDigits() {
    MemoryWindow& window = rig->window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grid_->setCurrentCell(2, 4);
    const QImage image = window.grid_->viewport()->grab().toImage();

    const QRect plainBox(23 * 7, 35 * 5, 20, 32);   // row 5, column 7: not current
    const QRect currentBox(23 * 4, 35 * 2, 20, 32); // the cursor's cell
    QCOMPARE(image.pixelColor(plainBox.topLeft() + QPoint(1, 1)), soyka::ui::GridSilver);
    QCOMPARE(image.pixelColor(plainBox.right() + 2, plainBox.center().y()),
             soyka::ui::GridLineGrey);
    QCOMPARE(image.pixelColor(plainBox.center().x(), plainBox.bottom() + 2),
             soyka::ui::GridLineGrey);
    QVERIFY(PurplePixels(image, plainBox) > 20);

    // The cursor's cell looks like an open editor: white inside a frame, the digit in purple.
    QCOMPARE(image.pixelColor(currentBox.topLeft() + QPoint(2, 2)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(currentBox.topLeft()), QColor(Qt::black));
    QVERIFY(PurplePixels(image, currentBox) > 20);

    // Nothing but lines and cells: no header, no scroll bar, nothing left blank.
    QCOMPARE(image.size(), QSize(276, 280));
    QCOMPARE(image.pixelColor(275, 279), soyka::ui::GridLineGrey);
  }

  void digitsFollowTheirText() {
    MemoryWindow& window = rig->window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grid_->setCurrentCell(0, 0);
    // Row 4 holds 000000000110: columns 9 and 10 show "1", column 11 shows "0".
    const QImage image = window.grid_->viewport()->grab().toImage();
    const int one = PurplePixels(image, QRect(23 * 9, 35 * 4, 20, 32));
    const int zero = PurplePixels(image, QRect(23 * 11, 35 * 4, 20, 32));
    QCOMPARE(PurplePixels(image, QRect(23 * 10, 35 * 4, 20, 32)), one);
    QVERIFY(one != zero);
  }

  void cellsTellScreenReadersAddressBitAndValue_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("bit 12 of 011") << 3 << 0 << QString("Ячейка 011, разряд 12: 1");
    QTest::newRow("bit 1 of 100") << 4 << 11 << QString("Ячейка 100, разряд 1: 0");
    QTest::newRow("bit 2 of 100") << 4 << 10 << QString("Ячейка 100, разряд 2: 1");
    QTest::newRow("bit 7 of 111") << 7 << 5 << QString("Ячейка 111, разряд 7: 0");
  }
  void cellsTellScreenReadersAddressBitAndValue() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    const QTableWidgetItem* item = rig->window.grid_->item(row, column);
    QCOMPARE(item->data(Qt::AccessibleTextRole).toString(), text);
  }

  void accessibleTextFollowsARefresh() {
    rig->state.Memory[4] = soyka::testing::W("000000000001");
    rig->window.RefreshMemoryView();
    QCOMPARE(rig->window.grid_->item(4, 11)->data(Qt::AccessibleTextRole).toString(),
             QString("Ячейка 100, разряд 1: 1"));
    QCOMPARE(rig->window.inputLamp_->accessibleName(), QString("Ввод: красный"));
    QCOMPARE(rig->window.grid_->accessibleName(), QString("Память"));
  }

  void menuItemsInOrder() {
    const QList<QAction*> items = rig->window.decodingMenu_->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0], rig->window.decodeCommandAction_);
    QCOMPARE(items[1], rig->window.decodeAddressesAction_);
    QCOMPARE(items[2], rig->window.decodeNumberAction_);
    QCOMPARE(items[0]->text(), QString("Команда"));
    QCOMPARE(items[1]->text(), QString("Адреса"));
    QCOMPARE(items[2]->text(), QString("10-е число"));
  }
};

int RunMemoryLayoutTest(int argc, char** argv) {
  MemoryLayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MemoryLayoutTest.moc"
