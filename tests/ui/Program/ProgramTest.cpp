// The whole program as a learner meets it: the windows put together, runs started from the
// control panel, pauses answered in the pause window, results read off the views.
#include "EngineTestSupport.h"
#include "ModalDriver.h"
#include "ProgramRig.h"
#include "WindowReadings.h"

#include "Palette.h"

#include <QtTest>

using soyka::testing::FactorialImage;
using soyka::testing::ModalAnswerer;
using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;
using soyka::testing::ProgramRig;
using soyka::testing::RowText;

namespace {

// Only so that a broken build does not wait for ever.
constexpr int RunBoundMs = 20000;
// Enough ticks to show what every tick of a state does.
constexpr int SomeTicks = 5;

} // namespace

class ProgramTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramRig> rig;

  void Load(const std::vector<soyka::Word12>& image) {
    for (std::size_t i = 0; i < image.size(); ++i) {
      rig->state.Memory[i] = image[i];
    }
    rig->windows.dispatcher_.RefreshMemoryView();
  }

  void SelectMode(int item) {
    rig->windows.controlPanel_.modeButtons_->button(item)->click();
    QCOMPARE(rig->state.RunMode, item + 2);
  }

  bool PanelIdle() const {
    const ControlPanel& p = rig->windows.controlPanel_;
    return p.runLamp_->color() == soyka::ui::LampRed && p.startButton_->isEnabled() &&
           !p.stopButton_->isEnabled() && p.inputButton_->isEnabled() &&
           p.modeSelector_->isEnabled() && rig->state.Halted;
  }

  void WaitForRunEnd() { QTRY_VERIFY_WITH_TIMEOUT(PanelIdle(), RunBoundMs); }

  void Start() {
    rig->windows.controlPanel_.onStartClicked();
    QCOMPARE(rig->windows.controlPanel_.runLamp_->color(), soyka::ui::LampGreen);
  }

