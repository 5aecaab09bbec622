// The control panel: its layout and start-up state, the run modes, ПУСК, СТОП and ВВОД, and the
// run loop driven by its timer, with real pauses and error boxes answered as a learner would.

#include "ControlPanel.h"
#include "EngineTestSupport.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "PanelTestViews.h"
#include "PauseWindow.h"
#include "WindowReadings.h"

#include <QMessageBox>
#include <QTest>

using soyka::MachineState;
using soyka::testing::Cmd;
using soyka::testing::LampColourName;
using soyka::testing::ModalAnswerer;
using soyka::testing::ModalDriver;
using soyka::testing::PanelTestViews;

namespace {

constexpr int FastTickMs = 5;
// Only so that a broken build does not wait for ever.
constexpr int RunTimeoutMs = 10000;
// Enough ticks to show what every tick of a state does.
constexpr int SomeTicks = 3;

// A machine with a program, the panel, the pause window and the logging views around them.
struct Fixture {
  explicit Fixture(const QList<int>& cells = {}) {
    soyka::InitializeMachine(state);
    for (int cell = 0; cell < cells.size(); ++cell) {
      state.Memory[static_cast<std::size_t>(cell)] = soyka::WordFromValue(cells[cell]);
    }
    views.Attach(&panel);
    views.answerTo = [this](soyka::PauseAnswer answer) { panel.onPauseAnswered(answer); };
    panel.setTickInterval(FastTickMs);
  }

  void ChooseMode(int runMode) { panel.modeButtons_->button(runMode - 2)->click(); }

  MachineState state;
  PauseWindow pauseWindow{state};
  PanelTestViews views{state, pauseWindow};
  ControlPanel panel{state, views};
};

int C(int opcode, int a1, int a2, int a3) {
  return soyka::WordValue(Cmd(opcode, a1, a2, a3));
}

// 5 + 7 into cell 6, then the three numbers to the display.
const QList<int> SumProgram{C(1, 4, 5, 6), C(7, 4, 5, 6), 0, 0, 5, 7, 0, 0};
const QList<int> OverflowProgram{C(1, 4, 5, 6), C(7, 4, 5, 6), 0, 0, 4000, 100, 0, 0};
const QList<int> DivisionByZeroProgram{C(2, 4, 5, 6), C(7, 4, 5, 6), 0, 0, 10, 0, 0, 0};
// All zeros: cell 0 copied onto itself in every cell, for ever.
const QList<int> EndlessProgram{0, 0, 0, 0, 0, 0, 0, 0};

QString OnOff(const QWidget* control) {
  return control->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
}

// The rows of the panel-state table, as the panel shows them.
QString PanelState(const ControlPanel& panel) {
  return QStringLiteral("Счет %1, ПУСК %2, СТОП %3, ВВОД %4, режим %5")
      .arg(LampColourName(panel.runLamp_->color()), OnOff(panel.startButton_),
           OnOff(panel.stopButton_), OnOff(panel.inputButton_), OnOff(panel.modeSelector_));
}

const QString Idle = QStringLiteral("Счет red, ПУСК on, СТОП off, ВВОД on, режим on");
const QString RunningAuto = QStringLiteral("Счет green, ПУСК off, СТОП on, ВВОД off, режим off");
// Step and Tact runs; also an Auto run once a machine error has disabled СТОП.
const QString RunningWithoutStop =
    QStringLiteral("Счет green, ПУСК off, СТОП off, ВВОД off, режим off");

QString CounterLamps(const ControlPanel& panel) {
  return LampColourName(panel.counterLamps_[2]->color()) + ' ' +
         LampColourName(panel.counterLamps_[1]->color()) + ' ' +
         LampColourName(panel.counterLamps_[0]->color());
}

// Дальше where it can be pressed, СТОП otherwise (after an error); OK in a message box.
void ContinueIfPossible(PauseWindow& pauseWindow, QWidget* modal) {
  if (modal != &pauseWindow) {
    soyka::testing::PressMessageBoxButton(modal);
  } else if (pauseWindow.continueButton_->isEnabled()) {
    pauseWindow.continueButton_->click();
  } else {
    pauseWindow.stopButton_->click();
  }
}

// Lets the panel's own timer deliver `count` more ticks; false if they never came. Counted by a
// queued call, as the panel's handler is called, so every tick counted has been handled.
bool TicksHandled(ControlPanel& panel, int count) {
  int ticks = 0;
  QObject counter;
  QObject::connect(
      panel.tickTimer_, &QTimer::timeout, &counter, [&ticks] { ++ticks; }, Qt::QueuedConnection);
  return QTest::qWaitFor([&ticks, count] { return ticks >= count; }, RunTimeoutMs);
}

} // namespace

