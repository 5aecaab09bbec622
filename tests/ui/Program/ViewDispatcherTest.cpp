// The dispatcher's rule: a view operation builds no window, yet nothing it asks for is lost. A
// window built afterwards draws itself from the state and shows exactly what it shows when every
// window is built at start-up, which is what the learner saw before windows were built on first
// need.
#include "ProgramRig.h"
#include "ViewUpdates.h"
#include "WindowReadings.h"

#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

using soyka::testing::LampColourName;
using soyka::testing::ProgramRig;
using soyka::testing::RowText;

namespace {

using Operations = std::function<void(soyka::MachineState&, soyka::ViewUpdates&)>;
using Reading = std::function<QStringList(soyka::ui::ProgramWindows&)>;

enum class View { Memory, Registers, Display, Pause };

QWidget& Window(soyka::ui::ProgramWindows& windows, View view) {
  switch (view) {
  case View::Memory:
    return windows.memoryWindow();
  case View::Registers:
    return windows.registersWindow();
  case View::Display:
    return windows.displayWindow();
  case View::Pause:
    break;
  }
  return windows.pauseWindow();
}

template <typename Window> bool AnyIs(const std::vector<QWidget*>& windows) {
  return std::any_of(windows.begin(), windows.end(),
                     [](const QWidget* window) { return qobject_cast<const Window*>(window); });
}

// Asked by type, so that asking builds nothing.
bool Built(soyka::ui::ProgramWindows& windows, View view) {
  const auto built = windows.builtWindows();
  switch (view) {
  case View::Memory:
    return AnyIs<MemoryWindow>(built);
  case View::Registers:
    return AnyIs<RegistersWindow>(built);
  case View::Display:
    return AnyIs<DisplayWindow>(built);
  case View::Pause:
    break;
  }
  return AnyIs<PauseWindow>(built);
}

QStringList ReadMemory(soyka::ui::ProgramWindows& windows) {
  MemoryWindow& memory = windows.memoryWindow();
  QStringList seen;
  for (int row = 0; row < soyka::CellCount; ++row) {
    const auto cell = static_cast<std::size_t>(row);
    seen << RowText(memory.grid_, row)
         << QString::number(memory.horizontalMarkers_[cell]->isVisibleTo(&memory))
         << QString::number(memory.verticalMarkers_[cell]->isVisibleTo(&memory));
  }
  seen << QStringLiteral("cursor %1,%2")
              .arg(memory.grid_->currentRow())
              .arg(memory.grid_->currentColumn())
       << LampColourName(memory.inputLamp_->color()) << QString::number(memory.isVisible());
  return seen;
}

QStringList ReadRegisters(soyka::ui::ProgramWindows& windows) {
  RegistersWindow& registers = windows.registersWindow();
  return {RowText(registers.counterCells_), RowText(registers.commandRegisterCells_),
          RowText(registers.accumulatorCells_), QString::number(registers.isVisible())};
}

QStringList ReadDisplay(soyka::ui::ProgramWindows& windows) {
  DisplayWindow& display = windows.displayWindow();
  QStringList seen;
  for (int row = 0; row < soyka::DisplayRowCount; ++row) {
    seen << RowText(display.rowCells_, row)
         << display.valueLabels_[static_cast<std::size_t>(row)]->text();
  }
  return seen;
}

// Read as the learner sees it, during a pause.
QStringList ReadPause(soyka::ui::ProgramWindows& windows) {
  PauseWindow& pause = windows.pauseWindow();
  pause.PauseForTact();
  QStringList seen{pause.addressLabel_->text(), pause.tactLabel_->text(),
                   QString::number(pause.commentsPanel_->isVisibleTo(&pause)),
                   QString::number(pause.continueButton_->isEnabled())};
  for (const QLabel* line : pause.commentLines_) {
    seen << line->text();
  }
  pause.CloseInfoWindow();
  return seen;
}

Reading ReadingOf(View view) {
  switch (view) {
  case View::Memory:
    return ReadMemory;
  case View::Registers:
    return ReadRegisters;
  case View::Display:
    return ReadDisplay;
  case View::Pause:
    break;
  }
  return ReadPause;
}

} // namespace

