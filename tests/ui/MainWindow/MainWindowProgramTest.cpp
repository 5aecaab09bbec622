// The whole program driven through its main window: start-up, the board areas, the rule that
// brings the wanted views back, exit, the example and runs that go on behind dialogs.
#include "ProgramWindows.h"

#include <QAbstractButton>
#include <QtTest>
#include <memory>

#include "ExampleProgram.h"
#include "ModalDriver.h"

using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;

namespace {

// Only so that a broken build does not wait for ever.
constexpr int RunBoundMs = 20000;
// A tick interval no test outlasts: the run waits for the test to let it go.
constexpr int HeldTickMs = 3'600'000;

QString RowText(const QTableWidget* grid, int row) {
  QString text;
  for (int c = 0; c < grid->columnCount(); ++c) {
    const QTableWidgetItem* item = grid->item(row, c);
    text += item ? item->text() : QString();
  }
  return text;
}

QString FlagsText(const soyka::MachineState& state) {
  return QStringLiteral("%1%2%3")
      .arg(int(state.MemoryWindowOpen))
      .arg(int(state.RegistersWindowOpen))
      .arg(int(state.DisplayWindowOpen));
}

// The captions of the windows on screen, in creation order.
QStringList VisibleWindows(soyka::ui::SoykaWindows& w) {
  QStringList shown;
  for (QWidget* window : std::initializer_list<QWidget*>{
           &w.Form1, &w.ALU, &w.Soyka_mem, &w.disp, &w.Info_win, &w.Pult, &w.About_avtor,
           &w.About_prog, &w.Thanks, &w.Inter, &w.primer}) {
    if (window->isVisible()) {
      shown << window->windowTitle();
    }
  }
  return shown;
}

} // namespace

class MainFormProgramTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<soyka::ui::SoykaWindows> windows;

  TForm1& Form() { return windows->Form1; }

  QTableWidget* MemoryGrid() { return windows->Soyka_mem.grid_; }

  void Click(QWidget* element) {
    QTest::mouseClick(element, Qt::LeftButton, {}, element->rect().center());
  }

  // Answers both showings of the example window: load, then OK.
  void LoadExampleThroughTheMenu() {
    std::unique_ptr<ModalDriver> second;
    ModalDriver first([&](QWidget*) {
      second = std::make_unique<ModalDriver>([&](QWidget*) { windows->primer.okButton_->click(); });
      windows->primer.loadButton_->click();
    });
    Form().N9->trigger();
    QVERIFY(first.Answered());
    QVERIFY(second && second->Answered());
    QVERIFY(!second->TimedOut());
  }

  void RunToTheEnd() {
    windows->Pult.onStartClicked();
    QTRY_VERIFY_WITH_TIMEOUT(state.Halted && windows->Pult.startButton_->isEnabled(), RunBoundMs);
  }

  QStringList DisplayValues() {
    return {windows->disp.valueLabels_[0]->text().trimmed(),
            windows->disp.valueLabels_[1]->text().trimmed(),
            windows->disp.valueLabels_[2]->text().trimmed()};
  }