class ControlPanelTest : public QObject {
  Q_OBJECT

private slots:
  void windowFrame();
  void controls_data();
  void controls();
  void lamps_data();
  void lamps();
  void selector_data();
  void selector();
  void buttonPictures();
  void focusOrder_data();
  void focusOrder();
  void cannotBeClosed();
  void counterLamps_data();
  void counterLamps();

  void idleTicksChangeNothing();
  void runs_data();
  void runs();
  void autoRunGoesOnUntilStop();
  void noCommandWhileModalWaits_data();
  void noCommandWhileModalWaits();
  void runGoesOnBehindOtherModals();
  void startAfterFinishedRun();
  void inputButton();
  void selectorLockedDuringRun();
  void machineErrorDisablesStop();
};

void ControlPanelTest::windowFrame() {
  Fixture f;
  QCOMPARE(f.panel.windowTitle(), QStringLiteral("Пульт управления"));
  QCOMPARE(f.panel.size(), QSize(293, 87));
  QCOMPARE(f.panel.minimumSize(), f.panel.maximumSize());
  QCOMPARE(f.panel.pos(), QPoint(340, 339));
  QCOMPARE(f.panel.windowType(), Qt::Window);
  const Qt::WindowFlags flags = f.panel.windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QCOMPARE(f.panel.font().pixelSize(), 13);
  QCOMPARE(f.panel.palette().color(QPalette::Window),
           QApplication::palette().color(QPalette::Button));
  QCOMPARE(PanelState(f.panel), Idle);
  QVERIFY(f.panel.tickTimer_->isActive());
  Fixture slow;
  QCOMPARE(slow.panel.tickTimer_->interval(), FastTickMs);
  slow.panel.setTickInterval(soyka::TickIntervalMs);
  QCOMPARE(slow.panel.tickTimer_->interval(), 500);
}

void ControlPanelTest::controls_data() {
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("hint");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<bool>("enabled");

  QTest::newRow("modeSelector") << QRect(8, 0, 161, 41) << " Режим  выполнения "
                                << "Задать  режим выполнения команд программы" << 13 << false
                                << true;
  QTest::newRow("startButton") << QRect(8, 48, 73, 33) << "ПУСК"
                               << "Выполнить программу" << 13 << false << true;
  QTest::newRow("stopButton") << QRect(95, 48, 73, 33) << "СТОП"
                              << "Прервать программу" << 13 << false << false;
  QTest::newRow("inputButton") << QRect(175, 48, 73, 33) << "ВВОД"
                               << "Редактировать ОЗУ" << 13 << false << true;
  QTest::newRow("runLampCaption") << QRect(176, 8, 26, 11) << "Счет"
                                  << "" << 9 << true << true;
  QTest::newRow("counterCaption") << QRect(214, 4, 54, 16) << "Счетчик"
                                  << "" << 13 << false << true;
  QTest::newRow("inputLampCaption") << QRect(256, 48, 29, 11) << "Ввод"
                                    << "" << 9 << true << true;
}

void ControlPanelTest::controls() {
  QFETCH(QRect, geometry);
  QFETCH(QString, text);
  QFETCH(QString, hint);
  QFETCH(int, pixels);
  QFETCH(bool, bold);
  QFETCH(bool, enabled);

  Fixture f;
  auto* control = f.panel.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(control);
  QCOMPARE(control->parentWidget(), &f.panel);
  QCOMPARE(control->geometry(), geometry);
  QCOMPARE(control->toolTip(), hint);
  QCOMPARE(control->font().pixelSize(), pixels);
  QCOMPARE(control->font().bold(), bold);
  QCOMPARE(control->isEnabled(), enabled);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    QCOMPARE(button->text(), text);
  } else {
    QCOMPARE(qobject_cast<QGroupBox*>(control)->title(), text);
  }
  QCOMPARE(f.panel.counterCaption_->alignment(), Qt::AlignHCenter | Qt::AlignTop);
}

