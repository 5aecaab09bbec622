#include "Invariants.h"

#include "Palette.h"
#include "WindowReadings.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>
#include <string>

namespace soyka::monkey {
namespace {

using testing::LampColourName;
using testing::RowText;

QString Bits(const auto& row) {
  return QString::fromStdString(BitsText(row));
}

template <int Count> bool AllBits(const BitRow<Count>& row) {
  for (int k = 1; k <= Count; ++k) {
    if (row[k] > 1) {
      return false;
    }
  }
  return true;
}

void CheckWords(const MachineState& state, QStringList& broken) {
  for (int cell = 0; cell < CellCount; ++cell) {
    if (!AllBits(state.Memory[static_cast<std::size_t>(cell)])) {
      broken << QStringLiteral("Memory cell %1 holds a bit that is neither 0 nor 1").arg(cell);
    }
  }
  if (!AllBits(state.CommandRegister) || !AllBits(state.Accumulator) ||
      !AllBits(state.CounterBits)) {
    broken << QStringLiteral("a register holds a bit that is neither 0 nor 1");
  }
  int counterValue = 0;
  for (int k = CounterBitCount; k >= 1; --k) {
    counterValue = counterValue * 2 + state.CounterBits[k];
  }
  if (state.Counter < 0 || state.Counter >= CellCount || counterValue != state.Counter) {
    broken << QStringLiteral("Counter is %1 but CounterBits read %2")
                  .arg(state.Counter)
                  .arg(Bits(state.CounterBits));
  }
  if (state.PreviousCounter < 0 || state.PreviousCounter >= CellCount) {
    broken << QStringLiteral("PreviousCounter %1 names no cell").arg(state.PreviousCounter);
  }
}

void CheckMemoryGrid(const MachineState& state, const QTableWidget* grid, QStringList& broken) {
  for (int row = 0; row < CellCount; ++row) {
    const QString shown = RowText(grid, row);
    const QString held = Bits(state.Memory[static_cast<std::size_t>(row)]);
    if (shown != held) {
      broken << QStringLiteral("memory grid row %1 shows \"%2\" but Memory holds %3")
                    .arg(row)
                    .arg(shown, held);
    }
  }
}

// The registers window shows nothing until its first refresh, and the registers ever after.
void CheckRegisters(const MachineState& state, const RegistersWindow& registers,
                    QStringList& broken) {
  const struct {
    const QTableWidget* grid;
    QString held;
    const char* name;
  } rows[] = {{registers.counterCells_, Bits(state.CounterBits), "counter"},
              {registers.commandRegisterCells_, Bits(state.CommandRegister), "command register"},
              {registers.accumulatorCells_, Bits(state.Accumulator), "accumulator"}};
  for (const auto& row : rows) {
    const QString shown = RowText(row.grid, 0);
    if (!shown.isEmpty() && shown != row.held) {
      broken << QStringLiteral("the registers window's %1 shows \"%2\" but the machine holds %3")
                    .arg(QLatin1String(row.name), shown, row.held);
    }
  }
}

// Each row is a memory cell as it was when shown, so the display is held to itself: a row's value
// is the number its bits make, and a blank row has no value.
void CheckDisplay(const DisplayWindow& display, QStringList& broken) {
  for (int row = 0; row < DisplayRowCount; ++row) {
    const QString bits = RowText(display.rowCells_, row);
    const QString value = display.valueLabels_[static_cast<std::size_t>(row)]->text().trimmed();
    const QString expected = bits.isEmpty() ? QString() : QString::number(bits.toInt(nullptr, 2));
    if (value != expected) {
      broken << QStringLiteral("the display's row %1 shows \"%2\" with the value \"%3\"")
                    .arg(row + 1)
                    .arg(bits, value);
    }
  }
}

void CheckMarkers(const MachineState& state, const MemoryWindow& memory, QStringList& broken) {
  QList<int> marked;
  for (int cell = 0; cell < CellCount; ++cell) {
    const auto index = static_cast<std::size_t>(cell);
    const bool horizontal = memory.horizontalMarkers_[index]->isVisibleTo(&memory);
    if (horizontal != memory.verticalMarkers_[index]->isVisibleTo(&memory)) {
      broken << QStringLiteral("only one bar of cell %1's marker pair is visible").arg(cell);
    }
    if (horizontal) {
      marked << cell;
    }
  }
  if (marked != QList<int>{state.PreviousCounter}) {
    QStringList cells;
    for (const int cell : marked) {
      cells << QString::number(cell);
    }
    broken << QStringLiteral("markers stand at cells {%1} but the last fetch was from cell %2")
                  .arg(cells.join(QLatin1Char(',')))
                  .arg(state.PreviousCounter);
  }
}

void CheckLamps(const MachineState& state, ui::ProgramWindows& windows, bool strictInput,
                QStringList& broken) {
  const QColor input = state.InputEnabled ? ui::LampGreen : ui::LampRed;
  const MemoryWindow* memory = BuiltWindow<MemoryWindow>(windows);
  // A memory window not built yet comes up with its lamp red.
  const QColor memoryLamp = memory ? memory->inputLamp_->color() : ui::LampRed;
  if (windows.controlPanel_.inputLamp_->color() != input || memoryLamp != input) {
    broken << QStringLiteral("InputEnabled is %1 but the input lamps are %2 (panel) and %3 "
                             "(memory)")
                  .arg(state.InputEnabled ? "set" : "clear")
                  .arg(LampColourName(windows.controlPanel_.inputLamp_->color()),
                       LampColourName(memoryLamp));
  }
  if (strictInput && state.InputEnabled && QApplication::activeWindow() != memory) {
    const QWidget* active = QApplication::activeWindow();
    broken << QStringLiteral("memory input is still enabled while %1 is the active window")
                  .arg(active ? QStringLiteral("\"%1\"").arg(active->windowTitle())
                              : QStringLiteral("no window"));
  }
  for (int k = 1; k <= CounterBitCount; ++k) {
    const QColor lamp =
        windows.controlPanel_.counterLamps_[static_cast<std::size_t>(k - 1)]->color();
    if (lamp != (state.CounterBits[k] != 0 ? ui::LampGreen : ui::LampGrey)) {
      broken << QStringLiteral("the counter lamp of bit %1 is %2 but CounterBits[%1] is %3")
                    .arg(k)
                    .arg(LampColourName(lamp))
                    .arg(state.CounterBits[k]);
    }
  }
}

QString Enabled(const QWidget* widget) {
  return widget->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
}

// The panel-state table: idle, running Auto, running Step or Tact.
void CheckPanel(const MachineState& state, const ControlPanel& panel, QStringList& broken) {
  const QColor work = panel.runLamp_->color();
  if (work != ui::LampRed && work != ui::LampGreen) {
    broken << QStringLiteral("the run lamp is %1").arg(LampColourName(work));
    return;
  }
  const int item = panel.modeButtons_->checkedId();
  if (state.RunMode != item + RunModeAuto) {
    broken << QStringLiteral("RunMode is %1 but the selector shows item %2")
                  .arg(state.RunMode)
                  .arg(item);
  }
  const bool running = work == ui::LampGreen;
  const bool stopExpected = running && state.RunMode == RunModeAuto && state.ErrorMessage.empty();
  // Between ticks a run has Halted clear; it waits for an answer only with it set.
  const bool waiting = state.Cycle.Waiting != Wait::None;
  const bool haltedExpected = !running || waiting;
  if (panel.startButton_->isEnabled() == running ||
      panel.stopButton_->isEnabled() != stopExpected ||
      panel.inputButton_->isEnabled() == running || panel.modeSelector_->isEnabled() == running ||
      state.Halted != haltedExpected) {
    broken << QStringLiteral("panel %1 (mode %2, %3, ErrorMessage \"%4\"): "
                             "ПУСК %5, СТОП %6, ВВОД %7, selector %8, Halted %9")
                  .arg(running ? "running" : "idle")
                  .arg(state.RunMode)
                  .arg(waiting ? "waiting for an answer" : "not waiting")
                  .arg(QString::fromStdString(state.ErrorMessage), Enabled(panel.startButton_),
                       Enabled(panel.stopButton_), Enabled(panel.inputButton_),
                       Enabled(panel.modeSelector_),
                       state.Halted ? QStringLiteral("set") : QStringLiteral("clear"));
  }
  if (!running && waiting) {
    broken << QStringLiteral("the run waits for an answer while the panel shows no run");
  }
  if (running && state.InputEnabled) {
    broken << QStringLiteral("memory input is enabled during a run");
  }
}

// Only a view's own close button hides it, and that clears the flag the showing sets.
void CheckViews(const MachineState& state, ui::ProgramWindows& windows, QStringList& broken) {
  const struct {
    const QWidget* window;
    bool wanted;
    const char* name;
  } views[] = {{BuiltWindow<MemoryWindow>(windows), state.MemoryWindowOpen, "memory"},
               {BuiltWindow<RegistersWindow>(windows), state.RegistersWindowOpen, "registers"},
               {BuiltWindow<DisplayWindow>(windows), state.DisplayWindowOpen, "display"}};
  for (const auto& view : views) {
    const bool shown = view.window && view.window->isVisible();
    if (shown != view.wanted) {
      broken << QStringLiteral("the %1 window is %2 but its open flag is %3")
                    .arg(QLatin1String(view.name))
                    .arg(shown ? "on screen" : "hidden")
                    .arg(view.wanted ? "set" : "clear");
    }
  }
  if (!windows.controlPanel_.isVisible()) {
    broken << QStringLiteral("the control panel is not on screen");
  }
  if (!windows.mainWindow_.isVisible()) {
    broken << QStringLiteral("the main window closed without the exit question's Yes");
  }
}

} // namespace

bool IsErrorBox(const QWidget* modal) {
  const auto* box = qobject_cast<const QMessageBox*>(modal);
  return box && box->icon() == QMessageBox::Critical;
}

namespace {

// An answer can come only from a window on screen: a run that waits for one shows it.
void CheckWaitOnScreen(const MachineState& state, ui::ProgramWindows& windows,
                       QStringList& broken) {
  const Wait waiting = state.Cycle.Waiting;
  if (waiting == Wait::None) {
    return;
  }
  bool shown = false;
  if (waiting == Wait::ErrorBox) {
    const QWidgetList windowsUp = QApplication::topLevelWidgets();
    shown = std::ranges::any_of(windowsUp,
                                [](const QWidget* w) { return IsErrorBox(w) && w->isVisible(); });
  } else {
    const PauseWindow* pause = BuiltWindow<PauseWindow>(windows);
    shown = pause && pause->isVisible();
  }
  if (!shown) {
    broken << QStringLiteral("the run waits for an answer that nothing on screen can give");
  }
}

// Only the main window's closing ends the program: a window built later that ended it would take
// the learner's unsaved program with it.
void CheckOnlyMainWindowQuits(ui::ProgramWindows& windows, QStringList& broken) {
  for (const QWidget* window : windows.builtWindows()) {
    const bool main = window == &windows.mainWindow_;
    if (window->testAttribute(Qt::WA_QuitOnClose) != main) {
      broken << QStringLiteral("closing «%1» %2 the program")
                    .arg(window->windowTitle(),
                         main ? QStringLiteral("does not end") : QStringLiteral("ends"));
    }
  }
}

} // namespace

QString BrokenInvariant(const MachineState& state, ui::ProgramWindows& windows, bool strictInput) {
  QStringList broken;
  CheckWords(state, broken);
  if (const MemoryWindow* memory = BuiltWindow<MemoryWindow>(windows)) {
    CheckMemoryGrid(state, memory->grid_, broken);
    CheckMarkers(state, *memory, broken);
  }
  if (const RegistersWindow* registers = BuiltWindow<RegistersWindow>(windows)) {
    CheckRegisters(state, *registers, broken);
  }
  if (const DisplayWindow* display = BuiltWindow<DisplayWindow>(windows)) {
    CheckDisplay(*display, broken);
  }
  CheckLamps(state, windows, strictInput, broken);
  CheckPanel(state, windows.controlPanel_, broken);
  CheckViews(state, windows, broken);
  CheckWaitOnScreen(state, windows, broken);
  CheckOnlyMainWindowQuits(windows, broken);
  return broken.join(QStringLiteral("; "));
}

QString BrokenModalInvariant(const MachineState& state, ui::ProgramWindows& windows,
                             const QWidget* modal) {
  const bool pause = modal && modal == BuiltWindow<PauseWindow>(windows);
  if (!pause && !IsErrorBox(modal)) {
    return {};
  }
  const QString what = pause ? QStringLiteral("the pause window") : QStringLiteral("an error box");
  if (!state.Halted) {
    return what + QStringLiteral(" waits with Halted clear: the next tick would enter "
                                 "ExecuteCommand again");
  }
  const Wait waiting = state.Cycle.Waiting;
  const bool answerAwaited = pause ? waiting == Wait::TactPause || waiting == Wait::CommandPause
                                   : waiting == Wait::ErrorBox;
  if (!answerAwaited) {
    return what + QStringLiteral(" is up while the run waits for no answer from it");
  }
  return {};
}

} // namespace soyka::monkey
