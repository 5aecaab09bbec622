// The whole program under a random learner: thousands of seeded actions with the invariants
// checked after each; a seed that replays its run; and the checks shown to catch what they guard.
#include "Monkey.h"
#include "EngineTestSupport.h"
#include "Invariants.h"
#include "ModalDriver.h"
#include "ProgramRig.h"
#include "TickWatch.h"
#include "ViewUpdates.h"

#include "Palette.h"

#include <QMessageBox>
#include <QtTest>
#include <cstdio>
#include <functional>

using soyka::monkey::BrokenInvariant;
using soyka::monkey::BrokenModalInvariant;
using soyka::monkey::Monkey;
using soyka::monkey::MonkeyOptions;
using soyka::testing::ProgramRig;

class MonkeyTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramRig> rig;

  void StartProgram() { rig = std::make_unique<ProgramRig>(); }

  // Runs the monkey; on a broken invariant prints the seed and every action taken.
  bool Survives(Monkey& monkey) {
    const bool held = monkey.Run();
    if (!held) {
      std::fputs(qPrintable(monkey.Report()), stderr);
    }
    return held;
  }

  // A whole monkey run on a program just started: its actions and the memory it left.
  std::pair<QStringList, std::array<soyka::Word12, soyka::CellCount>> FreshRun(qulonglong seed) {
    constexpr int Actions = 400;
    cleanup();
    StartProgram();
    Monkey monkey(rig->state, rig->windows, MonkeyOptions{.seed = seed, .actions = Actions});
    if (!Survives(monkey)) {
      return {};
    }
    return {monkey.ActionList(), rig->state.Memory};
  }

  // Ways to put the program into a state its invariants forbid, each with what the check says.
  struct Corruption {
    const char* name;
    std::function<void(soyka::MachineState&, soyka::ui::ProgramWindows&)> apply;
    const char* reported;
  };

  static const std::vector<Corruption>& Corruptions() {
    using soyka::ui::LampGreen;
    static const std::vector<Corruption> corruptions{
        {"a grid text no write made",
         [](auto&, auto& w) { w.memoryWindow().grid_->item(2, 5)->setText("1"); },
         "memory grid row 2 shows \"000001000000\""},
        {"a memory bit that is not a bit", [](auto& s, auto&) { s.Memory[4][3] = 2; },
         "Memory cell 4 holds a bit that is neither 0 nor 1"},
        {"a counter apart from its bits", [](auto& s, auto&) { s.Counter = 5; },
         "Counter is 5 but CounterBits read 000"},
        {"an idle panel with Halted clear", [](auto& s, auto&) { s.Halted = false; },
         "Halted clear"},
        {"an idle panel with СТОП enabled",
         [](auto&, auto& w) { w.controlPanel_.stopButton_->setEnabled(true); }, "СТОП enabled"},
        {"a run lamp without a run",
         [](auto&, auto& w) { w.controlPanel_.runLamp_->setColor(LampGreen); }, "panel running"},
        {"an input lamp alone",
         [](auto&, auto& w) { w.controlPanel_.inputLamp_->setColor(LampGreen); },
         "input lamps are green (panel) and red (memory)"},
        {"a counter lamp apart from its bit",
         [](auto&, auto& w) { w.controlPanel_.counterLamps_[1]->setColor(LampGreen); },
         "the counter lamp of bit 2 is green but CounterBits[2] is 0"},
        {"a run mode the selector does not show",
         [](auto& s, auto&) { s.RunMode = soyka::RunModeTact; },
         "RunMode is 4 but the selector shows item 0"},
        {"a second marked cell", [](auto&, auto& w) { w.memoryWindow().ShowCellMarker(3); },
         "markers stand at cells {0,3}"},
        {"half a marker", [](auto&, auto& w) { w.memoryWindow().verticalMarkers_[0]->hide(); },
         "only one bar of cell 0's marker pair is visible"},
        {"a register the registers window does not show",
         [](auto& s, auto& w) {
           w.registersWindow();
           soyka::ViewUpdates(s, w.dispatcher_).RefreshCommandRegisterView();
           s.CommandRegister[1] = 1;
         },
         "command register shows \"000000000000\" but the machine holds 000000000001"},
        {"a display value apart from its bits",
         [](auto& s, auto& w) {
           soyka::ViewUpdates(s, w.dispatcher_).ShowDisplayRow(2, 0);
           w.displayWindow().valueLabels_[1]->setText("5");
         },
         "the display's row 2 shows \"000000000000\" with the value \"5\""},
        {"a wanted view that is hidden", [](auto& s, auto&) { s.DisplayWindowOpen = true; },
         "the display window is hidden but its open flag is set"},
        {"a hidden panel", [](auto&, auto& w) { w.controlPanel_.hide(); },
         "the control panel is not on screen"},
        {"a closed main window", [](auto&, auto& w) { w.mainWindow_.hide(); },
         "the main window closed"},
        {"memory input during a run",
         [](auto& s, auto& w) {
           w.controlPanel_.onStartClicked();
           s.InputEnabled = true;
           w.dispatcher_.SetInputLamps(true);
         },
         "memory input is enabled during a run"},
        {"a run whose ticks would do nothing",
         [](auto& s, auto& w) {
           w.controlPanel_.onStartClicked();
           s.Halted = true;
         },
         "Halted set"},
    };
    return corruptions;
  }