void ControlPanelTest::lamps_data() {
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("colour");
  QTest::addColumn<QString>("accessibleName");
  QTest::newRow("runLamp") << QRect(184, 22, 17, 17) << "red"
                           << "Счет: красный";
  QTest::newRow("counterLamp2") << QRect(216, 22, 17, 17) << "grey"
                                << "Счетчик, бит 3: серый";
  QTest::newRow("counterLamp1") << QRect(240, 22, 17, 17) << "grey"
                                << "Счетчик, бит 2: серый";
  QTest::newRow("counterLamp0") << QRect(264, 22, 17, 17) << "grey"
                                << "Счетчик, бит 1: серый";
  QTest::newRow("inputLamp") << QRect(264, 62, 17, 17) << "red"
                             << "Ввод: красный";
}

void ControlPanelTest::lamps() {
  QFETCH(QRect, geometry);
  QFETCH(QString, colour);
  QFETCH(QString, accessibleName);
  Fixture f;
  auto* lamp = f.panel.findChild<soyka::ui::Lamp*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(lamp);
  QCOMPARE(lamp->geometry(), geometry);
  QCOMPARE(LampColourName(lamp->color()), colour);
  QCOMPARE(lamp->accessibleName(), accessibleName);
}

void ControlPanelTest::selector_data() {
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("runMode");
  QTest::newRow("Авто") << 0 << soyka::RunModeAuto;
  QTest::newRow("Шаг") << 1 << soyka::RunModeStep;
  QTest::newRow("Такт") << 2 << soyka::RunModeTact;
}

void ControlPanelTest::selector() {
  QFETCH(int, item);
  QFETCH(int, runMode);
  Fixture f;
  const QList<QAbstractButton*> items = f.panel.modeButtons_->buttons();
  QCOMPARE(items.size(), 3);
  QCOMPARE(f.panel.modeButtons_->checkedId(), 0);
  QCOMPARE(f.state.RunMode, soyka::RunModeAuto);
  // Three columns side by side inside the frame.
  for (int index = 0; index < items.size(); ++index) {
    QAbstractButton* button = f.panel.modeButtons_->button(index);
    QCOMPARE(button->parentWidget(), f.panel.modeSelector_);
    QCOMPARE(button->y(), items[0]->y());
    QVERIFY(f.panel.modeSelector_->rect().contains(button->geometry()));
    // The caption is whole, not cut off by the next column.
    QVERIFY(button->sizeHint().width() <= button->width());
    QCOMPARE(button->font().pixelSize(), 13);
    if (index > 0) {
      QVERIFY(button->x() >= f.panel.modeButtons_->button(index - 1)->geometry().right());
    }
  }
  QCOMPARE(f.panel.modeButtons_->button(item)->text(), QString::fromUtf8(QTest::currentDataTag()));

  // Choosing a mode from another one sets RunMode at once and does nothing else.
  f.ChooseMode(item == 0 ? soyka::RunModeTact : soyka::RunModeAuto);
  f.views.ClearLog();
  f.panel.modeButtons_->button(item)->click();
  QCOMPARE(f.state.RunMode, runMode);
  QVERIFY(f.views.Lines().empty());
  QVERIFY(f.state.Halted);
  QCOMPARE(PanelState(f.panel), Idle);
}

void ControlPanelTest::buttonPictures() {
  Fixture f;
  const QIcon start = f.panel.startButton_->icon();
  // The middle of the triangle: green when ПУСК can be pressed, grey when not.
  QCOMPARE(start.pixmap(16, QIcon::Normal).toImage().pixelColor(6, 8), QColor(0, 128, 0));
  QCOMPARE(start.pixmap(16, QIcon::Disabled).toImage().pixelColor(6, 8), QColor(128, 128, 128));
  QVERIFY(!f.panel.stopButton_->icon().pixmap(16).isNull());
  QVERIFY(!f.panel.inputButton_->icon().pixmap(16).isNull());
  QVERIFY(f.panel.stopButton_->icon().cacheKey() != f.panel.inputButton_->icon().cacheKey());
  for (QPushButton* button : {f.panel.startButton_, f.panel.stopButton_, f.panel.inputButton_}) {
    QCOMPARE(button->iconSize(), QSize(16, 16));
  }
}

