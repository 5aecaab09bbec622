// The whole program as a learner meets it: the windows put together, runs started from the
// control panel, pauses answered in the pause window, results read off the views.
#include "EngineTestSupport.h"
#include "ModalDriver.h"
#include "ProgramWindows.h"

#include "Palette.h"

#include <QtTest>

using soyka::testing::FactorialImage;
using soyka::testing::ModalAnswerer;
using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;

namespace {

// Only so that a broken build does not wait for ever.
constexpr int RunBoundMs = 20000;
// Enough ticks to show what every tick of a state does.
constexpr int SomeTicks = 5;

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

QString RowText(const QTableWidget* grid, int row) {
  QString text;
  for (int c = 0; c < grid->columnCount(); ++c) {
    text += CellText(grid, row, c);
  }
  return text;
}

} // namespace

class ProgramTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<soyka::ui::SoykaWindows> windows;

  void Load(const std::vector<soyka::Word12>& image) {
    for (std::size_t i = 0; i < image.size(); ++i) {
      state.Memory[i] = image[i];
    }
    windows->views.RefreshMemoryView();
  }

  void SelectMode(int item) {
    windows->Pult.modeButtons_->button(item)->click();
    QCOMPARE(state.RunMode, item + 2);
  }

  bool PanelIdle() const {
    const ControlPanel& p = windows->Pult;
    return p.runLamp_->color() == soyka::ui::LampRed && p.startButton_->isEnabled() &&
           !p.stopButton_->isEnabled() && p.inputButton_->isEnabled() &&
           p.modeSelector_->isEnabled() && state.Halted;
  }

  void WaitForRunEnd() { QTRY_VERIFY_WITH_TIMEOUT(PanelIdle(), RunBoundMs); }

  void Start() {
    windows->Pult.onStartClicked();
    QCOMPARE(windows->Pult.runLamp_->color(), soyka::ui::LampGreen);
  }