private slots:
  void init() {
    rig = std::make_unique<ProgramRig>();
    rig->windows.controlPanel_.setTickInterval(1);
  }

  void cleanup() { rig.reset(); }

  void startUpShowsOnlyTheMainWindowAndThePanel() {
    QVERIFY(rig->windows.mainWindow_.isVisible());
    QVERIFY(rig->windows.controlPanel_.isVisible());
    // Nothing else is built until something needs it; built then, each comes up hidden.
    QVERIFY(rig->windows.builtWindows() ==
            (std::vector<QWidget*>{&rig->windows.mainWindow_, &rig->windows.controlPanel_}));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             &rig->windows.registersWindow(), &rig->windows.memoryWindow(),
             &rig->windows.displayWindow(), &rig->windows.pauseWindow(),
             &rig->windows.aboutAuthor(), &rig->windows.aboutProgram(), &rig->windows.thanks(),
             &rig->windows.interfaceHelp(), &rig->windows.example()}) {
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->windowTitle()));
    }
    QVERIFY(PanelIdle());
    QCOMPARE(RowText(rig->windows.memoryWindow().grid_, 0), QString("000000000000"));
  }

  void factorialInAutoModeShows120ThenWithoutReloading720() {
    Load(FactorialImage);
    Start();
    QVERIFY(!rig->windows.controlPanel_.startButton_->isEnabled());
    QVERIFY(rig->windows.controlPanel_.stopButton_->isEnabled());
    WaitForRunEnd();
    for (int row = 0; row < 3; ++row) {
      QCOMPARE(RowText(rig->windows.displayWindow().rowCells_, row), QString("000001111000"));
    }
    QCOMPARE(rig->windows.displayWindow().valueLabels_[0]->text(), QString("120"));
    QCOMPARE(rig->windows.displayWindow().valueLabels_[1]->text(), QString("120"));
    QCOMPARE(rig->windows.displayWindow().valueLabels_[2]->text(), QString("120"));
    QCOMPARE(RowText(rig->windows.memoryWindow().grid_, 5), QString("000001111000"));
    QCOMPARE(RowText(rig->windows.registersWindow().commandRegisterCells_, 0),
             QString("111101101101"));
    QCOMPARE(RowText(rig->windows.registersWindow().counterCells_, 0), QString("100"));
    QCOMPARE(rig->windows.controlPanel_.counterLamps_[2]->color(), soyka::ui::LampGreen);
    QCOMPARE(rig->windows.controlPanel_.counterLamps_[1]->color(), soyka::ui::LampGrey);
    QCOMPARE(rig->windows.controlPanel_.counterLamps_[0]->color(), soyka::ui::LampGrey);
    QVERIFY(rig->windows.memoryWindow().horizontalMarkers_[3]->isVisibleTo(
        &rig->windows.memoryWindow()));
    QVERIFY(!rig->windows.memoryWindow().horizontalMarkers_[0]->isVisibleTo(
        &rig->windows.memoryWindow()));

    Start();
    QCOMPARE(rig->windows.displayWindow().valueLabels_[0]->text(), QString(8, QLatin1Char(' ')));
    QCOMPARE(RowText(rig->windows.displayWindow().rowCells_, 0), QString());
    QCOMPARE(RowText(rig->windows.registersWindow().counterCells_, 0), QString("000"));
    QVERIFY(rig->windows.memoryWindow().horizontalMarkers_[0]->isVisibleTo(
        &rig->windows.memoryWindow()));
    QVERIFY(!rig->windows.memoryWindow().horizontalMarkers_[3]->isVisibleTo(
        &rig->windows.memoryWindow()));
    WaitForRunEnd();
    QCOMPARE(rig->windows.displayWindow().valueLabels_[2]->text(), QString("720"));
  }

  void stepModePausesAfterEveryCommandWithItsDescription() {
    Load(FactorialImage);
    SelectMode(1);
    QStringList descriptions;
    ModalAnswerer responder([&](QWidget* modal) {
      QCOMPARE(modal, &rig->windows.pauseWindow());
      QVERIFY(!rig->windows.pauseWindow().tactPanel_->isVisibleTo(modal));
      QVERIFY(rig->windows.pauseWindow().commentsPanel_->isVisibleTo(modal));
      QVERIFY(!rig->windows.controlPanel_.stopButton_->isEnabled());
      descriptions << rig->windows.pauseWindow().commentLines_[1]->text();
      rig->windows.pauseWindow().continueButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16);
    QCOMPARE(descriptions.first(), QString(" A1 * A2 ==> A3"));
    QCOMPARE(descriptions.last(), QString(" ВЫВОД, СТОП"));
    QCOMPARE(rig->windows.displayWindow().valueLabels_[1]->text(), QString("120"));
  }

  void tactModeStopInTheFirstPauseEndsTheRunAtOnce() {
    Load(FactorialImage);
    SelectMode(2);
    int pauses = 0;
    ModalAnswerer responder([&](QWidget*) {
      ++pauses;
      QCOMPARE(rig->windows.pauseWindow().tactLabel_->text(), QString("1"));
      QCOMPARE(rig->windows.pauseWindow().commentLines_[2]->text(), QString("ячейки 000"));
      QCOMPARE(rig->windows.pauseWindow().tactPanel_->x(), 70);
      rig->windows.pauseWindow().stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(pauses, 1);
    QCOMPARE(rig->state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(rig->state.Counter, 0);
    QCOMPARE(RowText(rig->windows.registersWindow().counterCells_, 0), QString("000"));
  }

  void tactModeRunsTheWholeProgramWithFivePausesPerCommand() {
    Load(FactorialImage);
    SelectMode(2);
    ModalAnswerer responder([&](QWidget*) { rig->windows.pauseWindow().continueButton_->click(); });
    Start();
    WaitForRunEnd();
    QCOMPARE(responder.Answered(), 16 * 5);
    QCOMPARE(rig->windows.displayWindow().valueLabels_[0]->text(), QString("120"));
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
        QVERIFY(!rig->windows.controlPanel_.stopButton_->isEnabled());
        PressMessageBoxButton(modal);
        return;
      }
      seen << rig->windows.pauseWindow().errorLabel_->text();
      QVERIFY(!rig->windows.pauseWindow().continueButton_->isEnabled());
      QVERIFY(rig->windows.pauseWindow().errorPanel_->isVisibleTo(modal));
      QVERIFY(!rig->windows.pauseWindow().commentsPanel_->isVisibleTo(modal));
      QVERIFY(!rig->windows.pauseWindow().tactPanel_->isVisibleTo(modal));
      rig->windows.pauseWindow().stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QCOMPARE(seen, (QStringList{"Переполнение!", "Переполнение!"}));
    QCOMPARE(rig->state.ErrorMessage, std::string(soyka::AbortMessage));
    QCOMPARE(RowText(rig->windows.memoryWindow().grid_, 6), QString("000000000000"));
  }

  void panelStopEndsAnEndlessAutoRun() {
    Load({soyka::testing::Cmd(soyka::OpcodeJumpIfEqual, 0, 0, 0)});
    Start();
    QTRY_VERIFY(RowText(rig->windows.registersWindow().commandRegisterCells_, 0) ==
                QString("100000000000"));
    rig->windows.controlPanel_.stopButton_->click();
    QVERIFY(PanelIdle());
    QVERIFY(rig->state.ErrorMessage.empty());
  }

  void inputButtonOpensMemoryForTypingUntilAnotherWindowIsActivated() {
    rig->windows.controlPanel_.inputButton_->click();
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QVERIFY(rig->state.InputEnabled);
    QCOMPARE(rig->windows.controlPanel_.inputLamp_->color(), soyka::ui::LampGreen);
    QCOMPARE(rig->windows.memoryWindow().inputLamp_->color(), soyka::ui::LampGreen);
    rig->windows.memoryWindow().activateWindow();
    QTRY_VERIFY(rig->windows.memoryWindow().grid_->hasFocus());

    for (const char* bits : {"101110101101"}) {
      for (const char* bit = bits; *bit != 0; ++bit) {
        QTest::keyClick(rig->windows.memoryWindow().grid_, *bit);
      }
    }
    QCOMPARE(soyka::BitsText(rig->state.Memory[0]), std::string("101110101101"));
    QCOMPARE(RowText(rig->windows.memoryWindow().grid_, 0), QString("101110101101"));

    rig->windows.mainWindow_.activateWindow();
    QTRY_VERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->windows.controlPanel_.inputLamp_->color(), soyka::ui::LampRed);
    QCOMPARE(rig->windows.memoryWindow().inputLamp_->color(), soyka::ui::LampRed);
  }

  void timerKeepsFiringButNoCommandRunsWhileAPauseWaits() {
    Load(FactorialImage);
    SelectMode(1);
    // Counted by a queued call, as the panel's handler is called: every tick counted was handled.
    int ticks = 0;
    QObject counter;
    connect(
        rig->windows.controlPanel_.tickTimer_, &QTimer::timeout, &counter, [&ticks] { ++ticks; },
        Qt::QueuedConnection);
    std::string registerDuringWait;
    bool ticksDuringWait = false;
    ModalAnswerer responder([&](QWidget*) {
      const int before = ticks;
      registerDuringWait = soyka::BitsText(rig->state.CommandRegister);
      ticksDuringWait = QTest::qWaitFor([&] { return ticks - before > SomeTicks; }, RunBoundMs);
      QCOMPARE(soyka::BitsText(rig->state.CommandRegister), registerDuringWait);
      QCOMPARE(rig->state.Counter, 1);
      rig->windows.pauseWindow().stopButton_->click();
    });
    Start();
    WaitForRunEnd();
    QVERIFY(ticksDuringWait);
    QCOMPARE(registerDuringWait, std::string("101110101101"));
  }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