void ControlPanelTest::focusOrder_data() {
  QTest::addColumn<bool>("stopEnabled");
  QTest::addColumn<QStringList>("order");
  QTest::newRow("idle: СТОП is skipped")
      << false << QStringList{"inputButton", "startButton", "modeButton0", "inputButton"};
  QTest::newRow("every button enabled")
      << true
      << QStringList{"inputButton", "stopButton", "startButton", "modeButton0", "inputButton"};
}

void ControlPanelTest::focusOrder() {
  QFETCH(bool, stopEnabled);
  QFETCH(QStringList, order);
  Fixture f;
  f.panel.stopButton_->setEnabled(stopEnabled);
  f.panel.show();
  f.panel.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f.panel));
  QStringList seen;
  for (int press = 0; press < order.size(); ++press) {
    QWidget* focus = QApplication::focusWidget();
    seen << (focus ? focus->objectName() : QString());
    if (focus && press + 1 < order.size()) {
      QTest::keyClick(focus, Qt::Key_Tab);
    }
  }
  QCOMPARE(seen, order);
}

void ControlPanelTest::cannotBeClosed() {
  Fixture f;
  f.panel.show();
  f.panel.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f.panel));
  QVERIFY(!f.panel.close());
  QVERIFY(f.panel.isVisible());
  QTest::keyClick(&f.panel, Qt::Key_Escape);
  QTest::keyClick(&f.panel, Qt::Key_F4, Qt::AltModifier);
  QVERIFY(f.panel.isVisible());
  QVERIFY(!f.panel.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  QCOMPARE(PanelState(f.panel), Idle);
}

void ControlPanelTest::counterLamps_data() {
  QTest::addColumn<QString>("bits");
  QTest::addColumn<QString>("lamps");
  QTest::newRow("000") << "000"
                       << "grey grey grey";
  QTest::newRow("001") << "001"
                       << "grey grey green";
  QTest::newRow("010") << "010"
                       << "grey green grey";
  QTest::newRow("100") << "100"
                       << "green grey grey";
  QTest::newRow("110") << "110"
                       << "green green grey";
  QTest::newRow("111") << "111"
                       << "green green green";
}

void ControlPanelTest::counterLamps() {
  QFETCH(QString, bits);
  QFETCH(QString, lamps);
  Fixture f;
  f.panel.setCounterLamps(soyka::CounterBits3{{1, 1, 1}});
  soyka::CounterBits3 counter;
  for (int k = 1; k <= 3; ++k) {
    counter[k] = bits[3 - k] == '1' ? 1 : 0;
  }
  f.panel.setCounterLamps(counter);
  QCOMPARE(CounterLamps(f.panel), lamps);
  QVERIFY(
      f.panel.counterLamps_[0]->accessibleName().startsWith(QStringLiteral("Счетчик, бит 1: ")));
}

void ControlPanelTest::idleTicksChangeNothing() {
  Fixture f(SumProgram);
  const auto memory = f.state.Memory;
  QVERIFY(TicksHandled(f.panel, SomeTicks));
  QVERIFY(f.views.Lines().empty());
  QVERIFY(f.state.Memory == memory);
  QCOMPARE(f.state.Counter, 0);
  QVERIFY(f.state.Halted);
  QCOMPARE(PanelState(f.panel), Idle);
}

