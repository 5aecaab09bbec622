// The whole program driven through its main window: start-up, the board areas, the rule that
// brings the wanted views back, exit, the example and runs that go on behind dialogs.
#include "ProgramRig.h"

#include <QAbstractButton>
#include <QtTest>
#include <memory>

#include "ExampleProgram.h"
#include "ModalDriver.h"
#include "WindowReadings.h"

using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;
using soyka::testing::ProgramRig;
using soyka::testing::RowText;

namespace {

// Only so that a broken build does not wait for ever.
constexpr int RunBoundMs = 20000;
// A tick interval no test outlasts: the run waits for the test to let it go.
constexpr int HeldTickMs = 3'600'000;

QString FlagsText(const soyka::MachineState& state) {
  return QStringLiteral("%1%2%3")
      .arg(int(state.MemoryWindowOpen))
      .arg(int(state.RegistersWindowOpen))
      .arg(int(state.DisplayWindowOpen));
}

// The captions of the windows on screen: the main window, the panel, then the others in the
// order they were built.
QStringList VisibleWindows(soyka::ui::ProgramWindows& w) {
  QStringList shown;
  for (const QWidget* window : w.builtWindows()) {
    if (window->isVisible()) {
      shown << window->windowTitle();
    }
  }
  return shown;
}

} // namespace

class MainWindowProgramTest : public QObject {
  Q_OBJECT

  std::unique_ptr<ProgramRig> rig;

  MainWindow& Main() { return rig->windows.mainWindow_; }

  QTableWidget* MemoryGrid() { return rig->windows.memoryWindow().grid_; }

  void Click(QWidget* element) {
    QTest::mouseClick(element, Qt::LeftButton, {}, element->rect().center());
  }

  // Answers both showings of the example window: load, then OK.
  void LoadExampleThroughTheMenu() {
    std::unique_ptr<ModalDriver> second;
    ModalDriver first([&](QWidget*) {
      second = std::make_unique<ModalDriver>(
          [&](QWidget*) { rig->windows.example().okButton_->click(); });
      rig->windows.example().loadButton_->click();
    });
    Main().exampleAction_->trigger();
    QVERIFY(first.Answered());
    QVERIFY(second && second->Answered());
    QVERIFY(!second->TimedOut());
  }

  void RunToTheEnd() {
    rig->windows.controlPanel_.onStartClicked();
    QTRY_VERIFY_WITH_TIMEOUT(
        rig->state.Halted && rig->windows.controlPanel_.startButton_->isEnabled(), RunBoundMs);
  }

  QStringList DisplayValues() {
    return {rig->windows.displayWindow().valueLabels_[0]->text().trimmed(),
            rig->windows.displayWindow().valueLabels_[1]->text().trimmed(),
            rig->windows.displayWindow().valueLabels_[2]->text().trimmed()};
  }

private slots:
  void init() {
    rig = std::make_unique<ProgramRig>();
    QVERIFY(QTest::qWaitForWindowExposed(&Main()));
  }

  void cleanup() { rig.reset(); }