private slots:
  void init() { StartProgram(); }
  void cleanup() { rig.reset(); }

  void survivesARandomLearner_data() {
    QTest::addColumn<qulonglong>("seed");
    QTest::addColumn<int>("actions");
    QTest::addColumn<bool>("liveTimer");
    QTest::newRow("a class's afternoon") << 20240607ULL << 5000 << false;
    QTest::newRow("another learner") << 7ULL << 3000 << false;
    // The panel's real timer at 1 ms as well: the classroom's timing, not replayable tick for
    // tick.
    QTest::newRow("the real timer") << 1961ULL << 2000 << true;
  }

  void survivesARandomLearner() {
    QFETCH(qulonglong, seed);
    QFETCH(int, actions);
    QFETCH(bool, liveTimer);
    Monkey monkey(rig->state, rig->windows,
                  MonkeyOptions{.seed = seed, .actions = actions, .liveTimer = liveTimer});
    QVERIFY2(Survives(monkey), qPrintable(monkey.Failure()));
    QCOMPARE(monkey.ActionsDone(), actions);
    qInfo("%s", qPrintable(monkey.Summary()));
    // A learner who never ran a program or met a modal window proves little. (With the real
    // timer, how many commands run depends on the machine's speed.)
    QVERIFY(monkey.CommandsExecuted() > (liveTimer ? 0 : actions / 20));
    QVERIFY(monkey.ModalWindowsShown() > actions / 100);
  }

  void aSeedReplaysItsRunAndAnotherSeedDoesNot() {
    const auto [actions, memory] = FreshRun(99);
    QVERIFY(!actions.isEmpty());
    const auto [again, memoryAgain] = FreshRun(99);
    QCOMPARE(again, actions);
    QVERIFY(memoryAgain == memory);
    const auto [other, otherMemory] = FreshRun(100);
    QVERIFY(other != actions);
  }

  void checksCatchWhatTheyGuard_data() {
    QTest::addColumn<int>("corruption");
    for (std::size_t index = 0; index < Corruptions().size(); ++index) {
      QTest::newRow(Corruptions()[index].name) << static_cast<int>(index);
    }
  }

  void checksCatchWhatTheyGuard() {
    QFETCH(int, corruption);
    QCOMPARE(BrokenInvariant(rig->state, rig->windows), QString());
    const Corruption& chosen = Corruptions()[static_cast<std::size_t>(corruption)];
    chosen.apply(rig->state, rig->windows);
    const QString broken = BrokenInvariant(rig->state, rig->windows);
    QVERIFY2(broken.contains(QString::fromUtf8(chosen.reported)), qPrintable(broken));
  }

  // Input that outlives the memory window's activation is reported only when asked for.
  void inputLeftOnAfterASwitchIsCaughtWhenAsked() {
    rig->windows.controlPanel_.onInputClicked();
    QTRY_COMPARE(QApplication::activeWindow(), &rig->windows.memoryWindow());
    QCOMPARE(BrokenInvariant(rig->state, rig->windows, true), QString());
    rig->windows.controlPanel_.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &rig->windows.controlPanel_);
    rig->state.InputEnabled = true;
    rig->windows.dispatcher_.SetInputLamps(true);
    QCOMPARE(BrokenInvariant(rig->state, rig->windows, false), QString());
    QCOMPARE(BrokenInvariant(rig->state, rig->windows, true),
             QString("memory input is still enabled while \"Пульт управления\" is the active "
                     "window"));
  }

  void modalWindowsOfATickNeedHaltedSet_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("halted");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("reported");
    const auto wait = [](soyka::Wait kind) { return static_cast<int>(kind); };
    QTest::newRow("pause, Halted clear")
        << "pause" << false << wait(soyka::Wait::TactPause) << "Halted clear";
    QTest::newRow("pause while no answer is awaited")
        << "pause" << true << wait(soyka::Wait::None) << "waits for no answer";
    QTest::newRow("pause where the error box is awaited")
        << "pause" << true << wait(soyka::Wait::ErrorBox) << "waits for no answer";
    QTest::newRow("pause awaited") << "pause" << true << wait(soyka::Wait::CommandPause) << "";
    QTest::newRow("error box, Halted clear")
        << "error" << false << wait(soyka::Wait::ErrorBox) << "Halted clear";
    QTest::newRow("error box where a pause is awaited")
        << "error" << true << wait(soyka::Wait::TactPause) << "waits for no answer";
    QTest::newRow("error box awaited") << "error" << true << wait(soyka::Wait::ErrorBox) << "";
    QTest::newRow("help box during a run") << "plain" << false << wait(soyka::Wait::None) << "";
  }

  void modalWindowsOfATickNeedHaltedSet() {
    QFETCH(QString, window);
    QFETCH(bool, halted);
    QFETCH(int, waiting);
    QFETCH(QString, reported);
    QMessageBox box(window == "error" ? QMessageBox::Critical : QMessageBox::NoIcon, "", "");
    const QWidget* modal =
        window == "pause" ? static_cast<QWidget*>(&rig->windows.pauseWindow()) : &box;
    rig->state.Halted = halted;
    rig->state.Cycle.Waiting = static_cast<soyka::Wait>(waiting);
    const QString broken = BrokenModalInvariant(rig->state, rig->windows, modal);
    if (reported.isEmpty()) {
      QCOMPARE(broken, QString());
    } else {
      QVERIFY2(broken.contains(reported), qPrintable(broken));
    }
  }

  // A tick that began with Halted clear while a pause waited would start a second command inside
  // the first: the watch refuses it and says so.
  void aTickInsideAWaitingTickIsRefused() {
    rig->state.Memory[0] = soyka::testing::Cmd(soyka::OpcodeMove, 1, 0, 3);
    rig->state.Memory[1] = soyka::testing::Cmd(soyka::OpcodeMove, 2, 0, 4);
    rig->windows.dispatcher_.RefreshMemoryView();
    soyka::monkey::TickWatch watch(rig->state, rig->windows.controlPanel_);
    rig->windows.controlPanel_.tickTimer_->stop();
    rig->windows.controlPanel_.modeButtons_->button(1)->click();
    rig->windows.controlPanel_.onStartClicked();
    watch.PostTicks(1);
    QTRY_VERIFY(rig->windows.pauseWindow().isVisible());
    QCOMPARE(rig->state.Cycle.Waiting, soyka::Wait::CommandPause);
    rig->state.Halted = false;
    watch.PostTicks(3);
    QCoreApplication::processEvents();
    rig->state.Halted = true;
    rig->windows.pauseWindow().stopButton_->click();
    QVERIFY(rig->windows.controlPanel_.startButton_->isEnabled());
    QVERIFY2(watch.Reentry().contains("Halted clear while the run waited"),
             qPrintable(watch.Reentry()));
    QCOMPARE(watch.CommandsExecuted(), 1);
    QCOMPARE(rig->state.Counter, 1);
    QVERIFY(rig->state.CommandRegister == rig->state.Memory[0]);
  }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