void ControlPanelTest::runs_data() {
  QTest::addColumn<int>("runMode");
  QTest::addColumn<QList<int>>("program");
  QTest::addColumn<int>("stopAtPause");
  QTest::addColumn<int>("pauses");
  QTest::addColumn<int>("errorBoxes");
  QTest::addColumn<QString>("errorMessage");
  QTest::addColumn<int>("counter");
  QTest::addColumn<int>("displayRows");

  const int auto_ = soyka::RunModeAuto;
  const int step = soyka::RunModeStep;
  const int tact = soyka::RunModeTact;
  // stopAtPause: the pause (from 1) answered with СТОП; 0 continues wherever possible.
  QTest::newRow("auto, to the output") << auto_ << SumProgram << 0 << 0 << 0 << "" << 2 << 3;
  QTest::newRow("step, Дальше throughout") << step << SumProgram << 0 << 2 << 0 << "" << 2 << 3;
  QTest::newRow("tact, Дальше throughout") << tact << SumProgram << 0 << 10 << 0 << "" << 2 << 3;
  QTest::newRow("step, СТОП after the first command")
      << step << SumProgram << 1 << 1 << 0 << "abort" << 1 << 0;
  QTest::newRow("step, СТОП after the output")
      << step << SumProgram << 2 << 2 << 0 << "abort" << 2 << 3;
  QTest::newRow("tact, СТОП in tact 1") << tact << SumProgram << 1 << 1 << 0 << "abort" << 0 << 0;
  QTest::newRow("tact, СТОП in tact 2 of the output")
      << tact << SumProgram << 7 << 7 << 0 << "abort" << 2 << 0;
  QTest::newRow("tact, СТОП in tact 4 of the output")
      << tact << SumProgram << 9 << 9 << 0 << "abort" << 2 << 2;
  QTest::newRow("auto, overflow") << auto_ << OverflowProgram << 0 << 1 << 1 << "abort" << 1 << 0;
  QTest::newRow("step, overflow") << step << OverflowProgram << 0 << 1 << 1 << "abort" << 1 << 0;
  QTest::newRow("tact, overflow") << tact << OverflowProgram << 0 << 4 << 1 << "abort" << 1 << 0;
  QTest::newRow("tact, division by zero")
      << tact << DivisionByZeroProgram << 0 << 4 << 1 << "abort" << 1 << 0;
}

void ControlPanelTest::runs() {
  QFETCH(int, runMode);
  QFETCH(QList<int>, program);
  QFETCH(int, stopAtPause);
  QFETCH(int, pauses);
  QFETCH(int, errorBoxes);
  QFETCH(QString, errorMessage);
  QFETCH(int, counter);
  QFETCH(int, displayRows);

  Fixture f(program);
  f.ChooseMode(runMode);
  QCOMPARE(PanelState(f.panel), Idle);

  int pausesSeen = 0;
  int boxesSeen = 0;
  QStringList statesInPauses;
  QList<bool> haltedInPauses;
  ModalAnswerer answerer(
      [&](QWidget* modal) {
        statesInPauses << PanelState(f.panel);
        haltedInPauses << f.state.Halted;
        if (modal != &f.pauseWindow) {
          ++boxesSeen;
          soyka::testing::PressMessageBoxButton(modal);
        } else if (++pausesSeen == stopAtPause) {
          f.pauseWindow.stopButton_->click();
        } else {
          ContinueIfPossible(f.pauseWindow, modal);
        }
      },
      RunTimeoutMs);

  f.panel.startButton_->click();
  QCOMPARE(PanelState(f.panel), runMode == soyka::RunModeAuto ? RunningAuto : RunningWithoutStop);
  QVERIFY(!f.state.Halted);
  QTRY_VERIFY_WITH_TIMEOUT(f.panel.startButton_->isEnabled(), RunTimeoutMs);
  QVERIFY(!answerer.TimedOut());

  QCOMPARE(PanelState(f.panel), Idle);
  QVERIFY(f.state.Halted);
  QCOMPARE(QString::fromStdString(f.state.ErrorMessage), errorMessage);
  QCOMPARE(pausesSeen, pauses);
  QCOMPARE(boxesSeen, errorBoxes);
  QCOMPARE(f.views.Count("ShowDisplayRow"), displayRows);
  QCOMPARE(f.state.Counter, counter);
  QCOMPARE(CounterLamps(f.panel), QString("grey %1 %2")
                                      .arg(counter & 2 ? "green" : "grey")
                                      .arg(counter & 1 ? "green" : "grey"));
  // No pause, and no error box, finds the panel other than running, or the machine running.
  QCOMPARE(statesInPauses, QStringList(pauses + errorBoxes, RunningWithoutStop));
  QCOMPARE(haltedInPauses, QList<bool>(pauses + errorBoxes, true));

  // Afterwards the ticks change nothing.
  const int commands = f.views.Count("MoveCellMarker");
  QVERIFY(TicksHandled(f.panel, SomeTicks));
  QCOMPARE(f.views.Count("MoveCellMarker"), commands);
  QCOMPARE(PanelState(f.panel), Idle);
}

