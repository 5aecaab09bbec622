// Where Tab takes the cursor, and which keys type which bit.
#include "BitEntry.h"
#include "MemoryTestSupport.h"
#include "MemoryWindowTests.h"

#include <QKeyEvent>
#include <QTest>
#include <set>

using soyka::ui::GridCell;

class BitEntryTest : public QObject {
  Q_OBJECT

private slots:
  void stepCell_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("nextRow");
    QTest::addColumn<int>("nextColumn");
    QTest::newRow("right within a row") << 0 << 0 << true << 0 << 1;
    QTest::newRow("end of a row to the next row") << 3 << 11 << true << 4 << 0;
    QTest::newRow("last cell wraps to the first") << 7 << 11 << true << 0 << 0;
    QTest::newRow("left within a row") << 3 << 5 << false << 3 << 4;
    QTest::newRow("start of a row to the row above") << 4 << 0 << false << 3 << 11;
    QTest::newRow("first cell wraps to the last") << 0 << 0 << false << 7 << 11;
    QTest::newRow("next to last cell") << 7 << 10 << true << 7 << 11;
  }
  void stepCell() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, forward);
    QFETCH(int, nextRow);
    QFETCH(int, nextColumn);
    QCOMPARE(soyka::ui::stepCell({row, column}, forward), (GridCell{nextRow, nextColumn}));
  }

  void stepCellVisitsEveryCellOnceAround() {
    for (const bool forward : {true, false}) {
      std::set<std::pair<int, int>> seen;
      GridCell cell{0, 0};
      for (int step = 0; step < 96; ++step) {
        seen.insert({cell.row, cell.column});
        cell = soyka::ui::stepCell(cell, forward);
        QVERIFY(cell.row >= 0 && cell.row < 8 && cell.column >= 0 && cell.column < 12);
      }
      QCOMPARE(seen.size(), std::size_t{96});
      QCOMPARE(cell, (GridCell{0, 0}));
    }
  }

  void typedBit_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<quint32>("scanCode");
    QTest::addColumn<quint32>("virtualKey");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("bit"); // -1: types nothing
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("0") << int(Qt::Key_0) << none << 0u << 0u << "offscreen" << 0;
    QTest::newRow("1") << int(Qt::Key_1) << none << 0u << 0u << "offscreen" << 1;
    QTest::newRow("Shift+1 reported as 1")
        << int(Qt::Key_1) << shift << 0u << 0u << "offscreen" << 1;
    QTest::newRow("Ctrl+Alt+0") << int(Qt::Key_0) << int(Qt::ControlModifier | Qt::AltModifier)
                                << 0u << 0u << "offscreen" << 0;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 0u << 0u << "offscreen" << -1;
    QTest::newRow("keypad 1") << int(Qt::Key_1) << keypad << 0u << 0u << "offscreen" << -1;
    QTest::newRow("keypad 1 with Shift")
        << int(Qt::Key_1) << int(Qt::KeypadModifier | Qt::ShiftModifier) << 0u << 0u << "offscreen"
        << -1;
    QTest::newRow("2") << int(Qt::Key_2) << none << 0u << 0u << "offscreen" << -1;
    QTest::newRow("letter O") << int(Qt::Key_O) << none << 0u << 0u << "offscreen" << -1;
    QTest::newRow("X11 Shift+0 comes as )")
        << int(Qt::Key_ParenRight) << shift << 19u << 0x29u << "xcb" << 0;
    QTest::newRow("X11 Shift+1 comes as !")
        << int(Qt::Key_Exclam) << shift << 10u << 0x21u << "xcb" << 1;
    QTest::newRow("Wayland Shift+1") << int(Qt::Key_Exclam) << shift << 10u << 0u << "wayland" << 1;
    QTest::newRow("X11 2 key") << int(Qt::Key_2) << none << 11u << 0x32u << "xcb" << -1;
    QTest::newRow("X11 keypad 0") << int(Qt::Key_0) << keypad << 90u << 0xffb0u << "xcb" << -1;
    QTest::newRow("X11 keypad Insert")
        << int(Qt::Key_Insert) << keypad << 90u << 0xff9eu << "xcb" << -1;
    QTest::newRow("Windows Shift+1")
        << int(Qt::Key_Exclam) << shift << 2u << 0x31u << "windows" << 1;
    QTest::newRow("Windows Shift+0")
        << int(Qt::Key_ParenRight) << shift << 11u << 0x30u << "windows" << 0;
    QTest::newRow("Windows keypad 1")
        << int(Qt::Key_1) << keypad << 79u << 0x61u << "windows" << -1;
    QTest::newRow("X11 key codes mean nothing elsewhere")
        << int(Qt::Key_Exclam) << shift << 10u << 0u << "offscreen" << -1;
  }
  void typedBit() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(quint32, scanCode);
    QFETCH(quint32, virtualKey);
    QFETCH(QString, platform);
    QFETCH(int, bit);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode,
                          virtualKey, 0);
    const std::optional<int> typed = soyka::ui::typedBit(event, platform);
    QCOMPARE(typed.value_or(-1), bit);
  }
};

int RunBitEntryTest(int argc, char** argv) {
  BitEntryTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "BitEntryTest.moc"
