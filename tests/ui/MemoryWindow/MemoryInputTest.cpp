// Typing bits into the grid, moving its cursor, and everything that must not change a cell.
#include "MemoryTestSupport.h"
#include "MemoryWindowTests.h"
#include "Palette.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

using soyka::testing::Cursor;
using soyka::testing::FactorialImage;
using soyka::testing::GridMismatch;
using soyka::testing::MemoryWindowRig;
using soyka::testing::RowText;
using soyka::testing::ShowActive;
using soyka::testing::TypeBits;
using soyka::testing::W;
using soyka::ui::GridCell;

class MemoryInputTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MemoryWindowRig> rig;

  QTableWidget* Grid() const { return rig->window.grid_; }

  // Every bit as it was loaded and the grid still showing it.
  void VerifyMemoryUnchanged() {
    for (std::size_t cell = 0; cell < FactorialImage.size(); ++cell) {
      QCOMPARE(soyka::BitsText(rig->state.Memory[cell]), soyka::BitsText(FactorialImage[cell]));
    }
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
  }

  // An editor would take the focus from the grid and hold a line edit of its own.
  void VerifyNoEditorOpen() {
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Grid()));
    QVERIFY(Grid()->findChildren<QLineEdit*>().isEmpty());
  }

private slots:
  void init() {
    rig = std::make_unique<MemoryWindowRig>(FactorialImage);
    QVERIFY(ShowActive(rig->window));
    rig->state.InputEnabled = true;
  }
  void cleanup() { rig.reset(); }

  void twelveDigitsFillOneCellFromBit12() {
    Grid()->setCurrentCell(0, 0);
    TypeBits(Grid(), "010011100110");
    QCOMPARE(soyka::BitsText(rig->state.Memory[0]), std::string("010011100110"));
    QCOMPARE(RowText(Grid(), 0), QString("010011100110"));
    QCOMPARE(Cursor(rig->window), (GridCell{1, 0}));
    QCOMPARE(soyka::BitsText(rig->state.Memory[1]), soyka::BitsText(FactorialImage[1]));
  }

  void ninetySixDigitsFillMemoryAndComeBackToTheStart() {
    rig->state.Memory = {};
    rig->window.RefreshMemoryView();
    Grid()->setCurrentCell(0, 0);
    const std::vector<soyka::Word12> program = {
        W("001010011100"), W("111000111000"), W("101010101010"), W("010101010101"),
        W("111111111111"), W("000000000001"), W("100000000000"), W("011001100110")};
    for (const soyka::Word12& word : program) {
      TypeBits(Grid(), soyka::BitsText(word));
    }
    for (std::size_t cell = 0; cell < program.size(); ++cell) {
      QCOMPARE(soyka::BitsText(rig->state.Memory[cell]), soyka::BitsText(program[cell]));
    }
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
    QCOMPARE(Cursor(rig->window), (GridCell{0, 0}));
  }

  // Row 3 holds 111101101101; the cursor starts in it.
  void keyOnRow3_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("inputEnabled");
    QTest::addColumn<QString>("row3");
    QTest::addColumn<int>("cursorRow");
    QTest::addColumn<int>("cursorColumn");
    const QString kept = "111101101101";
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;

    QTest::newRow("1 types and steps right")
        << 4 << int(Qt::Key_1) << none << true << "111111101101" << 3 << 5;
    QTest::newRow("0 types and steps right")
        << 0 << int(Qt::Key_0) << none << true << "011101101101" << 3 << 1;
    QTest::newRow("0 in the last column goes to the next row")
        << 11 << int(Qt::Key_0) << none << true << "111101101100" << 4 << 0;
    QTest::newRow("Shift+1 types and steps left")
        << 4 << int(Qt::Key_1) << shift << true << "111111101101" << 3 << 3;
    QTest::newRow("Shift+0 in the first column goes to the row above")
        << 0 << int(Qt::Key_0) << shift << true << "011101101101" << 2 << 11;
    QTest::newRow("Ctrl+0 types all the same")
        << 0 << int(Qt::Key_0) << ctrl << true << "011101101101" << 3 << 1;
    QTest::newRow("Alt+1 types all the same")
        << 4 << int(Qt::Key_1) << int(Qt::AltModifier) << true << "111111101101" << 3 << 5;
    QTest::newRow("the same bit again") << 0 << int(Qt::Key_1) << none << true << kept << 3 << 1;

    QTest::newRow("input off: 1") << 4 << int(Qt::Key_1) << none << false << kept << 3 << 4;
    QTest::newRow("input off: 0") << 0 << int(Qt::Key_0) << none << false << kept << 3 << 0;
    QTest::newRow("input off: Shift+0") << 0 << int(Qt::Key_0) << shift << false << kept << 3 << 0;
    QTest::newRow("keypad 1") << 4 << int(Qt::Key_1) << int(Qt::KeypadModifier) << true << kept << 3
                              << 4;
    QTest::newRow("keypad 0") << 0 << int(Qt::Key_0) << int(Qt::KeypadModifier) << true << kept << 3
                              << 0;

    const std::pair<const char*, int> plainKeys[] = {{"Backspace", Qt::Key_Backspace},
                                                     {"Delete", Qt::Key_Delete},
                                                     {"Space", Qt::Key_Space},
                                                     {"2", Qt::Key_2},
                                                     {"9", Qt::Key_9},
                                                     {"letter A", Qt::Key_A},
                                                     {"letter O", Qt::Key_O},
                                                     {"Return", Qt::Key_Return},
                                                     {"Enter", Qt::Key_Enter},
                                                     {"F2", Qt::Key_F2},
                                                     {"Home", Qt::Key_Home},
                                                     {"End", Qt::Key_End},
                                                     {"Page Down", Qt::Key_PageDown},
                                                     {"Insert", Qt::Key_Insert},
                                                     {"bare Shift", Qt::Key_Shift},
                                                     {"minus", Qt::Key_Minus}};
    for (const auto& [name, key] : plainKeys) {
      QTest::newRow(name) << 4 << key << none << true << kept << 3 << 4;
      QTest::newRow(qPrintable(QString("input off: %1").arg(name)))
          << 4 << key << none << false << kept << 3 << 4;
    }
    const std::pair<const char*, int> controlKeys[] = {
        {"Ctrl+X", Qt::Key_X}, {"Ctrl+V", Qt::Key_V}, {"Ctrl+Z", Qt::Key_Z},
        {"Ctrl+Y", Qt::Key_Y}, {"Ctrl+A", Qt::Key_A}, {"Ctrl+C", Qt::Key_C}};
    for (const auto& [name, key] : controlKeys) {
      QTest::newRow(name) << 4 << key << ctrl << true << kept << 3 << 4;
    }
    QTest::newRow("Shift+Insert") << 4 << int(Qt::Key_Insert) << shift << true << kept << 3 << 4;
    QTest::newRow("Shift+Delete") << 4 << int(Qt::Key_Delete) << shift << true << kept << 3 << 4;

    QTest::newRow("Tab") << 4 << int(Qt::Key_Tab) << none << true << kept << 3 << 5;
    QTest::newRow("Tab with input off") << 4 << int(Qt::Key_Tab) << none << false << kept << 3 << 5;
    QTest::newRow("Tab from the last column")
        << 11 << int(Qt::Key_Tab) << none << true << kept << 4 << 0;
    QTest::newRow("Backtab") << 4 << int(Qt::Key_Backtab) << shift << true << kept << 3 << 3;
    QTest::newRow("Shift+Tab as Tab with Shift")
        << 4 << int(Qt::Key_Tab) << shift << true << kept << 3 << 3;
    QTest::newRow("Backtab from the first column")
        << 0 << int(Qt::Key_Backtab) << shift << true << kept << 2 << 11;
    QTest::newRow("Right") << 4 << int(Qt::Key_Right) << none << true << kept << 3 << 5;
    QTest::newRow("Left") << 4 << int(Qt::Key_Left) << none << true << kept << 3 << 3;
    QTest::newRow("Up") << 4 << int(Qt::Key_Up) << none << true << kept << 2 << 4;
    QTest::newRow("Down") << 4 << int(Qt::Key_Down) << none << false << kept << 4 << 4;
  }
  void keyOnRow3() {
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, inputEnabled);
    QFETCH(QString, row3);
    QFETCH(int, cursorRow);
    QFETCH(int, cursorColumn);
    QGuiApplication::clipboard()->setText("000000000000");
    rig->state.InputEnabled = inputEnabled;
    Grid()->setCurrentCell(3, column);

    QTest::keyClick(Grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(QString::fromStdString(soyka::BitsText(rig->state.Memory[3])), row3);
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
    QCOMPARE(Cursor(rig->window), (GridCell{cursorRow, cursorColumn}));
    for (const int row : {0, 1, 2, 4, 5, 6, 7}) {
      QCOMPARE(soyka::BitsText(rig->state.Memory[std::size_t(row)]),
               soyka::BitsText(FactorialImage[std::size_t(row)]));
    }
    QCOMPARE(rig->state.InputEnabled, inputEnabled);
    VerifyNoEditorOpen();
  }

  void oneInTheLastCellWrapsAndLeavesTheFirstCellAlone() {
    QCOMPARE(RowText(Grid(), 0), QString("101110101101"));
    rig->state.Memory[0] = W("001110101101");
    rig->state.Memory[7] = W("000000000000");
    rig->window.RefreshMemoryView();
    Grid()->setCurrentCell(7, 11);
    QTest::keyClick(Grid(), Qt::Key_1);
    QCOMPARE(soyka::BitsText(rig->state.Memory[7]), std::string("000000000001"));
    QCOMPARE(Grid()->item(7, 11)->text(), QString("1"));
    QCOMPARE(Cursor(rig->window), (GridCell{0, 0}));
    QCOMPARE(Grid()->item(0, 0)->text(), QString("0"));
    QCOMPARE(soyka::BitsText(rig->state.Memory[0]), std::string("001110101101"));
  }

  void shiftZeroInTheFirstCellGoesToTheLast() {
    rig->state.Memory[7] = W("111111111111");
    rig->window.RefreshMemoryView();
    Grid()->setCurrentCell(0, 0);
    QCOMPARE(rig->state.Memory[0][12], std::uint8_t{1});
    // A real Shift+0 press delivers the bare Shift key first.
    QTest::keyClick(Grid(), Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(Grid(), Qt::Key_0, Qt::ShiftModifier);
    QCOMPARE(rig->state.Memory[0][12], std::uint8_t{0});
    QCOMPARE(Grid()->item(0, 0)->text(), QString("0"));
    QCOMPARE(Cursor(rig->window), (GridCell{7, 11}));
    QCOMPARE(Grid()->item(7, 11)->text(), QString("1"));
    QCOMPARE(soyka::BitsText(rig->state.Memory[7]), std::string("111111111111"));
  }

  void tabAndBacktabNeverLeaveTheGrid() {
    Grid()->setCurrentCell(7, 11);
    QTest::keyClick(Grid(), Qt::Key_Tab);
    QCOMPARE(Cursor(rig->window), (GridCell{0, 0}));
    QTest::keyClick(Grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Cursor(rig->window), (GridCell{7, 11}));
    for (int step = 0; step < 96; ++step) {
      QTest::keyClick(Grid(), Qt::Key_Tab);
      QVERIFY(Grid()->hasFocus());
    }
    QCOMPARE(Cursor(rig->window), (GridCell{7, 11}));
    VerifyMemoryUnchanged();
  }

  void composedTextEntersNothing() {
    Grid()->setCurrentCell(3, 4);
    QInputMethodEvent event;
    event.setCommitString("1");
    QApplication::sendEvent(Grid(), &event);
    QCOMPARE(Cursor(rig->window), (GridCell{3, 4}));
    VerifyMemoryUnchanged();
  }

  void leftClickMovesTheCursorOnly() {
    Grid()->setCurrentCell(2, 3);
    const QRect cell = Grid()->visualRect(Grid()->model()->index(5, 7));
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Cursor(rig->window), (GridCell{5, 7}));
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Cursor(rig->window), (GridCell{5, 7}));
    VerifyNoEditorOpen();
    VerifyMemoryUnchanged();
  }

  void otherButtonsLeaveTheCursor_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
  }
  void otherButtonsLeaveTheCursor() {
    QFETCH(int, button);
    Grid()->setCurrentCell(2, 3);
    const QRect cell = Grid()->visualRect(Grid()->model()->index(5, 7));
    QTest::mouseClick(Grid()->viewport(), Qt::MouseButton(button), {}, cell.center());
    QTest::mouseDClick(Grid()->viewport(), Qt::MouseButton(button), {}, cell.center());
    QCOMPARE(Cursor(rig->window), (GridCell{2, 3}));
    VerifyMemoryUnchanged();
  }

  void escapeClosesLikeTheCloseButton() {
    rig->state.MemoryWindowOpen = true;
    rig->views.ClearLog();
    QTest::keyClick(Grid(), Qt::Key_Escape);
    QVERIFY(rig->window.isHidden());
    QVERIFY(!rig->state.MemoryWindowOpen);
    QCOMPARE(rig->views.wantedCalls.size(), std::size_t{1});
    QVERIFY(!rig->views.wantedCalls[0].windowVisible);
    VerifyMemoryUnchanged();
  }
};

int RunMemoryInputTest(int argc, char** argv) {
  MemoryInputTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MemoryInputTest.moc"