Q_DECLARE_METATYPE(Operations)
Q_DECLARE_METATYPE(View)

class ViewDispatcherTest : public QObject {
  Q_OBJECT

private slots:
  void anOperationReachesAWindowBuiltAfterIt_data() {
    QTest::addColumn<View>("view");
    QTest::addColumn<Operations>("operations");
    QTest::addColumn<bool>("built");
    using soyka::MachineState;
    using ViewOperations = soyka::ViewUpdates;
    QTest::newRow("memory refreshed after a change")
        << View::Memory << Operations([](MachineState& s, ViewOperations& v) {
             s.Memory[2] = soyka::WordFromValue(0b101100111000);
             v.Views().RefreshMemoryView();
           })
        << false;
    QTest::newRow("memory markers moved")
        << View::Memory
        << Operations([](MachineState&, ViewOperations& v) { v.MoveCellMarker(0, 5); }) << false;
    QTest::newRow("memory marker shown and another hidden")
        << View::Memory << Operations([](MachineState&, ViewOperations& v) {
             v.ShowCellMarker(3);
             v.HideCellMarker(0);
           })
        << false;
    QTest::newRow("input lamps lit")
        << View::Memory << Operations([](MachineState& s, ViewOperations& v) {
             s.InputEnabled = true;
             v.Views().SetInputLamps(true);
           })
        << false;
    QTest::newRow("memory wanted on screen")
        << View::Memory << Operations([](MachineState& s, ViewOperations& v) {
             s.MemoryWindowOpen = true;
             v.Views().ShowWantedWindows();
           })
        << true;
    QTest::newRow("registers refreshed")
        << View::Registers << Operations([](MachineState& s, ViewOperations& v) {
             soyka::SetCounter(s, 5);
             s.CommandRegister = soyka::WordFromValue(0b111000111000);
             v.RefreshCounterView();
             v.RefreshCommandRegisterView();
           })
        << false;
    QTest::newRow("accumulator refreshed, the others never")
        << View::Registers << Operations([](MachineState& s, ViewOperations& v) {
             s.Accumulator = soyka::WordFromValue(7);
             v.RefreshAccumulatorView();
           })
        << false;
    QTest::newRow("registers wanted on screen")
        << View::Registers << Operations([](MachineState& s, ViewOperations& v) {
             s.RegistersWindowOpen = true;
             v.Views().ShowWantedWindows();
           })
        << true;
    QTest::newRow("display row shown, memory changed after")
        << View::Display << Operations([](MachineState& s, ViewOperations& v) {
             s.Memory[3] = soyka::WordFromValue(120);
             v.ClearDisplay();
             v.ShowDisplayRow(2, 3);
             s.Memory[3] = soyka::WordFromValue(0);
           })
        << false;
    QTest::newRow("pause texts set before its first pause")
        << View::Pause << Operations([](MachineState&, ViewOperations& v) {
             v.SetExecutedAddress("101");
             v.SetTactComment(2, {"выборка", "команды из", "ячейки 101"});
             v.SetInfoCommentsVisible(false);
             v.EnableInfoContinue();
           })
        << false;
  }

  void anOperationReachesAWindowBuiltAfterIt() {
    QFETCH(View, view);
    QFETCH(Operations, operations);
    QFETCH(bool, built);
    const Reading read = ReadingOf(view);

    ProgramRig early;
    for (const View each : {View::Registers, View::Memory, View::Display, View::Pause}) {
      Window(early.windows, each);
    }
    soyka::ViewUpdates earlyViews(early.state, early.windows.dispatcher_);
    operations(early.state, earlyViews);

    ProgramRig late;
    QVERIFY(!Built(late.windows, view));
    soyka::ViewUpdates lateViews(late.state, late.windows.dispatcher_);
    operations(late.state, lateViews);
    QCOMPARE(Built(late.windows, view), built);
    QCOMPARE(read(late.windows), read(early.windows));
  }
};

QTEST_MAIN(ViewDispatcherTest)
#include "ViewDispatcherTest.moc"