  void startUpShowsExactlyTheMainWindowAndThePanel() {
    QCOMPARE(VisibleWindows(rig->windows),
             (QStringList{"Учебная ЭВМ \"Сойка\"", "Пульт управления"}));
    rig->windows.mainWindow_.hide();
    rig->windows.controlPanel_.hide();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &rig->windows.mainWindow_, &rig->windows.registersWindow(),
             &rig->windows.memoryWindow(), &rig->windows.displayWindow(),
             &rig->windows.pauseWindow(), &rig->windows.controlPanel_, &rig->windows.aboutAuthor(),
             &rig->windows.aboutProgram(), &rig->windows.thanks(), &rig->windows.interfaceHelp(),
             &rig->windows.example()}) {
      window->show();
    }
    QCOMPARE(VisibleWindows(rig->windows),
             (QStringList{"Учебная ЭВМ \"Сойка\"", "Пульт управления", "Арифметическое устройство",
                          "Память", "Дисплей", "Выполнено:", "Автор", "Программа", "Благодарности",
                          "Интерфейс", "Пример программы"}));
  }

  void aClickOnTheMemoryAreaWhileItIsShownRefocusesTheGrid() {
    Click(Main().memoryAreas_[0]);
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    Main().activateWindow();
    Main().setFocus();
    QTRY_VERIFY(!MemoryGrid()->hasFocus());
    for (QWidget* area : {Main().memoryAreas_[1], Main().memoryAreas_[2],
                          static_cast<QWidget*>(Main().memoryLabel_), Main().memoryAreas_[0]}) {
      Click(area);
      QTRY_VERIFY(MemoryGrid()->hasFocus());
      QCOMPARE(FlagsText(rig->state), QStringLiteral("100"));
      Main().activateWindow();
      Main().setFocus();
      QTRY_VERIFY(!MemoryGrid()->hasFocus());
    }
  }

  void withNoViewWantedNothingIsShownAndNoFocusMoves() {
    Main().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Main());
    QWidget* focused = QApplication::focusWidget();
    const QStringList shown = VisibleWindows(rig->windows);
    rig->windows.dispatcher_.ShowWantedWindows();
    Click(Main().board_);
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Ok); });
    Main().commandSystemAction_->trigger();
    QVERIFY(driver.Answered());
    Main().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Main());
    QCOMPARE(VisibleWindows(rig->windows), shown);
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(FlagsText(rig->state), QStringLiteral("000"));
  }

  void aViewClosedWithItsOwnButtonStaysClosedUntilItsAreaIsClicked() {
    Click(Main().memoryAreas_[0]);
    Click(Main().processorPicture_);
    Click(Main().displayPicture_);
    QCOMPARE(FlagsText(rig->state), QStringLiteral("111"));
    QVERIFY(rig->windows.registersWindow().isVisible());
    rig->windows.registersWindow().closeButton_->click();
    QVERIFY(!rig->windows.registersWindow().isVisible());
    QCOMPARE(FlagsText(rig->state), QStringLiteral("101"));

    Click(Main().board_);
    ModalDriver message([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Ok); });
    Main().commandSystemAction_->trigger();
    ModalDriver help([&](QWidget*) { rig->windows.interfaceHelp().okButton_->click(); });
    Main().interfaceHelpAction_->trigger();
    ModalDriver exit([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::No); });
    Main().exitAction_->trigger();
    QVERIFY(message.Answered() && help.Answered() && exit.Answered());
    QVERIFY(!rig->windows.registersWindow().isVisible());
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QVERIFY(rig->windows.displayWindow().isVisible());

    Click(Main().processorLabel_);
    QVERIFY(rig->windows.registersWindow().isVisible());
    QCOMPARE(FlagsText(rig->state), QStringLiteral("111"));
  }

  void aClickOnTheMainWindowEndsMemoryInput() {
    rig->windows.controlPanel_.inputButton_->click();
    QVERIFY(rig->state.InputEnabled);
    rig->windows.memoryWindow().activateWindow();
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    // The window system activates the main window first, then the click reaches it.
    Main().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Main());
    QTRY_VERIFY(!rig->state.InputEnabled);
    Click(Main().board_);
    // The click re-shows the memory window, which does not turn input back on.
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    QTest::qWait(50);
    QVERIFY(!rig->state.InputEnabled);
  }

  void answeringNoToExitChangesNothing_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("No") << false;
    QTest::newRow("Escape") << true;
  }

  void answeringNoToExitChangesNothing() {
    QFETCH(bool, byEscape);
    Click(Main().memoryAreas_[1]);
    Click(Main().displayLabel_);
    const QStringList shown = VisibleWindows(rig->windows);
    const auto memory = rig->state.Memory;
    ModalDriver driver([&](QWidget* modal) {
      if (byEscape) {
        QTest::keyClick(modal, Qt::Key_Escape);
      } else {
        PressMessageBoxButton(modal, QMessageBox::No);
      }
    });
    Main().exitAction_->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QVERIFY(Main().isVisible());
    QCOMPARE(VisibleWindows(rig->windows), shown);
    QCOMPARE(FlagsText(rig->state), QStringLiteral("101"));
    QVERIFY(rig->state.Memory == memory);
    QTRY_VERIFY(MemoryGrid()->hasFocus());
  }

  void theLoadedExampleComputes120ThenWithoutReloading720() {
    LoadExampleThroughTheMenu();
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QCOMPARE(RowText(MemoryGrid(), 0), QStringLiteral("101110101101"));
    QCOMPARE(RowText(MemoryGrid(), 4), QStringLiteral("000000000110"));
    QCOMPARE(RowText(MemoryGrid(), 7), QStringLiteral("000000000001"));
    QVERIFY(!rig->state.LoadExampleChosen);
    QVERIFY(!rig->windows.example().loadButton_->isEnabled());
    rig->windows.controlPanel_.setTickInterval(1);
    RunToTheEnd();
    QCOMPARE(DisplayValues(), (QStringList{"120", "120", "120"}));
    QCOMPARE(RowText(MemoryGrid(), 5), QStringLiteral("000001111000"));
    RunToTheEnd();
    QCOMPARE(DisplayValues(), (QStringList{"720", "720", "720"}));
  }

  void okAtTheFirstShowingLeavesMemoryButOpensItsWindow() {
    rig->state.Memory[2] = soyka::WordFromValue(5);
    rig->windows.dispatcher_.RefreshMemoryView();
    bool memoryShownWithTheExample = false;
    ModalDriver driver([&](QWidget*) {
      memoryShownWithTheExample = rig->windows.memoryWindow().isVisible();
      rig->windows.example().okButton_->click();
    });
    Main().exampleAction_->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QVERIFY(memoryShownWithTheExample);
    QCOMPARE(RowText(MemoryGrid(), 2), QStringLiteral("000000000101"));
    QCOMPARE(RowText(MemoryGrid(), 0), QStringLiteral("000000000000"));
    QVERIFY(rig->windows.memoryWindow().isVisible());
    QCOMPARE(FlagsText(rig->state), QStringLiteral("100"));
    // Wanted: a later action of the main window brings it back after it was hidden by hand.
    rig->windows.memoryWindow().hide();
    Click(Main().board_);
    QVERIFY(rig->windows.memoryWindow().isVisible());
  }

  void aRunGoesOnBehindTheMainWindowsDialogs_data() {
    QTest::addColumn<QString>("item");
    for (const char* item :
         {"commandSystemAction", "boardCommandSystemAction", "interfaceHelpAction", "exampleAction",
          "aboutProgramAction", "aboutAuthorAction", "thanksAction", "exitAction"}) {
      QTest::newRow(item) << item;
    }
  }

  void aRunGoesOnBehindTheMainWindowsDialogs() {
    QFETCH(QString, item);
    LoadExample(rig->state);
    rig->windows.dispatcher_.RefreshMemoryView();
    // The ticks are held until the dialog is up, so that the whole run happens behind it.
    rig->windows.controlPanel_.setTickInterval(HeldTickMs);
    rig->windows.controlPanel_.onStartClicked();
    QVERIFY(!rig->state.Halted);

    QStringList atOpen;
    std::string registerAtOpen;
    bool endedBehind = false;
    ModalDriver driver([&](QWidget* modal) {
      atOpen = DisplayValues();
      registerAtOpen = soyka::BitsText(rig->state.CommandRegister);
      rig->windows.controlPanel_.setTickInterval(1);
      endedBehind = QTest::qWaitFor(
          [&] {
            return DisplayValues() == QStringList{"120", "120", "120"};
          },
          RunBoundMs);
      if (qobject_cast<QMessageBox*>(modal)) {
        PressMessageBoxButton(modal, item == QLatin1String("exitAction") ? QMessageBox::No
                                                                         : QMessageBox::Ok);
      } else if (modal == &rig->windows.example()) {
        rig->windows.example().okButton_->click();
      } else {
        qobject_cast<QDialog*>(modal)->accept();
      }
    });
    const QMap<QString, QAction*> items = {
        {"commandSystemAction", Main().commandSystemAction_},
        {"boardCommandSystemAction", Main().boardCommandSystemAction_},
        {"interfaceHelpAction", Main().interfaceHelpAction_},
        {"exampleAction", Main().exampleAction_},
        {"aboutProgramAction", Main().aboutProgramAction_},
        {"aboutAuthorAction", Main().aboutAuthorAction_},
        {"thanksAction", Main().thanksAction_},
        {"exitAction", Main().exitAction_}};
    items[item]->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    // No command had been fetched when the dialog came up; every one was, behind it.
    QCOMPARE(atOpen, (QStringList{"", "", ""}));
    QCOMPARE(registerAtOpen, std::string("000000000000"));
    QVERIFY(endedBehind);
    QVERIFY(Main().isVisible());
  }
};

QTEST_MAIN(MainWindowProgramTest)
#include "MainWindowProgramTest.moc"
