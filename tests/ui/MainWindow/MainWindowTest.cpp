// The main window on its own: the board and its areas, the menus, and what every handler does,
// with the view operations written down instead of shown.
#include "MainWindow.h"
#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "CommandSystemText.h"
#include "ExampleDialog.h"
#include "InterfaceHelpDialog.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "Pictures.h"
#include "RecordingViews.h"
#include "ThanksDialog.h"

#include <QMenuBar>
#include <QScreen>
#include <QtTest>
#include <memory>

using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;
using soyka::testing::RecordingViews;

namespace {

enum Flag { NoFlag = -1, MemoryFlag, RegistersFlag, DisplayFlag };

QString FlagsText(const soyka::MachineState& state) {
  return QStringLiteral("%1%2%3")
      .arg(int(state.MemoryWindowOpen))
      .arg(int(state.RegistersWindowOpen))
      .arg(int(state.DisplayWindowOpen));
}

QString FlagsWith(Flag flag) {
  QString flags = QStringLiteral("000");
  if (flag != NoFlag) {
    flags[flag] = QLatin1Char('1');
  }
  return flags;
}

QString Hint() {
  return QStringLiteral("Раскрыть - щелчок мыши");
}

} // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<RecordingViews> views;
  std::unique_ptr<MainWindow> mainWindow;

  QWidget* Element(const QString& name) const { return mainWindow->findChild<QWidget*>(name); }

  int Wanted() const { return views->Count("ShowWantedWindows"); }

