// The main window on its own: the board and its areas, the menus, and what every handler does,
// with the view operations written down instead of shown.
#include "MainWindow.h"
#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "CommandSystemText.h"
#include "ExampleDialog.h"
#include "InterfaceHelpDialog.h"
#include "MainWindowTestViews.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "ThanksDialog.h"

#include <QMenuBar>
#include <QScreen>
#include <QtTest>
#include <memory>

using soyka::testing::MainFormTestViews;
using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;

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

class MainFormTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<MainFormTestViews> views;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<AboutAuthorDialog> author;
  std::unique_ptr<AboutProgramDialog> program;
  std::unique_ptr<ThanksDialog> thanks;
  std::unique_ptr<InterfaceHelpDialog> help;
  std::unique_ptr<ExampleDialog> example;

  QWidget* Element(const QString& name) const { return form->findChild<QWidget*>(name); }

  int Wanted() const { return views->Count("ShowWantedWindows"); }

private slots:
  void initTestCase() {
    // A confirmed exit closes the window under test; the test program itself goes on.
    QApplication::setQuitOnLastWindowClosed(false);
  }

  void init() {
    soyka::InitializeMachine(state);
    views = std::make_unique<MainFormTestViews>(state);
    form = std::make_unique<TForm1>(state, *views);
    author = std::make_unique<AboutAuthorDialog>();
    program = std::make_unique<AboutProgramDialog>();
    thanks = std::make_unique<ThanksDialog>();
    help = std::make_unique<InterfaceHelpDialog>();
    example = std::make_unique<ExampleDialog>(state);
    form->AttachViews(nullptr, nullptr, nullptr);
    form->AttachDialogs(author.get(), program.get(), thanks.get(), help.get(), example.get());
    form->MotherBoard->setObjectName(QStringLiteral("MotherBoard"));
    const std::pair<QWidget*, const char*> names[] = {
        {form->pPentium, "pPentium"}, {form->pRAM, "pRAM"},     {form->RAM1, "RAM1"},
        {form->RAM2, "RAM2"},         {form->RAM3, "RAM3"},     {form->Label1, "Label1"},
        {form->pDisp, "pDisp"},       {form->tv, "tv"},         {form->Label3, "Label3"},
        {form->Pentium, "Pentium"},   {form->Label2, "Label2"},
    };
    for (const auto& [widget, name] : names) {
      widget->setObjectName(QLatin1String(name));
    }
  }

  void cleanup() {
    form.reset();
    example.reset();
    help.reset();
    thanks.reset();
    program.reset();
    author.reset();
    views.reset();
  }

  void captionIconFontAndFixedClientArea() {
    QCOMPARE(form->windowTitle(), QStringLiteral("Учебная ЭВМ \"Сойка\""));
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->font().pixelSize(), 16);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->centralWidget()->size(), QSize(582, 409));
    QCOMPARE(form->centralWidget()->y(), form->menuBar()->height());
    QCOMPARE(form->height(), 409 + form->menuBar()->height());
    QCOMPARE(form->width(), 582);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(form->testAttribute(Qt::WA_QuitOnClose));
  }

  void centredOnTheScreenWhenFirstShown() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QPoint screenCentre = form->screen()->availableGeometry().center();
    QVERIFY2((form->frameGeometry().center() - screenCentre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2")
                            .arg(form->frameGeometry().center().x())
                            .arg(form->frameGeometry().center().y())));
    form->hide();
    form->move(10, 10);
    form->show();
    QCOMPARE(form->pos(), QPoint(10, 10));
  }

  void boardElementsFromBottomToTop_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("MotherBoard") << "MotherBoard" << QRect(-4, -8, 590, 430);
    QTest::newRow("pPentium") << "pPentium" << QRect(282, 20, 132, 114);
    QTest::newRow("pRAM") << "pRAM" << QRect(72, 123, 159, 110);
    QTest::newRow("RAM1") << "RAM1" << QRect(76, 128, 50, 100);
    QTest::newRow("RAM2") << "RAM2" << QRect(126, 128, 50, 100);
    QTest::newRow("RAM3") << "RAM3" << QRect(176, 128, 50, 100);
    QTest::newRow("Label1") << "Label1" << QRect(112, 158, 58, 32);
    QTest::newRow("pDisp") << "pDisp" << QRect(394, 162, 164, 140);
    QTest::newRow("tv") << "tv" << QRect(400, 168, 153, 129);
    QTest::newRow("Label3") << "Label3" << QRect(416, 128, 118, 32);
    QTest::newRow("Pentium") << "Pentium" << QRect(288, 24, 121, 105);
    QTest::newRow("Label2") << "Label2" << QRect(352, 24, 52, 32);
  }

  void boardElementsFromBottomToTop() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* element = Element(name);
    QVERIFY(element);
    QCOMPARE(element->geometry(), geometry);
    QCOMPARE(element->parentWidget(), form->centralWidget());
    // The table's order is the stacking order: each row lies over the rows before it.
    const QString order[] = {"MotherBoard", "pPentium", "pRAM", "RAM1",   "RAM2",    "RAM3",
                             "Label1",      "pDisp",    "tv",   "Label3", "Pentium", "Label2"};
    const QObjectList& children = form->centralWidget()->children();
    int previous = -1;
    for (const QString& each : order) {
      const int at = static_cast<int>(children.indexOf(Element(each)));
      QVERIFY2(at > previous, qPrintable(each));
      previous = at;
    }
  }

  void boardPictureCoversTheClientArea() {
    const QPixmap board = form->MotherBoard->pixmap();
    QCOMPARE(board.size(), QSize(590, 430));
    QVERIFY(form->MotherBoard->geometry().contains(form->centralWidget()->rect()));
  }

  void purpleFramesAreFilledWithRoundedCorners_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("pPentium") << "pPentium";
    QTest::newRow("pRAM") << "pRAM";
    QTest::newRow("pDisp") << "pDisp";
  }

  void purpleFramesAreFilledWithRoundedCorners() {
    QFETCH(QString, name);
    QWidget* frame = Element(name);
    const QImage image = frame->grab().toImage();
    const QColor purple(128, 0, 128);
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), purple);
    QCOMPARE(image.pixelColor(image.width() / 2, 1), purple);
    QCOMPARE(image.pixelColor(1, image.height() / 2), purple);
    QVERIFY(image.pixelColor(0, 0) != purple);
    QVERIFY(image.pixelColor(image.width() - 1, image.height() - 1) != purple);
  }

  void memoryAreaShowsPurpleThroughItsEmptyPictures() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QImage surface = form->centralWidget()->grab().toImage();
    const QColor purple(128, 0, 128);
    for (QWidget* area : {form->RAM1, form->RAM2, form->RAM3}) {
      const QPoint inside = area->geometry().topLeft() + QPoint(3, 3);
      QCOMPARE(surface.pixelColor(inside), purple);
    }
  }

  void areaLabelsAreBlackOnYellow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1"
                            << "ОЗУ";
    QTest::newRow("Label2") << "Label2"
                            << "АЛУ";
    QTest::newRow("Label3") << "Label3"
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
         {"RAM1", "RAM2", "RAM3", "Label1", "tv", "Label3", "Pentium", "Label2"}) {
      QTest::newRow(area) << area << Hint();
    }
    for (const char* plain : {"MotherBoard", "pPentium", "pRAM", "pDisp"}) {
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
        {"RAM1", MemoryFlag},   {"RAM2", MemoryFlag},       {"RAM3", MemoryFlag},
        {"Label1", MemoryFlag}, {"Pentium", RegistersFlag}, {"Label2", RegistersFlag},
        {"tv", DisplayFlag},    {"Label3", DisplayFlag},    {"MotherBoard", NoFlag},
        {"pPentium", NoFlag},   {"pRAM", NoFlag},           {"pDisp", NoFlag},
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
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(5, 400));
    QCOMPARE(FlagsText(state), QStringLiteral("010"));
    QCOMPARE(Wanted(), 1);
  }

  void otherButtonsAndCancelledClicksDoNothing() {
    QTest::mouseClick(form->RAM1, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(form->Label3, Qt::MiddleButton, {}, QPoint(10, 10));
    // Pressed on the area, released beside it: no click.
    QTest::mousePress(form->Pentium, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(form->Pentium, Qt::LeftButton, {}, QPoint(-20, 10));
    QCOMPARE(FlagsText(state), QStringLiteral("000"));
    QCOMPARE(Wanted(), 0);
  }

  void rightClickOnTheBoardOpensThePopupMenu() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 360),
                            form->MotherBoard->mapToGlobal(QPoint(300, 360)));
    QApplication::sendEvent(form->MotherBoard, &event);
    QTRY_VERIFY(form->PopupMenu1->isVisible());
    const QList<QAction*> items = form->PopupMenu1->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0], form->N10);
    QCOMPARE(items[1], form->N11);
    QCOMPARE(form->N10->text(), QStringLiteral("Система команд"));
    QCOMPARE(form->N11->text(), QStringLiteral("Интерфейс"));
    form->PopupMenu1->hide();
    QCOMPARE(Wanted(), 0);
  }

  void menuBarHoldsThreeItemsWithTheirBlanks() {
    const QList<QAction*> bar = form->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0], form->N3);
    QCOMPARE(bar[1], form->N2);
    QCOMPARE(bar[2], form->N1);
    QCOMPARE(form->N3->text(), QStringLiteral("     Помощь     "));
    QCOMPARE(form->N2->text(), QStringLiteral("     Информация     "));
    QCOMPARE(form->N1->text(), QStringLiteral("     Выход     "));
    QVERIFY(form->N1->menu() == nullptr);

    const QList<QAction*> helpItems = form->N3->menu()->actions();
    QCOMPARE(helpItems, (QList<QAction*>{form->N7, form->N8, form->N9}));
    QCOMPARE(form->N7->text(), QStringLiteral("Система команд"));
    QCOMPARE(form->N8->text(), QStringLiteral("Интерфейс"));
    QCOMPARE(form->N9->text(), QStringLiteral("Пример"));

    const QList<QAction*> infoItems = form->N2->menu()->actions();
    QCOMPARE(infoItems, (QList<QAction*>{form->N4, form->N5, form->N6}));
    QCOMPARE(form->N4->text(), QStringLiteral("О программе"));
    QCOMPARE(form->N5->text(), QStringLiteral("Об авторе"));
    QCOMPARE(form->N6->text(), QStringLiteral("Благодарности"));
  }

  void commandSystemMessageThenWantedViews_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("N7") << "N7";
    QTest::newRow("N10") << "N10";
  }

  void commandSystemMessageThenWantedViews() {
    QFETCH(QString, item);
    QAction* action = item == QLatin1String("N7") ? form->N7 : form->N10;
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
    QTest::newRow("N8 interface") << "N8"
                                  << "Интерфейс";
    QTest::newRow("N11 interface") << "N11"
                                   << "Интерфейс";
    QTest::newRow("N4 program") << "N4"
                                << "Программа";
    QTest::newRow("N5 author") << "N5"
                               << "Автор";
    QTest::newRow("N6 thanks") << "N6"
                               << "Благодарности";
  }

  void modalDialogsThenWantedViews() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    const QMap<QString, QAction*> items = {
        {"N8", form->N8}, {"N11", form->N11}, {"N4", form->N4}, {"N5", form->N5}, {"N6", form->N6}};
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
    form->show();
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
    form->N1->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(driver.seenText, QStringLiteral("Действительно хотите выйти из программы?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(defaultButton, QMessageBox::Yes);
    QVERIFY(form->isVisible());
    QCOMPARE(Wanted(), 1);
    QCOMPARE(FlagsText(state), QStringLiteral("100"));
  }

  void exitConfirmedClosesTheMainWindow() {
    form->show();
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::Yes); });
    form->N1->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!form->isVisible());
    QCOMPARE(Wanted(), 0);
  }

  void titleBarCloseAsksNothing() {
    form->show();
    ModalDriver driver([](QWidget* modal) { PressMessageBoxButton(modal, QMessageBox::No); }, 300);
    QVERIFY(form->close());
    QTest::qWait(50);
    QVERIFY(!driver.Answered());
    QVERIFY(!form->isVisible());
  }

  void exampleOkAtFirstShowingLoadsNothing() {
    state.Memory[3] = soyka::WordFromValue(77);
    const auto memoryBefore = state.Memory;
    bool loadEnabled = false;
    QWidget* shown = nullptr;
    ModalDriver driver([&](QWidget* modal) {
      loadEnabled = example->loadButton_->isEnabled();
      shown = modal;
      example->okButton_->click();
    });
    form->N9->trigger();
    QVERIFY(driver.Answered());
    QVERIFY(!driver.TimedOut());
    QCOMPARE(shown, static_cast<QWidget*>(example.get()));
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
      loadEnabledFirst = example->loadButton_->isEnabled();
      second = std::make_unique<ModalDriver>([&](QWidget*) {
        loadEnabledSecond = example->loadButton_->isEnabled();
        loadedBeforeSecond = soyka::BitsText(state.Memory[0]) == "101110101101";
        callsBeforeSecond = views->Operations();
        example->okButton_->click();
      });
      example->loadButton_->click();
    });
    form->N9Click();
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
      enabledAgain = example->loadButton_->isEnabled();
      example->okButton_->click();
    });
    form->N9Click();
    QVERIFY(again.Answered());
    QVERIFY(enabledAgain);
  }
};

QTEST_MAIN(MainFormTest)
#include "MainWindowTest.moc"