void ControlPanelTest::autoRunGoesOnUntilStop() {
  Fixture f(EndlessProgram);
  f.panel.startButton_->click();
  QTRY_VERIFY_WITH_TIMEOUT(f.views.Count("MoveCellMarker 7 0") >= 1, RunTimeoutMs);
  QCOMPARE(PanelState(f.panel), RunningAuto);
  QVERIFY(!f.state.Halted);
  QCOMPARE(f.views.Count("PauseForTact"), 0);

  f.views.ClearLog();
  f.panel.stopButton_->click();
  QCOMPARE(PanelState(f.panel), Idle);
  QVERIFY(f.state.Halted);
  QVERIFY(f.state.ErrorMessage.empty());
  QVERIFY(!f.state.InputEnabled);
  QCOMPARE(f.views.Lines(), (std::vector<std::string>{"CloseInfoWindow", "SetInputLamps 0"}));
  QCOMPARE(LampColourName(f.panel.inputLamp_->color()), QStringLiteral("red"));
  QVERIFY(f.pauseWindow.isHidden());
  QVERIFY(TicksHandled(f.panel, SomeTicks));
  QCOMPARE(f.views.Count("MoveCellMarker"), 0);
}

void ControlPanelTest::noCommandWhileModalWaits_data() {
  QTest::addColumn<int>("runMode");
  QTest::addColumn<QList<int>>("program");
  QTest::addColumn<bool>("holdErrorBox");
  QTest::newRow("pause of a Step run") << soyka::RunModeStep << EndlessProgram << false;
  QTest::newRow("pause of a Tact run") << soyka::RunModeTact << EndlessProgram << false;
  QTest::newRow("machine-error box") << soyka::RunModeAuto << OverflowProgram << true;
}

void ControlPanelTest::noCommandWhileModalWaits() {
  QFETCH(int, runMode);
  QFETCH(QList<int>, program);
  QFETCH(bool, holdErrorBox);

  Fixture f(program);
  f.ChooseMode(runMode);
  bool ticksDuringWait = false;
  int commandsDuringWait = -1;
  bool held = false;
  ModalAnswerer answerer(
      [&](QWidget* modal) {
        const bool isBox = modal != &f.pauseWindow;
        if (!held && isBox == holdErrorBox) {
          held = true;
          const int commands = f.views.Count("MoveCellMarker");
          ticksDuringWait = TicksHandled(f.panel, SomeTicks);
          commandsDuringWait = f.views.Count("MoveCellMarker") - commands;
        }
        if (isBox) {
          soyka::testing::PressMessageBoxButton(modal);
        } else {
          f.pauseWindow.stopButton_->click();
        }
      },
      RunTimeoutMs);
  f.panel.startButton_->click();
  QTRY_VERIFY_WITH_TIMEOUT(f.panel.startButton_->isEnabled(), RunTimeoutMs);

  QVERIFY(held);
  QVERIFY(ticksDuringWait);
  QCOMPARE(commandsDuringWait, 0);
  QCOMPARE(f.views.Count("MoveCellMarker"), 1);
  QCOMPARE(f.state.ErrorMessage, std::string(soyka::AbortMessage));
}

void ControlPanelTest::runGoesOnBehindOtherModals() {
  constexpr int SomeCommands = 2;
  Fixture f(EndlessProgram);
  f.panel.startButton_->click();
  bool commandsBehind = false;
  ModalDriver driver([&](QWidget* modal) {
    const int commands = f.views.Count("MoveCellMarker");
    commandsBehind = QTest::qWaitFor(
        [&] { return f.views.Count("MoveCellMarker") - commands >= SomeCommands; }, RunTimeoutMs);
    soyka::testing::PressMessageBoxButton(modal);
  });
  // A box that no tick opened, as the main window's help and information dialogs are.
  soyka::ui::showPlainMessage(nullptr, "…");
  QVERIFY(driver.Answered());
  QVERIFY(commandsBehind);
  QCOMPARE(PanelState(f.panel), RunningAuto);
  f.panel.stopButton_->click();
  QCOMPARE(PanelState(f.panel), Idle);
}