private slots:
  void init() {
    soyka::InitializeMachine(state);
    windows = std::make_unique<soyka::ui::SoykaWindows>(state);
    windows->Show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form()));
  }

  void cleanup() { windows.reset(); }

  void startUpShowsExactlyTheMainWindowAndThePanel() {
    QCOMPARE(VisibleWindows(*windows), (QStringList{"Учебная ЭВМ \"Сойка\"", "Пульт управления"}));
    windows->Form1.hide();
    windows->Pult.hide();
    for (QWidget* window : std::initializer_list<QWidget*>{
             &windows->Form1, &windows->ALU, &windows->Soyka_mem, &windows->disp,
             &windows->Info_win, &windows->Pult, &windows->About_avtor, &windows->About_prog,
             &windows->Thanks, &windows->Inter, &windows->primer}) {
      window->show();
    }
    QCOMPARE(VisibleWindows(*windows),
             (QStringList{"Учебная ЭВМ \"Сойка\"", "Арифметическое устройство", "Память", "Дисплей",
                          "Выполнено:", "Пульт управления", "Автор", "Программа", "Благодарности",
                          "Интерфейс", "Пример программы"}));
  }

  void aClickOnTheMemoryAreaWhileItIsShownRefocusesTheGrid() {
    Click(Form().RAM1);
    QVERIFY(windows->Soyka_mem.isVisible());
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    Form().activateWindow();
    Form().setFocus();
    QTRY_VERIFY(!MemoryGrid()->hasFocus());
    for (QWidget* area :
         {Form().RAM2, Form().RAM3, static_cast<QWidget*>(Form().Label1), Form().RAM1}) {
      Click(area);
      QTRY_VERIFY(MemoryGrid()->hasFocus());
      QCOMPARE(FlagsText(state), QStringLiteral("100"));
      Form().activateWindow();
      Form().setFocus();
      QTRY_VERIFY(!MemoryGrid()->hasFocus());
    }
  }

  void withNoViewWantedNothingIsShownAndNoFocusMoves() {
    Form().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Form());
    QWidget* focused = QApplication::focusWidget();
    const QStringList shown = VisibleWindows(*windows);
    windows->views.ShowWantedWindows();
    Click(Form().MotherBoard);
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Ok); });
    Form().N7->trigger();
    QVERIFY(driver.Answered());
    Form().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Form());
    QCOMPARE(VisibleWindows(*windows), shown);
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(FlagsText(state), QStringLiteral("000"));
  }

  void aViewClosedWithItsOwnButtonStaysClosedUntilItsAreaIsClicked() {
    Click(Form().RAM1);
    Click(Form().Pentium);
    Click(Form().tv);
    QCOMPARE(FlagsText(state), QStringLiteral("111"));
    QVERIFY(windows->ALU.isVisible());
    windows->ALU.closeButton_->click();
    QVERIFY(!windows->ALU.isVisible());
    QCOMPARE(FlagsText(state), QStringLiteral("101"));

    Click(Form().MotherBoard);
    ModalDriver message([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Ok); });
    Form().N7->trigger();
    ModalDriver help([&](QWidget*) { windows->Inter.okButton_->click(); });
    Form().N8->trigger();
    ModalDriver exit([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::No); });
    Form().N1->trigger();
    QVERIFY(message.Answered() && help.Answered() && exit.Answered());
    QVERIFY(!windows->ALU.isVisible());
    QVERIFY(windows->Soyka_mem.isVisible());
    QVERIFY(windows->disp.isVisible());

    Click(Form().Label2);
    QVERIFY(windows->ALU.isVisible());
    QCOMPARE(FlagsText(state), QStringLiteral("111"));
  }

  void aClickOnTheMainWindowEndsMemoryInput() {
    windows->Pult.inputButton_->click();
    QVERIFY(state.InputEnabled);
    windows->Soyka_mem.activateWindow();
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    // The window system activates the main window first, then the click reaches it.
    Form().activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == &Form());
    QTRY_VERIFY(!state.InputEnabled);
    Click(Form().MotherBoard);
    // The click re-shows the memory window, which does not turn input back on.
    QVERIFY(windows->Soyka_mem.isVisible());
    QTRY_VERIFY(MemoryGrid()->hasFocus());
    QTest::qWait(50);
    QVERIFY(!state.InputEnabled);
  }

  void answeringNoToExitChangesNothing_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("No") << false;
    QTest::newRow("Escape") << true;
  }

  void answeringNoToExitChangesNothing() {
    QFETCH(bool, byEscape);
    Click(Form().RAM2);
    Click(Form().Label3);
    const QStringList shown = VisibleWindows(*windows);
    const auto memory = state.Memory;
    ModalDriver driver([&](QWidget* modal) {
      if (byEscape) {
        QTest::keyClick(modal, Qt::Key_Escape);
      } else {
        PressMessageBoxButton(modal, QMessageBox::No);
      }
    });
    Form().N1->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QVERIFY(Form().isVisible());
    QCOMPARE(VisibleWindows(*windows), shown);
    QCOMPARE(FlagsText(state), QStringLiteral("101"));
    QVERIFY(state.Memory == memory);
    QTRY_VERIFY(MemoryGrid()->hasFocus());
  }

  void theLoadedExampleComputes120ThenWithoutReloading720() {
    LoadExampleThroughTheMenu();
    QVERIFY(windows->Soyka_mem.isVisible());
    QCOMPARE(RowText(MemoryGrid(), 0), QStringLiteral("101110101101"));
    QCOMPARE(RowText(MemoryGrid(), 4), QStringLiteral("000000000110"));
    QCOMPARE(RowText(MemoryGrid(), 7), QStringLiteral("000000000001"));
    QVERIFY(!state.LoadExampleChosen);
    QVERIFY(!windows->primer.loadButton_->isEnabled());
    windows->Pult.setTickInterval(1);
    RunToTheEnd();
    QCOMPARE(DisplayValues(), (QStringList{"120", "120", "120"}));
    QCOMPARE(RowText(MemoryGrid(), 5), QStringLiteral("000001111000"));
    RunToTheEnd();
    QCOMPARE(DisplayValues(), (QStringList{"720", "720", "720"}));
  }

  void okAtTheFirstShowingLeavesMemoryButOpensItsWindow() {
    state.Memory[2] = soyka::WordFromValue(5);
    windows->views.RefreshMemoryView();
    bool memoryShownWithTheExample = false;
    ModalDriver driver([&](QWidget*) {
      memoryShownWithTheExample = windows->Soyka_mem.isVisible();
      windows->primer.okButton_->click();
    });
    Form().N9->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QVERIFY(memoryShownWithTheExample);
    QCOMPARE(RowText(MemoryGrid(), 2), QStringLiteral("000000000101"));
    QCOMPARE(RowText(MemoryGrid(), 0), QStringLiteral("000000000000"));
    QVERIFY(windows->Soyka_mem.isVisible());
    QCOMPARE(FlagsText(state), QStringLiteral("100"));
    // Wanted: a later action of the main window brings it back after it was hidden by hand.
    windows->Soyka_mem.hide();
    Click(Form().MotherBoard);
    QVERIFY(windows->Soyka_mem.isVisible());
  }

  void aRunGoesOnBehindTheMainWindowsDialogs_data() {
    QTest::addColumn<QString>("item");
    for (const char* item : {"N7", "N10", "N8", "N9", "N4", "N5", "N6", "N1"}) {
      QTest::newRow(item) << item;
    }
  }

  void aRunGoesOnBehindTheMainWindowsDialogs() {
    QFETCH(QString, item);
    LoadExample(state);
    windows->views.RefreshMemoryView();
    // The ticks are held until the dialog is up, so that the whole run happens behind it.
    windows->Pult.setTickInterval(HeldTickMs);
    windows->Pult.onStartClicked();
    QVERIFY(!state.Halted);

    QStringList atOpen;
    std::string registerAtOpen;
    bool endedBehind = false;
    ModalDriver driver([&](QWidget* modal) {
      atOpen = DisplayValues();
      registerAtOpen = soyka::BitsText(state.CommandRegister);
      windows->Pult.setTickInterval(1);
      endedBehind = QTest::qWaitFor(
          [&] {
            return DisplayValues() == QStringList{"120", "120", "120"};
          },
          RunBoundMs);
      if (qobject_cast<QMessageBox*>(modal)) {
        PressMessageBoxButton(modal,
                              item == QLatin1String("N1") ? QMessageBox::No : QMessageBox::Ok);
      } else if (modal == &windows->primer) {
        windows->primer.okButton_->click();
      } else {
        qobject_cast<QDialog*>(modal)->accept();
      }
    });
    const QMap<QString, QAction*> items = {
        {"N7", Form().N7}, {"N10", Form().N10}, {"N8", Form().N8}, {"N9", Form().N9},
        {"N4", Form().N4}, {"N5", Form().N5},   {"N6", Form().N6}, {"N1", Form().N1}};
    items[item]->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    // No command had been fetched when the dialog came up; every one was, behind it.
    QCOMPARE(atOpen, (QStringList{"", "", ""}));
    QCOMPARE(registerAtOpen, std::string("000000000000"));
    QVERIFY(endedBehind);
    QVERIFY(Form().isVisible());
  }
};

QTEST_MAIN(MainFormProgramTest)
#include "MainWindowProgramTest.moc"