private slots:
  void init() {
    soyka::InitializeMachine(state);
    windows = std::make_unique<soyka::ui::SoykaWindows>(state);
    windows->Show();
    windows->Pult.setTickInterval(1);
  }

  void cleanup() { windows.reset(); }

  void startUpShowsOnlyTheMainWindowAndThePanel() {
    QVERIFY(windows->Form1.isVisible());
    QVERIFY(windows->Pult.isVisible());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             &windows->ALU, &windows->Soyka_mem, &windows->disp, &windows->Info_win,
             &windows->About_avtor, &windows->About_prog, &windows->Thanks, &windows->Inter,
             &windows->primer}) {
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->windowTitle()));
    }
    QVERIFY(PanelIdle());
    QCOMPARE(RowText(windows->Soyka_mem.grid_, 0), QString("000000000000"));
  }

  void factorialInAutoModeShows120ThenWithoutReloading720() {
    Load(FactorialImage);
    Start();
    QVERIFY(!windows->Pult.startButton_->isEnabled());
    QVERIFY(windows->Pult.stopButton_->isEnabled());
    WaitForRunEnd();
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(RowText(windows->disp.rowCells_, row), QString("000001111000"));
    }
    QCOMPARE(windows->disp.valueLabels_[0]->text(), QString("120"));
    QCOMPARE(windows->disp.valueLabels_[1]->text(), QString("120"));
    QCOMPARE(windows->disp.valueLabels_[2]->text(), QString("120"));
    QCOMPARE(RowText(windows->Soyka_mem.grid_, 5), QString("000001111000"));
    QCOMPARE(RowText(windows->ALU.commandRegisterCells_, 0), QString("111101101101"));
    QCOMPARE(RowText(windows->ALU.counterCells_, 0), QString("100"));
    QCOMPARE(windows->Pult.counterLamps_[2]->color(), soyka::ui::LampGreen);
    QCOMPARE(windows->Pult.counterLamps_[1]->color(), soyka::ui::LampGrey);
    QCOMPARE(windows->Pult.counterLamps_[0]->color(), soyka::ui::LampGrey);
    QVERIFY(windows->Soyka_mem.horizontalMarkers_[3]->isVisibleTo(&windows->Soyka_mem));
    QVERIFY(!windows->Soyka_mem.horizontalMarkers_[0]->isVisibleTo(&windows->Soyka_mem));

    Start();
    QCOMPARE(windows->disp.valueLabels_[0]->text(), QString(8, QLatin1Char(' ')));
    QCOMPARE(RowText(windows->disp.rowCells_, 0), QString());
    QCOMPARE(RowText(windows->ALU.counterCells_, 0), QString("000"));
    QVERIFY(windows->Soyka_mem.horizontalMarkers_[0]->isVisibleTo(&windows->Soyka_mem));
    QVERIFY(!windows->Soyka_mem.horizontalMarkers_[3]->isVisibleTo(&windows->Soyka_mem));
    WaitForRunEnd();
    QCOMPARE(windows->disp.valueLabels_[2]->text(), QString("720"));
  }

  void stepModePausesAfterEveryCommandWithItsDescription() {
    Load(FactorialImage);
    SelectMode(1);
    QStringList descriptions;
    ModalAnswerer responder([&](QWidget* modal) {
      QCOMPARE(modal, &windows->Info_win);
      QVERIFY(!windows->Info_win.tactPanel_->isVisibleTo(modal));
      QVERIFY(windows->Info_win.commentsPanel_->isVisibleTo(modal));
      QVERIFY(!windows->Pult.stopButton_->isEnabled());
      descriptions << windows->Info_win.commentLines_[1]->text();
      windows->Info_win.continueButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16);
    QCOMPARE(descriptions.first(), QString(" A1 * A2 ==> A3"));
    QCOMPARE(descriptions.last(), QString(" ВЫВОД, СТОП"));
    QCOMPARE(windows->disp.valueLabels_[1]->text(), QString("120"));
  }

  void tactModeStopInTheFirstPauseEndsTheRunAtOnce() {
    Load(FactorialImage);
    SelectMode(2);
    int pauses = 0;
    ModalAnswerer responder([&](QWidget*) {
      ++pauses;
      QCOMPARE(windows->Info_win.tactLabel_->text(), QString("1"));
      QCOMPARE(windows->Info_win.commentLines_[2]->text(), QString("ячейки 000"));
      QCOMPARE(windows->Info_win.tactPanel_->x(), 70);
      windows->Info_win.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(pauses, 1);
    QCOMPARE(state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(state.Counter, 0);
    QCOMPARE(RowText(windows->ALU.counterCells_, 0), QString("000"));
  }

  void tactModeRunsTheWholeProgramWithFivePausesPerCommand() {
    Load(FactorialImage);
    SelectMode(2);
    ModalAnswerer responder([&](QWidget*) { windows->Info_win.continueButton_->click(); });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16 * 5);
    QCOMPARE(windows->disp.valueLabels_[0]->text(), QString("120"));
  }

  void overflowInAutoModeShowsTheErrorThenThePauseWithTheError() {
    Load({soyka::testing::Cmd(soyka::OpcodeAdd, 7, 7, 6),
          {},
          {},
          {},
          {},
          {},
          {},
          soyka::WordFromValue(4000)});
    QStringList seen;
    ModalAnswerer responder([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << box->text();
        QVERIFY(!windows->Pult.stopButton_->isEnabled());
        PressMessageBoxButton(modal);
        return;
      }
      seen << windows->Info_win.errorLabel_->text();
      QVERIFY(!windows->Info_win.continueButton_->isEnabled());
      QVERIFY(windows->Info_win.errorPanel_->isVisibleTo(modal));
      QVERIFY(!windows->Info_win.commentsPanel_->isVisibleTo(modal));
      QVERIFY(!windows->Info_win.tactPanel_->isVisibleTo(modal));
      windows->Info_win.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(seen, (QStringList{"Переполнение!", "Переполнение!"}));
    QCOMPARE(state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(RowText(windows->Soyka_mem.grid_, 6), QString("000000000000"));
  }

  void panelStopEndsAnEndlessAutoRun() {
    Load({soyka::testing::Cmd(soyka::OpcodeJumpIfEqual, 0, 0, 0)});
    Start();
    QTRY_VERIFY(RowText(windows->ALU.commandRegisterCells_, 0) == QString("100000000000"));
    windows->Pult.stopButton_->click();
    QVERIFY(PanelIdle());
    QVERIFY(state.ErrorMessage.empty());
  }

  void inputButtonOpensMemoryForTypingUntilAnotherWindowIsActivated() {
    windows->Pult.inputButton_->click();
    QVERIFY(windows->Soyka_mem.isVisible());
    QVERIFY(state.InputEnabled);
    QCOMPARE(windows->Pult.inputLamp_->color(), soyka::ui::LampGreen);
    QCOMPARE(windows->Soyka_mem.inputLamp_->color(), soyka::ui::LampGreen);
    windows->Soyka_mem.activateWindow();
    QTRY_VERIFY(windows->Soyka_mem.grid_->hasFocus());

    for (const char* bits : {"101110101101"}) {
      for (const char* bit = bits; *bit != 0; ++bit) {
        QTest::keyClick(windows->Soyka_mem.grid_, *bit);
      }
    }
    QCOMPARE(soyka::BitsText(state.Memory[0]), std::string("101110101101"));
    QCOMPARE(RowText(windows->Soyka_mem.grid_, 0), QString("101110101101"));

    windows->Form1.activateWindow();
    QTRY_VERIFY(!state.InputEnabled);
    QCOMPARE(windows->Pult.inputLamp_->color(), soyka::ui::LampRed);
    QCOMPARE(windows->Soyka_mem.inputLamp_->color(), soyka::ui::LampRed);
  }

  void timerKeepsFiringButNoCommandRunsWhileAPauseWaits() {
    Load(FactorialImage);
    SelectMode(1);
    // Counted by a queued call, as the panel's handler is called: every tick counted was handled.
    int ticks = 0;
    QObject counter;
    connect(
        windows->Pult.tickTimer_, &QTimer::timeout, &counter, [&ticks] { ++ticks; },
        Qt::QueuedConnection);
    std::string registerDuringWait;
    bool ticksDuringWait = false;
    ModalAnswerer responder([&](QWidget*) {
      const int before = ticks;
      registerDuringWait = soyka::BitsText(state.CommandRegister);
      ticksDuringWait = QTest::qWaitFor([&] { return ticks - before > SomeTicks; }, RunBoundMs);
      QCOMPARE(soyka::BitsText(state.CommandRegister), registerDuringWait);
      QCOMPARE(state.Counter, 1);
      windows->Info_win.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QVERIFY(ticksDuringWait);
    QCOMPARE(registerDuringWait, std::string("101110101101"));
  }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
