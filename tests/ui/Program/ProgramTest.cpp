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
  std::unique_ptr<soyka::ui::ProgramWindows> windows;

  void Load(const std::vector<soyka::Word12>& image) {
    for (std::size_t i = 0; i < image.size(); ++i) {
      state.Memory[i] = image[i];
    }
    windows->dispatcher_.RefreshMemoryView();
  }

  void SelectMode(int item) {
    windows->controlPanel_.modeButtons_->button(item)->click();
    QCOMPARE(state.RunMode, item + 2);
  }

  bool PanelIdle() const {
    const ControlPanel& p = windows->controlPanel_;
    return p.runLamp_->color() == soyka::ui::LampRed && p.startButton_->isEnabled() &&
           !p.stopButton_->isEnabled() && p.inputButton_->isEnabled() &&
           p.modeSelector_->isEnabled() && state.Halted;
  }

  void WaitForRunEnd() { QTRY_VERIFY_WITH_TIMEOUT(PanelIdle(), RunBoundMs); }

  void Start() {
    windows->controlPanel_.onStartClicked();
    QCOMPARE(windows->controlPanel_.runLamp_->color(), soyka::ui::LampGreen);
  }

private slots:
  void init() {
    soyka::InitializeMachine(state);
    windows = std::make_unique<soyka::ui::ProgramWindows>(state);
    windows->show();
    windows->controlPanel_.setTickInterval(1);
  }

  void cleanup() { windows.reset(); }

  void startUpShowsOnlyTheMainWindowAndThePanel() {
    QVERIFY(windows->mainWindow_.isVisible());
    QVERIFY(windows->controlPanel_.isVisible());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             &windows->registersWindow_, &windows->memoryWindow_, &windows->displayWindow_,
             &windows->pauseWindow_, &windows->aboutAuthor_, &windows->aboutProgram_,
             &windows->thanks_, &windows->interfaceHelp_, &windows->example_}) {
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->windowTitle()));
    }
    QVERIFY(PanelIdle());
    QCOMPARE(RowText(windows->memoryWindow_.grid_, 0), QString("000000000000"));
  }

  void factorialInAutoModeShows120ThenWithoutReloading720() {
    Load(FactorialImage);
    Start();
    QVERIFY(!windows->controlPanel_.startButton_->isEnabled());
    QVERIFY(windows->controlPanel_.stopButton_->isEnabled());
    WaitForRunEnd();
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(RowText(windows->displayWindow_.rowCells_, row), QString("000001111000"));
    }
    QCOMPARE(windows->displayWindow_.valueLabels_[0]->text(), QString("120"));
    QCOMPARE(windows->displayWindow_.valueLabels_[1]->text(), QString("120"));
    QCOMPARE(windows->displayWindow_.valueLabels_[2]->text(), QString("120"));
    QCOMPARE(RowText(windows->memoryWindow_.grid_, 5), QString("000001111000"));
    QCOMPARE(RowText(windows->registersWindow_.commandRegisterCells_, 0), QString("111101101101"));
    QCOMPARE(RowText(windows->registersWindow_.counterCells_, 0), QString("100"));
    QCOMPARE(windows->controlPanel_.counterLamps_[2]->color(), soyka::ui::LampGreen);
    QCOMPARE(windows->controlPanel_.counterLamps_[1]->color(), soyka::ui::LampGrey);
    QCOMPARE(windows->controlPanel_.counterLamps_[0]->color(), soyka::ui::LampGrey);
    QVERIFY(windows->memoryWindow_.horizontalMarkers_[3]->isVisibleTo(&windows->memoryWindow_));
    QVERIFY(!windows->memoryWindow_.horizontalMarkers_[0]->isVisibleTo(&windows->memoryWindow_));

    Start();
    QCOMPARE(windows->displayWindow_.valueLabels_[0]->text(), QString(8, QLatin1Char(' ')));
    QCOMPARE(RowText(windows->displayWindow_.rowCells_, 0), QString());
    QCOMPARE(RowText(windows->registersWindow_.counterCells_, 0), QString("000"));
    QVERIFY(windows->memoryWindow_.horizontalMarkers_[0]->isVisibleTo(&windows->memoryWindow_));
    QVERIFY(!windows->memoryWindow_.horizontalMarkers_[3]->isVisibleTo(&windows->memoryWindow_));
    WaitForRunEnd();
    QCOMPARE(windows->displayWindow_.valueLabels_[2]->text(), QString("720"));
  }

  void stepModePausesAfterEveryCommandWithItsDescription() {
    Load(FactorialImage);
    SelectMode(1);
    QStringList descriptions;
    ModalAnswerer responder([&](QWidget* modal) {
      QCOMPARE(modal, &windows->pauseWindow_);
      QVERIFY(!windows->pauseWindow_.tactPanel_->isVisibleTo(modal));
      QVERIFY(windows->pauseWindow_.commentsPanel_->isVisibleTo(modal));
      QVERIFY(!windows->controlPanel_.stopButton_->isEnabled());
      descriptions << windows->pauseWindow_.commentLines_[1]->text();
      windows->pauseWindow_.continueButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16);
    QCOMPARE(descriptions.first(), QString(" A1 * A2 ==> A3"));
    QCOMPARE(descriptions.last(), QString(" ВЫВОД, СТОП"));
    QCOMPARE(windows->displayWindow_.valueLabels_[1]->text(), QString("120"));
  }

  void tactModeStopInTheFirstPauseEndsTheRunAtOnce() {
    Load(FactorialImage);
    SelectMode(2);
    int pauses = 0;
    ModalAnswerer responder([&](QWidget*) {
      ++pauses;
      QCOMPARE(windows->pauseWindow_.tactLabel_->text(), QString("1"));
      QCOMPARE(windows->pauseWindow_.commentLines_[2]->text(), QString("ячейки 000"));
      QCOMPARE(windows->pauseWindow_.tactPanel_->x(), 70);
      windows->pauseWindow_.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(pauses, 1);
    QCOMPARE(state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(state.Counter, 0);
    QCOMPARE(RowText(windows->registersWindow_.counterCells_, 0), QString("000"));
  }

  void tactModeRunsTheWholeProgramWithFivePausesPerCommand() {
    Load(FactorialImage);
    SelectMode(2);
    ModalAnswerer responder([&](QWidget*) { windows->pauseWindow_.continueButton_->click(); });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16 * 5);
    QCOMPARE(windows->displayWindow_.valueLabels_[0]->text(), QString("120"));
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
        QVERIFY(!windows->controlPanel_.stopButton_->isEnabled());
        PressMessageBoxButton(modal);
        return;
      }
      seen << windows->pauseWindow_.errorLabel_->text();
      QVERIFY(!windows->pauseWindow_.continueButton_->isEnabled());
      QVERIFY(windows->pauseWindow_.errorPanel_->isVisibleTo(modal));
      QVERIFY(!windows->pauseWindow_.commentsPanel_->isVisibleTo(modal));
      QVERIFY(!windows->pauseWindow_.tactPanel_->isVisibleTo(modal));
      windows->pauseWindow_.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(seen, (QStringList{"Переполнение!", "Переполнение!"}));
    QCOMPARE(state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(RowText(windows->memoryWindow_.grid_, 6), QString("000000000000"));
  }

  void panelStopEndsAnEndlessAutoRun() {
    Load({soyka::testing::Cmd(soyka::OpcodeJumpIfEqual, 0, 0, 0)});
    Start();
    QTRY_VERIFY(RowText(windows->registersWindow_.commandRegisterCells_, 0) ==
                QString("100000000000"));
    windows->controlPanel_.stopButton_->click();
    QVERIFY(PanelIdle());
    QVERIFY(state.ErrorMessage.empty());
  }

  void inputButtonOpensMemoryForTypingUntilAnotherWindowIsActivated() {
    windows->controlPanel_.inputButton_->click();
    QVERIFY(windows->memoryWindow_.isVisible());
    QVERIFY(state.InputEnabled);
    QCOMPARE(windows->controlPanel_.inputLamp_->color(), soyka::ui::LampGreen);
    QCOMPARE(windows->memoryWindow_.inputLamp_->color(), soyka::ui::LampGreen);
    windows->memoryWindow_.activateWindow();
    QTRY_VERIFY(windows->memoryWindow_.grid_->hasFocus());

    for (const char* bits : {"101110101101"}) {
      for (const char* bit = bits; *bit != 0; ++bit) {
        QTest::keyClick(windows->memoryWindow_.grid_, *bit);
      }
    }
    QCOMPARE(soyka::BitsText(state.Memory[0]), std::string("101110101101"));
    QCOMPARE(RowText(windows->memoryWindow_.grid_, 0), QString("101110101101"));

    windows->mainWindow_.activateWindow();
    QTRY_VERIFY(!state.InputEnabled);
    QCOMPARE(windows->controlPanel_.inputLamp_->color(), soyka::ui::LampRed);
    QCOMPARE(windows->memoryWindow_.inputLamp_->color(), soyka::ui::LampRed);
  }

  void timerKeepsFiringButNoCommandRunsWhileAPauseWaits() {
    Load(FactorialImage);
    SelectMode(1);
    // Counted by a queued call, as the panel's handler is called: every tick counted was handled.
    int ticks = 0;
    QObject counter;
    connect(
        windows->controlPanel_.tickTimer_, &QTimer::timeout, &counter, [&ticks] { ++ticks; },
        Qt::QueuedConnection);
    std::string registerDuringWait;
    bool ticksDuringWait = false;
    ModalAnswerer responder([&](QWidget*) {
      const int before = ticks;
      registerDuringWait = soyka::BitsText(state.CommandRegister);
      ticksDuringWait = QTest::qWaitFor([&] { return ticks - before > SomeTicks; }, RunBoundMs);
      QCOMPARE(soyka::BitsText(state.CommandRegister), registerDuringWait);
      QCOMPARE(state.Counter, 1);
      windows->pauseWindow_.stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QVERIFY(ticksDuringWait);
    QCOMPARE(registerDuringWait, std::string("101110101101"));
  }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