private slots:
  void initTestCase() {
    // A confirmed exit closes the window under test; the test program itself goes on.
    QApplication::setQuitOnLastWindowClosed(false);
  }

  void init() {
    soyka::InitializeMachine(state);
    views = std::make_unique<RecordingViews>(state);
    mainWindow = std::make_unique<MainWindow>(state, *views);
    mainWindow->board_->setObjectName(QStringLiteral("board"));
    const std::pair<QWidget*, const char*> names[] = {
        {mainWindow->processorFrame_, "processorFrame"},
        {mainWindow->memoryFrame_, "memoryFrame"},
        {mainWindow->memoryAreas_[0], "memoryArea0"},
        {mainWindow->memoryAreas_[1], "memoryArea1"},
        {mainWindow->memoryAreas_[2], "memoryArea2"},
        {mainWindow->memoryLabel_, "memoryLabel"},
        {mainWindow->displayFrame_, "displayFrame"},
        {mainWindow->displayPicture_, "displayPicture"},
        {mainWindow->displayLabel_, "displayLabel"},
        {mainWindow->processorPicture_, "processorPicture"},
        {mainWindow->processorLabel_, "processorLabel"},
    };
    for (const auto& [widget, name] : names) {
      widget->setObjectName(QLatin1String(name));
    }
  }

  void cleanup() {
    mainWindow.reset();
    views.reset();
  }

  void captionIconFontAndFixedClientArea() {
    QCOMPARE(mainWindow->windowTitle(), QStringLiteral("Учебная ЭВМ \"Сойка\""));
    QVERIFY(!mainWindow->windowIcon().isNull());
    QCOMPARE(mainWindow->font().pixelSize(), 16);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    QCOMPARE(mainWindow->centralWidget()->size(), QSize(582, 409));
    QCOMPARE(mainWindow->centralWidget()->y(), mainWindow->menuBar()->height());
    QCOMPARE(mainWindow->height(), 409 + mainWindow->menuBar()->height());
    QCOMPARE(mainWindow->width(), 582);
    QCOMPARE(mainWindow->minimumSize(), mainWindow->maximumSize());
    QVERIFY(mainWindow->testAttribute(Qt::WA_QuitOnClose));
  }

  void centredOnTheScreenWhenFirstShown() {
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    const QPoint screenCentre = mainWindow->screen()->availableGeometry().center();
    QVERIFY2((mainWindow->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2")
                            .arg(mainWindow->frameGeometry().center().x())
                            .arg(mainWindow->frameGeometry().center().y())));
    mainWindow->hide();
    mainWindow->move(10, 10);
    mainWindow->show();
    QCOMPARE(mainWindow->pos(), QPoint(10, 10));
  }

  void boardElementsFromBottomToTop_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("board") << "board" << QRect(-4, -8, 590, 430);
    QTest::newRow("processorFrame") << "processorFrame" << QRect(282, 20, 132, 114);
    QTest::newRow("memoryFrame") << "memoryFrame" << QRect(72, 123, 159, 110);
    QTest::newRow("memoryArea0") << "memoryArea0" << QRect(76, 128, 50, 100);
    QTest::newRow("memoryArea1") << "memoryArea1" << QRect(126, 128, 50, 100);
    QTest::newRow("memoryArea2") << "memoryArea2" << QRect(176, 128, 50, 100);
    QTest::newRow("memoryLabel") << "memoryLabel" << QRect(112, 158, 58, 32);
    QTest::newRow("displayFrame") << "displayFrame" << QRect(394, 162, 164, 140);
    QTest::newRow("displayPicture") << "displayPicture" << QRect(400, 168, 153, 129);
    QTest::newRow("displayLabel") << "displayLabel" << QRect(416, 128, 118, 32);
    QTest::newRow("processorPicture") << "processorPicture" << QRect(288, 24, 121, 105);
    QTest::newRow("processorLabel") << "processorLabel" << QRect(352, 24, 52, 32);
  }

  void boardElementsFromBottomToTop() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* element = Element(name);
    QVERIFY(element);
    QCOMPARE(element->geometry(), geometry);
    QCOMPARE(element->parentWidget(), mainWindow->centralWidget());
    // The table's order is the stacking order: each row lies over the rows before it.
    const QString order[] = {"board",        "processorFrame",   "memoryFrame",
                             "memoryArea0",  "memoryArea1",      "memoryArea2",
                             "memoryLabel",  "displayFrame",     "displayPicture",
                             "displayLabel", "processorPicture", "processorLabel"};
    const QObjectList& children = mainWindow->centralWidget()->children();
    int previous = -1;
    for (const QString& each : order) {
      const int at = static_cast<int>(children.indexOf(Element(each)));
      QVERIFY2(at > previous, qPrintable(each));
      previous = at;
    }
  }

  void boardPictureCoversTheClientArea() {
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    QVERIFY(mainWindow->board_->geometry().contains(mainWindow->centralWidget()->rect()));
    // Where nothing stands on it, the window shows the kept picture as it is.
    const QImage surface = mainWindow->centralWidget()->grab().toImage();
    const QImage board = soyka::ui::boardPicture();
    for (const QPoint at : {QPoint(10, 10), QPoint(300, 360), QPoint(570, 400)}) {
      QCOMPARE(surface.pixelColor(at), board.pixelColor(at - mainWindow->board_->pos()));
    }
  }

  void purpleFramesAreFilledWithRoundedCorners_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("processorFrame") << "processorFrame";
    QTest::newRow("memoryFrame") << "memoryFrame";
    QTest::newRow("displayFrame") << "displayFrame";
  }

  void purpleFramesAreFilledWithRoundedCorners() {
    QFETCH(QString, name);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    const QRect frame = Element(name)->geometry();
    const QImage surface = mainWindow->centralWidget()->grab().toImage();
    const QColor purple(128, 0, 128);
    // Its edges, beside what stands on it.
    QCOMPARE(surface.pixelColor(frame.center().x(), frame.top() + 2), purple);
    QCOMPARE(surface.pixelColor(frame.left() + 2, frame.center().y()), purple);
    QCOMPARE(surface.pixelColor(frame.right() - 2, frame.center().y()), purple);
    QVERIFY(surface.pixelColor(frame.topLeft()) != purple);
    QVERIFY(surface.pixelColor(frame.bottomRight()) != purple);
  }

  void memoryAreaShowsPurpleThroughItsEmptyPictures() {
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    const QImage surface = mainWindow->centralWidget()->grab().toImage();
    const QColor purple(128, 0, 128);
    for (QWidget* area :
         {mainWindow->memoryAreas_[0], mainWindow->memoryAreas_[1], mainWindow->memoryAreas_[2]}) {
      const QPoint inside = area->geometry().topLeft() + QPoint(3, 3);
      QCOMPARE(surface.pixelColor(inside), purple);
    }
  }

  void areaLabelsAreBlackOnYellow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("memoryLabel") << "memoryLabel"
                                 << "ОЗУ";
    QTest::newRow("processorLabel") << "processorLabel"
                                    << "АЛУ";
    QTest::newRow("displayLabel") << "displayLabel"
                                  << "Дисплей";
  }

  void areaLabelsAreBlackOnYellow() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* label = qobject_cast<QLabel*>(Element(name));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pixelSize(), 33);
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    // The whole caption fits its box.
    QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) <= label->width());
  }

  void hintsOnTheAreasOnly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    for (const char* area :
         {"memoryArea0", "memoryArea1", "memoryArea2", "memoryLabel", "displayPicture",
          "displayLabel", "processorPicture", "processorLabel"}) {
      QTest::newRow(area) << area << Hint();
    }
    for (const char* plain : {"board", "processorFrame", "memoryFrame", "displayFrame"}) {
      QTest::newRow(plain) << plain << QString();
    }
  }

  void hintsOnTheAreasOnly() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QCOMPARE(Element(name)->toolTip(), hint);
  }

  void clickOrDoubleClickOpensItsView_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("flag");
    const std::pair<const char*, Flag> areas[] = {
        {"memoryArea0", MemoryFlag},
        {"memoryArea1", MemoryFlag},
        {"memoryArea2", MemoryFlag},
        {"memoryLabel", MemoryFlag},
        {"processorPicture", RegistersFlag},
        {"processorLabel", RegistersFlag},
        {"displayPicture", DisplayFlag},
        {"displayLabel", DisplayFlag},
        {"board", NoFlag},
        {"processorFrame", NoFlag},
        {"memoryFrame", NoFlag},
        {"displayFrame", NoFlag},
    };
    for (const auto& [name, flag] : areas) {
      QTest::addRow("%s click", name) << name << false << int(flag);
      QTest::addRow("%s double click", name) << name << true << int(flag);
    }
  }

  void clickOrDoubleClickOpensItsView() {
    QFETCH(QString, name);
    QFETCH(bool, doubleClick);
    QFETCH(int, flag);
    QWidget* element = Element(name);
    const QPoint inside = element->rect().center();
    if (doubleClick) {
      QTest::mouseDClick(element, Qt::LeftButton, {}, inside);
    } else {
      QTest::mouseClick(element, Qt::LeftButton, {}, inside);
    }
    QCOMPARE(FlagsText(state), FlagsWith(static_cast<Flag>(flag)));
    QVERIFY(Wanted() >= 1);
    // Nothing else is asked of the views, and the flag is set before the views are shown.
    QCOMPARE(views->Operations().size(), std::size_t(Wanted()));
  }

  void aClickOnTheFreeSurfaceOnlyShowsTheWantedViews() {
    state.RegistersWindowOpen = true;
    QTest::mouseClick(mainWindow->centralWidget(), Qt::LeftButton, {}, QPoint(5, 400));
    QCOMPARE(FlagsText(state), QStringLiteral("010"));
    QCOMPARE(Wanted(), 1);
  }

  void otherButtonsAndCancelledClicksDoNothing() {
    QTest::mouseClick(mainWindow->memoryAreas_[0], Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(mainWindow->displayLabel_, Qt::MiddleButton, {}, QPoint(10, 10));
    // Pressed on the area, released beside it: no click.
    QTest::mousePress(mainWindow->processorPicture_, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(mainWindow->processorPicture_, Qt::LeftButton, {}, QPoint(-20, 10));
    QCOMPARE(FlagsText(state), QStringLiteral("000"));
    QCOMPARE(Wanted(), 0);
  }

  void rightClickOnTheBoardOpensThePopupMenu() {
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mainWindow.get()));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 360),
                            mainWindow->board_->mapToGlobal(QPoint(300, 360)));
    QApplication::sendEvent(mainWindow->board_, &event);
    QTRY_VERIFY(mainWindow->boardMenu_->isVisible());
    const QList<QAction*> items = mainWindow->boardMenu_->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0], mainWindow->boardCommandSystemAction_);
    QCOMPARE(items[1], mainWindow->boardInterfaceHelpAction_);
    QCOMPARE(mainWindow->boardCommandSystemAction_->text(), QStringLiteral("Система команд"));
    QCOMPARE(mainWindow->boardInterfaceHelpAction_->text(), QStringLiteral("Интерфейс"));
    mainWindow->boardMenu_->hide();
    QCOMPARE(Wanted(), 0);
  }

  void menuBarHoldsThreeItemsWithTheirBlanks() {
    const QList<QAction*> bar = mainWindow->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0], mainWindow->helpMenuAction_);
    QCOMPARE(bar[1], mainWindow->informationMenuAction_);
    QCOMPARE(bar[2], mainWindow->exitAction_);
    QCOMPARE(mainWindow->helpMenuAction_->text(), QStringLiteral("     Помощь     "));
    QCOMPARE(mainWindow->informationMenuAction_->text(), QStringLiteral("     Информация     "));
    QCOMPARE(mainWindow->exitAction_->text(), QStringLiteral("     Выход     "));
    QVERIFY(mainWindow->exitAction_->menu() == nullptr);

    const QList<QAction*> helpItems = mainWindow->helpMenuAction_->menu()->actions();
    QCOMPARE(helpItems,
             (QList<QAction*>{mainWindow->commandSystemAction_, mainWindow->interfaceHelpAction_,
                              mainWindow->exampleAction_}));
    QCOMPARE(mainWindow->commandSystemAction_->text(), QStringLiteral("Система команд"));
    QCOMPARE(mainWindow->interfaceHelpAction_->text(), QStringLiteral("Интерфейс"));
    QCOMPARE(mainWindow->exampleAction_->text(), QStringLiteral("Пример"));

    const QList<QAction*> infoItems = mainWindow->informationMenuAction_->menu()->actions();
    QCOMPARE(infoItems,
             (QList<QAction*>{mainWindow->aboutProgramAction_, mainWindow->aboutAuthorAction_,
                              mainWindow->thanksAction_}));
    QCOMPARE(mainWindow->aboutProgramAction_->text(), QStringLiteral("О программе"));
    QCOMPARE(mainWindow->aboutAuthorAction_->text(), QStringLiteral("Об авторе"));
    QCOMPARE(mainWindow->thanksAction_->text(), QStringLiteral("Благодарности"));
  }

  void commandSystemMessageThenWantedViews_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("commandSystemAction") << "commandSystemAction";
    QTest::newRow("boardCommandSystemAction") << "boardCommandSystemAction";
  }

  void commandSystemMessageThenWantedViews() {
    QFETCH(QString, item);
    QAction* action = item == QLatin1String("commandSystemAction")
                          ? mainWindow->commandSystemAction_
                          : mainWindow->boardCommandSystemAction_;
    int wantedWhileOpen = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    ModalDriver driver([&](QWidget* modal) {
      wantedWhileOpen = Wanted();
      icon = qobject_cast<QMessageBox*>(modal)->icon();
      PressMessageBoxButton(modal, QMessageBox::Ok);
    });
    action->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(driver.seenText, soyka::ui::shownText(commandSystemText()));
    QCOMPARE(driver.seenTitle, soyka::ui::applicationTitle());
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(wantedWhileOpen, 0);
    QCOMPARE(Wanted(), 1);
  }

  void modalDialogsThenWantedViews_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::newRow("interfaceHelpAction") << "interfaceHelpAction"
                                         << "Интерфейс";
    QTest::newRow("boardInterfaceHelpAction") << "boardInterfaceHelpAction"
                                              << "Интерфейс";
    QTest::newRow("aboutProgramAction") << "aboutProgramAction"
                                        << "Программа";
    QTest::newRow("aboutAuthorAction") << "aboutAuthorAction"
                                       << "Автор";
    QTest::newRow("thanksAction") << "thanksAction"
                                  << "Благодарности";
  }

  void modalDialogsThenWantedViews() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    const QMap<QString, QAction*> items = {
        {"interfaceHelpAction", mainWindow->interfaceHelpAction_},
        {"boardInterfaceHelpAction", mainWindow->boardInterfaceHelpAction_},
        {"aboutProgramAction", mainWindow->aboutProgramAction_},
        {"aboutAuthorAction", mainWindow->aboutAuthorAction_},
        {"thanksAction", mainWindow->thanksAction_}};
    state.DisplayWindowOpen = true;
    int wantedWhileOpen = -1;
    ModalDriver driver([&](QWidget* modal) {
      wantedWhileOpen = Wanted();
      qobject_cast<QDialog*>(modal)->accept();
    });
    items[item]->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(driver.seenTitle, caption);
    QCOMPARE(wantedWhileOpen, 0);
    QCOMPARE(Wanted(), 1);
    QCOMPARE(FlagsText(state), QStringLiteral("001"));
  }

  void exitNotConfirmedKeepsTheProgram_data() {
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("No") << false;
    QTest::newRow("box closed by Escape") << true;
  }

  void exitNotConfirmedKeepsTheProgram() {
    QFETCH(bool, byEscape);
    mainWindow->show();
    state.MemoryWindowOpen = true;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalDriver driver([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      icon = box->icon();
      defaultButton = box->standardButton(box->defaultButton());
      if (byEscape) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else {
        PressMessageBoxButton(modal, QMessageBox::No);
      }
    });
    mainWindow->exitAction_->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(driver.seenText, QStringLiteral("Действительно хотите выйти из программы?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(defaultButton, QMessageBox::Yes);
    QVERIFY(mainWindow->isVisible());
    QCOMPARE(Wanted(), 1);
    QCOMPARE(FlagsText(state), QStringLiteral("100"));
  }

  void exitConfirmedClosesTheMainWindow() {
    mainWindow->show();
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Yes); });
    mainWindow->exitAction_->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!mainWindow->isVisible());
    QCOMPARE(Wanted(), 0);
  }

  void titleBarCloseAsksNothing() {
    mainWindow->show();
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::No); }, 300);
    QVERIFY(mainWindow->close());
    QTest::qWait(50);
    QVERIFY(!driver.Answered());
    QVERIFY(!mainWindow->isVisible());
  }

  void exampleOkAtFirstShowingLoadsNothing() {
    state.Memory[3] = soyka::WordFromValue(77);
    const auto memoryBefore = state.Memory;
    bool loadEnabled = false;
    QWidget* shown = nullptr;
    ModalDriver driver([&](QWidget* modal) {
      loadEnabled = mainWindow->exampleDialog().loadButton_->isEnabled();
      shown = modal;
      mainWindow->exampleDialog().okButton_->click();
    });
    mainWindow->exampleAction_->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(shown, static_cast<QWidget*>(&mainWindow->exampleDialog()));
    QVERIFY(loadEnabled);
    QVERIFY(state.Memory == memoryBefore);
    QVERIFY(state.MemoryWindowOpen);
    QVERIFY(!state.LoadExampleChosen);
    QCOMPARE(views->Operations(), std::vector<std::string>{"ShowWantedWindows"});
  }

  void exampleLoadShowsTheWindowAgainWithLoadDisabled() {
    std::unique_ptr<ModalDriver> second;
    bool loadEnabledFirst = false;
    bool loadEnabledSecond = true;
    bool loadedBeforeSecond = false;
    std::vector<std::string> callsBeforeSecond;
    ModalDriver first([&](QWidget*) {
      loadEnabledFirst = mainWindow->exampleDialog().loadButton_->isEnabled();
      second = std::make_unique<ModalDriver>([&](QWidget*) {
        loadEnabledSecond = mainWindow->exampleDialog().loadButton_->isEnabled();
        loadedBeforeSecond = soyka::BitsText(state.Memory[0]) == "101110101101";
        callsBeforeSecond = views->Operations();
        mainWindow->exampleDialog().okButton_->click();
      });
      mainWindow->exampleDialog().loadButton_->click();
    });
    mainWindow->showExample();
    QVERIFY(first.Answered());
    QVERIFY(second && second->Answered());
    QVERIFY(!second->TimedOut());
    QVERIFY(loadEnabledFirst);
    QVERIFY(!loadEnabledSecond);
    QVERIFY(loadedBeforeSecond);
    QCOMPARE(callsBeforeSecond, std::vector<std::string>{"RefreshMemoryView"});
    QCOMPARE(views->Operations(),
             (std::vector<std::string>{"RefreshMemoryView", "ShowWantedWindows"}));
    QVERIFY(!state.LoadExampleChosen);
    QVERIFY(state.MemoryWindowOpen);

    // A new opening enables the load button again.
    bool enabledAgain = false;
    ModalDriver again([&](QWidget*) {
      enabledAgain = mainWindow->exampleDialog().loadButton_->isEnabled();
      mainWindow->exampleDialog().okButton_->click();
    });
    mainWindow->showExample();
    QVERIFY(again.Answered());
    QVERIFY(enabledAgain);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
