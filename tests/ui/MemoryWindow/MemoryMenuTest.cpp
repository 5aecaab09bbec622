// The window's handlers: the decoding menu, activation and deactivation, closing, focusing.
#include "MemoryTestSupport.h"
#include "MemoryWindowTests.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "Palette.h"
#include "RegistersWindow.h"

#include <QContextMenuEvent>
#include <QTest>
#include <memory>

using soyka::testing::Cursor;
using soyka::testing::FactorialImage;
using soyka::testing::GridMismatch;
using soyka::testing::MarkerState;
using soyka::testing::MemoryWindowRig;
using soyka::testing::ModalDriver;
using soyka::testing::PressMessageBoxButton;
using soyka::testing::RowText;
using soyka::testing::ShowActive;
using soyka::ui::GridCell;

namespace {

// What the box showed: its text and whether it was a plain box with one OK and no icon.
struct SeenBox {
  QString text;
  QString title;
  bool plain = false;
};

SeenBox AnswerBox(const std::function<void()>& trigger) {
  SeenBox seen;
  ModalDriver driver([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    seen.plain = box != nullptr && box->icon() == QMessageBox::NoIcon &&
                 box->standardButtons() == QMessageBox::Ok;
    PressMessageBoxButton(modal, QMessageBox::Ok);
  });
  trigger();
  seen.text = driver.seenText;
  seen.title = driver.seenTitle;
  return seen;
}

// Longer than the memory window's bring-up.
constexpr int BringUpLapseMs = 400;

// Delivers the window system's events and everything posted, but no timer.
void DeliverAllButTimers() {
  constexpr int Passes = 3;
  for (int pass = 0; pass < Passes; ++pass) {
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
  }
}

QPoint CellCentre(const QTableWidget* grid, int row, int column) {
  return grid->visualRect(grid->model()->index(row, column)).center();
}

} // namespace

class MemoryMenuTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MemoryWindowRig> rig;

  QTableWidget* Grid() const { return rig->window.grid_; }

  void EnableInput() {
    rig->state.InputEnabled = true;
    rig->views.SetInputLamps(true);
    rig->views.ClearLog();
  }

  // A right click on the grid as the window system delivers it: a press, then the menu event.
  void RightClick(int row, int column, const QPoint& global) {
    const QPoint local = CellCentre(Grid(), row, column);
    QTest::mousePress(Grid()->viewport(), Qt::RightButton, {}, local);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, global);
    QApplication::sendEvent(Grid()->viewport(), &event);
    QTest::mouseRelease(Grid()->viewport(), Qt::RightButton, {}, local);
  }