void ControlPanelTest::startAfterFinishedRun() {
  Fixture f(DivisionByZeroProgram);
  f.ChooseMode(soyka::RunModeTact);
  QList<bool> continueEnabled;
  ModalAnswerer answerer(
      [&](QWidget* modal) {
        if (modal == &f.pauseWindow) {
          continueEnabled << f.pauseWindow.continueButton_->isEnabled();
        }
        ContinueIfPossible(f.pauseWindow, modal);
      },
      RunTimeoutMs);
  f.panel.startButton_->click();
  QTRY_VERIFY_WITH_TIMEOUT(f.panel.startButton_->isEnabled(), RunTimeoutMs);
  QCOMPARE(continueEnabled, (QList<bool>{true, true, true, false}));
  QCOMPARE(CounterLamps(f.panel), QStringLiteral("grey grey green"));
  QVERIFY(!f.pauseWindow.continueButton_->isEnabled());

  // The next run: nothing executes before the check.
  f.panel.setTickInterval(60000);
  f.views.ClearLog();
  const auto memory = f.state.Memory;
  const auto accumulator = f.state.Accumulator;
  f.panel.startButton_->click();

  QCOMPARE(PanelState(f.panel), RunningWithoutStop);
  QCOMPARE(f.state.Counter, 0);
  QCOMPARE(f.state.PreviousCounter, 0);
  QCOMPARE(CounterLamps(f.panel), QStringLiteral("grey grey grey"));
  QVERIFY(f.pauseWindow.continueButton_->isEnabled());
  QVERIFY(f.pauseWindow.commentsPanel_->isVisibleTo(&f.pauseWindow));
  QVERIFY(f.state.ErrorMessage.empty());
  QVERIFY(!f.state.Halted);
  QVERIFY(f.state.Memory == memory);
  QVERIFY(f.state.Accumulator == accumulator);
  const std::vector<std::string> expected{
      "EnableInfoContinue",    "SetInfoCommentsVisible 1", "SetInputLamps 0",  "ShowCellMarker 0",
      "HideCellMarker 1",      "HideCellMarker 2",         "HideCellMarker 3", "HideCellMarker 4",
      "HideCellMarker 5",      "HideCellMarker 6",         "HideCellMarker 7", "ClearDisplay",
      "RefreshCounterView 000"};
  QCOMPARE(f.views.Lines(), expected);
}

void ControlPanelTest::inputButton() {
  Fixture f(EndlessProgram);
  f.panel.inputButton_->click();
  QVERIFY(f.state.MemoryWindowOpen);
  QVERIFY(f.state.InputEnabled);
  QCOMPARE(LampColourName(f.panel.inputLamp_->color()), QStringLiteral("green"));
  QCOMPARE(f.views.Lines(), (std::vector<std::string>{"ShowWantedWindows", "SetInputLamps 1"}));
  QCOMPARE(PanelState(f.panel), Idle);

  f.panel.setTickInterval(60000);
  f.panel.startButton_->click();
  QVERIFY(!f.state.InputEnabled);
  QCOMPARE(LampColourName(f.panel.inputLamp_->color()), QStringLiteral("red"));
  QVERIFY(!f.panel.inputButton_->isEnabled());
  f.panel.stopButton_->click();
  QVERIFY(f.panel.inputButton_->isEnabled());
  QVERIFY(f.state.MemoryWindowOpen);
}

void ControlPanelTest::selectorLockedDuringRun() {
  Fixture f(EndlessProgram);
  f.panel.setTickInterval(60000);
  f.panel.startButton_->click();
  f.panel.modeButtons_->button(2)->click();
  QTest::mouseClick(f.panel.modeButtons_->button(1), Qt::LeftButton);
  QCOMPARE(f.state.RunMode, soyka::RunModeAuto);
  QCOMPARE(f.panel.modeButtons_->checkedId(), 0);
  f.panel.stopButton_->click();
  f.panel.modeButtons_->button(2)->click();
  QCOMPARE(f.state.RunMode, soyka::RunModeTact);
}

void ControlPanelTest::machineErrorDisablesStop() {
  Fixture f;
  f.panel.setTickInterval(60000);
  f.panel.startButton_->click();
  QVERIFY(f.panel.stopButton_->isEnabled());
  f.panel.DisablePanelStop();
  QCOMPARE(PanelState(f.panel), RunningWithoutStop);
}

QTEST_MAIN(ControlPanelTest)
#include "ControlPanelTest.moc"
