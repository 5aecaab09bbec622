// The window as the engine and the run loop see it: markers, cursor and grid during a run.
#include "MemoryTestSupport.h"
#include "MemoryWindowTests.h"
#include "Palette.h"

#include <QSignalSpy>
#include <QTest>
#include <memory>

using soyka::testing::Cursor;
using soyka::testing::FactorialImage;
using soyka::testing::GridMismatch;
using soyka::testing::MarkerState;
using soyka::testing::MemoryWindowRig;
using soyka::testing::RowText;
using soyka::testing::ShowActive;
using soyka::ui::GridCell;

class MemoryRunTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MemoryWindowRig> rig;

  // Which of the window's widgets are shown, in a fixed order.
  QList<bool> ChildrenShown() const {
    QList<bool> shown;
    for (const QWidget* child : rig->window.findChildren<QWidget*>()) {
      shown << !child->isHidden();
    }
    return shown;
  }

private slots:
  void init() { rig = std::make_unique<MemoryWindowRig>(FactorialImage); }
  void cleanup() { rig.reset(); }

  void factorialRun_data() {
    QTest::addColumn<int>("runMode");
    QTest::addColumn<bool>("shown");
    for (const auto& [name, mode] :
         {std::pair{"Auto", soyka::RunModeAuto}, std::pair{"Step", soyka::RunModeStep},
          std::pair{"Tact", soyka::RunModeTact}}) {
      QTest::newRow(qPrintable(QString("%1, hidden").arg(name))) << mode << false;
      QTest::newRow(qPrintable(QString("%1, shown").arg(name))) << mode << true;
    }
  }
  void factorialRun() {
    QFETCH(int, runMode);
    QFETCH(bool, shown);
    MemoryWindow& window = rig->window;
    if (shown) {
      QVERIFY(ShowActive(window));
    }
    window.MoveCellMarker(2, 6);
    rig->state.RunMode = runMode;

    QStringList problems;
    int moves = 0;
    rig->views.afterMove = [&](int from, int to) {
      ++moves;
      if (Cursor(window) != GridCell{to, 11}) {
        problems << QString("move %1 -> %2 left the cursor elsewhere").arg(from).arg(to);
      }
      if (MarkerState(window) != QString::number(to)) {
        problems << QString("move %1 -> %2 marks %3").arg(from).arg(to).arg(MarkerState(window));
      }
      if (!GridMismatch(window, rig->state).isEmpty()) {
        problems << GridMismatch(window, rig->state);
      }
    };
    int pauses = 0;
    rig->views.atPause = [&] {
      ++pauses;
      // Every store has been shown by the time the learner is asked to go on.
      if (!GridMismatch(window, rig->state).isEmpty()) {
        problems << QString("pause %1: %2").arg(pauses).arg(GridMismatch(window, rig->state));
      }
      if (window.isVisible() != shown) {
        problems << QString("pause %1: the window changed visibility").arg(pauses);
      }
    };

    soyka::StartRun(rig->state, rig->views);
    QCOMPARE(MarkerState(window), QString("0"));
    QCOMPARE(window.inputLamp_->color(), soyka::ui::LampRed);
    soyka::TickOutcome outcome = soyka::TickOutcome::RunGoesOn;
    for (int tick = 0; tick < 100 && outcome == soyka::TickOutcome::RunGoesOn; ++tick) {
      outcome = soyka::RunTick(rig->state, rig->views);
    }

    QCOMPARE(outcome, soyka::TickOutcome::RunEnded);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    // Five trips round the loop of three commands, then the output.
    QCOMPARE(moves, 16);
    QCOMPARE(pauses > 0, runMode != soyka::RunModeAuto);
    QCOMPARE(soyka::WordValue(rig->state.Memory[5]), 120);
    QCOMPARE(RowText(window.grid_, 5), QString("000001111000"));
    QCOMPARE(GridMismatch(window, rig->state), QString());
    QCOMPARE(Cursor(window), (GridCell{3, 11}));
    QCOMPARE(MarkerState(window), QString("3"));
    QCOMPARE(window.isVisible(), shown);
  }

  void moveCellMarker_data() {
    QTest::addColumn<QList<int>>("shownBefore");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("marked");
    QTest::newRow("first fetch after start") << QList<int>{0} << 0 << 0 << "0";
    QTest::newRow("same cell stays marked") << QList<int>{3} << 3 << 3 << "3";
    QTest::newRow("same cell that was not marked") << QList<int>{} << 3 << 3 << "3";
    QTest::newRow("on to the next cell") << QList<int>{0} << 0 << 1 << "1";
    QTest::newRow("jump back") << QList<int>{6} << 6 << 2 << "2";
    QTest::newRow("wrap from 7 to 0") << QList<int>{7} << 7 << 0 << "0";
    QTest::newRow("other marks stay") << QList<int>{0, 5} << 5 << 6 << "0,6";
  }
  void moveCellMarker() {
    QFETCH(QList<int>, shownBefore);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, marked);
    for (int cell = 0; cell < soyka::CellCount; ++cell) {
      rig->window.HideCellMarker(cell);
    }
    for (const int cell : shownBefore) {
      rig->window.ShowCellMarker(cell);
    }
    rig->window.grid_->setCurrentCell(5, 5);
    rig->window.MoveCellMarker(from, to);
    QCOMPARE(MarkerState(rig->window), marked);
    QCOMPARE(Cursor(rig->window), (GridCell{to, 11}));
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
  }

  void markersOutsideTheCellsChangeNothing_data() {
    QTest::addColumn<int>("cell");
    QTest::newRow("-1") << -1;
    QTest::newRow("8") << 8;
    QTest::newRow("100") << 100;
  }
  void markersOutsideTheCellsChangeNothing() {
    QFETCH(int, cell);
    rig->window.ShowCellMarker(4);
    const QList<bool> shownBefore = ChildrenShown();
    rig->window.ShowCellMarker(cell);
    QCOMPARE(MarkerState(rig->window), QString("0,4"));
    rig->window.HideCellMarker(cell);
    QCOMPARE(MarkerState(rig->window), QString("0,4"));
    QCOMPARE(ChildrenShown(), shownBefore);

    // Moving to no cell keeps the cursor in the grid, where the next bit can go.
    rig->window.grid_->setCurrentCell(5, 5);
    rig->window.MoveCellMarker(4, cell);
    QCOMPARE(Cursor(rig->window), (GridCell{5, 5}));
    QCOMPARE(MarkerState(rig->window), QString("0"));
  }

  void startResetsTheMarkersToCellZero() {
    rig->window.MoveCellMarker(0, 3);
    rig->window.ShowCellMarker(6);
    soyka::StartRun(rig->state, rig->views);
    QCOMPARE(MarkerState(rig->window), QString("0"));
  }

  void refreshWritesOnlyChangedCells() {
    QSignalSpy changes(rig->window.grid_, &QTableWidget::itemChanged);
    rig->window.RefreshMemoryView();
    QCOMPARE(changes.count(), 0);

    // Cell 100 holds 000000000110; bit 4 is column 8.
    rig->state.Memory[4][4] = 1;
    rig->window.RefreshMemoryView();
    QCOMPARE(changes.count(), 1);
    const auto* item = changes[0][0].value<QTableWidgetItem*>();
    QCOMPARE(item->row(), 4);
    QCOMPARE(item->column(), 8);
    QCOMPARE(item->text(), QString("1"));
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
  }

  void viewOperationsNeverShowTheWindow() {
    rig->window.RefreshMemoryView();
    rig->window.MoveCellMarker(0, 4);
    rig->window.ShowCellMarker(2);
    rig->window.HideCellMarker(2);
    rig->window.setInputLamp(true);
    QVERIFY(rig->window.isHidden());
    QCOMPARE(Cursor(rig->window), (GridCell{4, 11}));
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampGreen);
  }
};

int RunMemoryRunTest(int argc, char** argv) {
  MemoryRunTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MemoryRunTest.moc"