private slots:
  void init() {
    rig = std::make_unique<MemoryWindowRig>(FactorialImage);
    QVERIFY(ShowActive(rig->window));
  }
  void cleanup() {
    rig->window.decodingMenu_->hide();
    rig.reset();
  }

  void decodingItems_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::newRow("Команда on 011") << 1 << 3 << "Ячейка 011:\rкоманда - 111  ВЫВОД, СТОП";
    QTest::newRow("Адреса on 011")
        << 2 << 3
        << "Команда 011:\rA1  = 101,    число: 1\rA2  = 101,    число: 1\r"
           "A3  = 101,    число: 1\r";
    QTest::newRow("10-е число on 011") << 3 << 3 << "Ячейка 011: число 3949";
    QTest::newRow("10-е число on 100") << 3 << 4 << "Ячейка 100: число 6";
    QTest::newRow("Команда on 010") << 1 << 2 << "Ячейка 010:\rкоманда - 110  при A1 > A2 к A3";
  }
  void decodingItems() {
    QFETCH(int, item);
    QFETCH(int, row);
    QFETCH(QString, text);
    Grid()->setCurrentCell(row, 7);
    QAction* action = item == 1   ? rig->window.decodeCommandAction_
                      : item == 2 ? rig->window.decodeAddressesAction_
                                  : rig->window.decodeNumberAction_;
    const SeenBox seen = AnswerBox([&] { action->trigger(); });
    QCOMPARE(seen.text, soyka::ui::shownText(text.toStdString()));
    QCOMPARE(seen.title, soyka::ui::applicationTitle());
    QVERIFY(seen.plain);
    QCOMPARE(Cursor(rig->window), (GridCell{row, 7}));
  }

  void decodingReadsTheRowAsItIsNow() {
    Grid()->setCurrentCell(6, 0);
    rig->state.Memory[6] = soyka::testing::W("111111111111");
    rig->window.RefreshMemoryView();
    const SeenBox seen = AnswerBox([&] { rig->window.decodeNumberAction_->trigger(); });
    QCOMPARE(seen.text, QString("Ячейка 110: число 4095"));
  }

  void rightClickOpensTheMenuCentredAndDecodesTheCursorRow() {
    Grid()->setCurrentCell(2, 3);
    const QPoint pointer(300, 250);
    RightClick(5, 7, pointer);
    QMenu* menu = rig->window.decodingMenu_;
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(pointer.x() - menu->sizeHint().width() / 2, pointer.y()));
    QCOMPARE(Cursor(rig->window), (GridCell{2, 3}));

    const SeenBox seen = AnswerBox([&] {
      menu->setActiveAction(rig->window.decodeNumberAction_);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QCOMPARE(seen.text, QString("Ячейка 010: число 3376"));
    QVERIFY(!menu->isVisible());
    QCOMPARE(Cursor(rig->window), (GridCell{2, 3}));
  }

  void theMenuKeyHighlightsTheFirstItemSoEnterChoosesIt() {
    Grid()->setCurrentCell(3, 0);
    QTest::keyClick(Grid(), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = rig->window.decodingMenu_;
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), rig->window.decodeCommandAction_);
    const SeenBox seen = AnswerBox([&] { QTest::keyClick(menu, Qt::Key_Return); });
    QVERIFY2(seen.text.startsWith("Ячейка 011:\nкоманда - "), qPrintable(seen.text));
  }

  void rightClickOnAPlainPartOfTheWindowOpensTheMenuToo() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 200), QPoint(200, 300));
    QApplication::sendEvent(rig->window.rowLabels_[4], &event);
    QTRY_VERIFY(rig->window.decodingMenu_->isVisible());
  }

  void decodingBoxEndsInputForGood() {
    EnableInput();
    Grid()->setCurrentCell(3, 0);
    const SeenBox seen = AnswerBox([&] { rig->window.decodeCommandAction_->trigger(); });
    QVERIFY(!seen.text.isEmpty());
    QVERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
    QVERIFY(rig->views.Lines() == std::vector<std::string>{"SetInputLamps 0"});

    QVERIFY(ShowActive(rig->window));
    QVERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
    QTest::keyClick(Grid(), Qt::Key_0);
    QCOMPARE(RowText(Grid(), 3), QString("111101101101"));
    QCOMPARE(Cursor(rig->window), (GridCell{3, 0}));
  }

  void anotherWindowEndsInputAndComingBackRefreshes() {
    EnableInput();
    Grid()->setCurrentCell(4, 6);
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!rig->window.isActiveWindow());
    QVERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
    QVERIFY(rig->views.Lines() == std::vector<std::string>{"SetInputLamps 0"});

    // A writer that forgot to refresh: activation shows memory as it is.
    rig->state.Memory[1] = soyka::testing::W("110011001100");
    QVERIFY(!GridMismatch(rig->window, rig->state).isEmpty());
    QVERIFY(ShowActive(rig->window));
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
    QCOMPARE(Cursor(rig->window), (GridCell{4, 6}));
    QVERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
  }

  void closeButtonHidesThenClearsTheFlagThenShowsWantedWindows() {
    rig->state.MemoryWindowOpen = true;
    Grid()->setCurrentCell(6, 2);
    rig->window.MoveCellMarker(0, 5);
    Grid()->setCurrentCell(6, 2);
    rig->views.ClearLog();

    QTest::mouseClick(rig->window.closeButton_, Qt::LeftButton);

    QVERIFY(rig->window.isHidden());
    QVERIFY(!rig->state.MemoryWindowOpen);
    QCOMPARE(rig->views.wantedCalls.size(), std::size_t{1});
    QVERIFY(!rig->views.wantedCalls[0].windowVisible);
    QVERIFY(!rig->views.wantedCalls[0].wanted);
    QCOMPARE(Cursor(rig->window), (GridCell{6, 2}));
    QCOMPARE(MarkerState(rig->window), QString("5"));
    QCOMPARE(GridMismatch(rig->window, rig->state), QString());
  }

  void windowSystemCloseRequestIsRefused() {
    rig->state.MemoryWindowOpen = true;
    rig->window.show();
    rig->views.ClearLog();

    QVERIFY(!rig->window.close());

    QVERIFY(rig->window.isVisible());
    QVERIFY(rig->state.MemoryWindowOpen);
    QVERIFY(rig->views.wantedCalls.empty());
  }

  void focusGridActivatesTheWindowAndKeepsTheCursor() {
    Grid()->setCurrentCell(5, 9);
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!rig->window.isActiveWindow());
    rig->window.focusGrid();
    QTRY_VERIFY(rig->window.isActiveWindow());
    QTRY_VERIFY(Grid()->hasFocus());
    QCOMPARE(Cursor(rig->window), (GridCell{5, 9}));
  }

  // The input button brings the wanted views up and then focuses the grid; a window manager may
  // hand the activation to a view shown along with it, which the memory window takes back.
  void activationPassingThroughAViewWhileFocusingKeepsInput() {
    EnableInput();
    RegistersWindow registers(rig->state, rig->views);
    rig->window.setCompanionViews({&registers});
    QStringList activated;
    QObject watch;
    connect(qApp, &QGuiApplication::focusWindowChanged, &watch,
            [&activated](QWindow* window) { activated << (window ? window->title() : QString()); });
    rig->window.focusGrid();
    registers.show();
    registers.activateWindow();
    // However long the machine took to get here, the bring-up lasts until its timer is delivered.
    DeliverAllButTimers();
    QCOMPARE(activated, (QStringList{registers.windowTitle(), rig->window.windowTitle()}));
    QVERIFY(rig->window.isActiveWindow());
    QVERIFY(rig->state.InputEnabled);
    // Once the bring-up is over, the memory window keeps the activation and input stays on.
    QTest::qWait(BringUpLapseMs);
    QCoreApplication::processEvents();
    QVERIFY(rig->window.isActiveWindow());
    QVERIFY(rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampGreen);
    for (const std::string& line : rig->views.Lines()) {
      QVERIFY2(line.rfind("SetInputLamps", 0) != 0, line.c_str());
    }
  }

  // Any window but a view, even while the memory window is coming up, ends input at once.
  void focusingThatEndsElsewhereEndsInput() {
    EnableInput();
    QWidget other;
    rig->window.focusGrid();
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!rig->window.isActiveWindow());
    QVERIFY(!rig->state.InputEnabled);
    QCOMPARE(rig->window.inputLamp_->color(), soyka::ui::LampRed);
    QVERIFY(rig->views.Lines() == std::vector<std::string>{"SetInputLamps 0"});
  }
};

int RunMemoryMenuTest(int argc, char** argv) {
  MemoryMenuTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MemoryMenuTest.moc"
