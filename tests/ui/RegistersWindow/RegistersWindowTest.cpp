// The registers window: its frame and controls, the three bit rows, activation and closing.

#include "RegistersWindow.h"
#include "CloseButton.h"
#include "EngineTestSupport.h"
#include "RegistersTestViews.h"
#include "ViewUpdates.h"
#include "WindowReadings.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

using soyka::MachineState;
using soyka::testing::RegistersTestViews;
using soyka::testing::RowText;
using soyka::testing::W;

namespace {

// A closing row that asks the window to close as the window system does.
constexpr int WindowSystemClose = -1;

struct Registers {
  Registers() {
    soyka::InitializeMachine(state);
    views.Attach(&window);
  }

  QTableWidget* Grid(const QString& name) const {
    return window.findChild<QTableWidget*>(name, Qt::FindDirectChildrenOnly);
  }

  void ShowActive() {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  MachineState state;
  RegistersTestViews views{state};
  RegistersWindow window{state, views};
  // The engine's way to the views, which keeps which registers have been shown.
  soyka::ViewUpdates show{state, views};
};

QString Bits(const std::string& bits) {
  return QString::fromStdString(bits);
}

QPoint CellCenter(const QTableWidget* cells, int column) {
  return cells->visualItemRect(cells->item(0, column)).center();
}

} // namespace

class RegistersWindowTest : public QObject {
  Q_OBJECT
private slots:
  void windowFrame();
  void controlsPlacement_data();
  void controlsPlacement();
  void captions_data();
  void captions();
  void closeButtonLook();
  void cellLook_data();
  void cellLook();
  void cellsEmptyBeforeFirstRefresh();
  void clicksAndWheelChangeNothing_data();
  void clicksAndWheelChangeNothing();
  void counterView_data();
  void counterView();
  void wordViews_data();
  void wordViews();
  void accessibleCellTexts();
  void refreshWritesOnlyChangedCells();
  void hiddenWindowFollowsCommands();
  void activationRefreshesInOrder();
  void closing_data();
  void closing();
  void registersAfterFactorialRun();
};

void RegistersWindowTest::windowFrame() {
  Registers r;
  QCOMPARE(r.window.windowTitle(), QStringLiteral("Арифметическое устройство"));
  QCOMPARE(r.window.size(), QSize(261, 154));
  QCOMPARE(r.window.minimumSize(), QSize(261, 154));
  QCOMPARE(r.window.maximumSize(), QSize(261, 154));
  QCOMPARE(r.window.pos(), QPoint(332, 0));
  QCOMPARE(r.window.font().pixelSize(), 16);
  QVERIFY(r.window.isWindow());
  QVERIFY(r.window.isHidden());
  const Qt::WindowFlags flags = r.window.windowFlags();
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
}

void RegistersWindowTest::controlsPlacement_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::newRow("closeButton") << "closeButton" << QRect(8, 0, 25, 25);
  QTest::newRow("counterCells") << "counterCells" << QRect(170, 7, 55, 22);
  QTest::newRow("commandRegisterCells") << "commandRegisterCells" << QRect(10, 66, 239, 23);
  QTest::newRow("accumulatorCells") << "accumulatorCells" << QRect(10, 120, 239, 25);
}

void RegistersWindowTest::controlsPlacement() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  Registers r;
  auto* control = r.window.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
  QVERIFY(control);
  QCOMPARE(control->geometry(), geometry);
}

void RegistersWindowTest::captions_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QPoint>("place");
  QTest::newRow("counter, first line") << "Счетчик " << QPoint(50, 2);
  QTest::newRow("counter, second line") << "адреса команд" << QPoint(48, 16);
  QTest::newRow("command register") << "Регистр команд" << QPoint(52, 46);
  QTest::newRow("accumulator") << "Сумматор" << QPoint(48, 100);
}

void RegistersWindowTest::captions() {
  QFETCH(QString, text);
  QFETCH(QPoint, place);
  Registers r;
  QList<QLabel*> found;
  for (QLabel* label : r.window.findChildren<QLabel*>()) {
    if (label->text() == text) {
      found.append(label);
    }
  }
  QCOMPARE(found.size(), 1);
  QCOMPARE(found.front()->pos(), place);
  QCOMPARE(found.front()->font().pixelSize(), 16);
  // The whole caption fits in its label, and no bit row covers any of it.
  QVERIFY(found.front()->width() >= found.front()->fontMetrics().horizontalAdvance(text));
  const QRect drawn(found.front()->pos(),
                    QSize(found.front()->fontMetrics().horizontalAdvance(text),
                          found.front()->fontMetrics().ascent()));
  for (QTableWidget* cells :
       {r.window.counterCells_, r.window.commandRegisterCells_, r.window.accumulatorCells_}) {
    QVERIFY2(!drawn.intersects(cells->geometry()), qPrintable(cells->objectName()));
  }
}

void RegistersWindowTest::closeButtonLook() {
  Registers r;
  QVERIFY(qobject_cast<soyka::ui::CloseButton*>(r.window.closeButton_));
  QCOMPARE(r.window.closeButton_->text(), QStringLiteral(" "));
  QCOMPARE(r.window.closeButton_->toolTip(), QStringLiteral("Закрыть"));
  QVERIFY(!r.window.closeButton_->icon().isNull());
  QCOMPARE(r.window.nextInFocusChain(), r.window.closeButton_);
  QVERIFY(r.window.closeButton_->focusPolicy() & Qt::TabFocus);
}

void RegistersWindowTest::cellLook_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("columns");
  QTest::addColumn<QString>("caption");
  QTest::newRow("counterCells") << "counterCells" << 3 << "Счетчик адреса команд";
  QTest::newRow("commandRegisterCells") << "commandRegisterCells" << 12 << "Регистр команд";
  QTest::newRow("accumulatorCells") << "accumulatorCells" << 12 << "Сумматор";
}

void RegistersWindowTest::cellLook() {
  QFETCH(QString, name);
  QFETCH(int, columns);
  QFETCH(QString, caption);
  Registers r;
  QTableWidget* cells = r.Grid(name);
  QVERIFY(cells);
  QCOMPARE(cells->rowCount(), 1);
  QCOMPARE(cells->columnCount(), columns);
  QCOMPARE(cells->rowHeight(0), 20);
  for (int column = 0; column < columns; ++column) {
    QCOMPARE(cells->columnWidth(column), 20);
    const Qt::ItemFlags flags = cells->item(0, column)->flags();
    QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
    QVERIFY(!flags.testFlag(Qt::ItemIsSelectable));
  }
  QVERIFY(!cells->showGrid());
  QVERIFY(cells->horizontalHeader()->isHidden());
  QVERIFY(cells->verticalHeader()->isHidden());
  QCOMPARE(cells->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(cells->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(cells->focusPolicy(), Qt::NoFocus);
  QCOMPARE(cells->selectionMode(), QAbstractItemView::NoSelection);
  QCOMPARE(cells->editTriggers(), QAbstractItemView::NoEditTriggers);
  QVERIFY(cells->isEnabled());
  QCOMPARE(cells->palette().color(QPalette::Base), QColor(Qt::white));
  QCOMPARE(cells->palette().color(QPalette::Text), QColor(Qt::black));
  QCOMPARE(cells->accessibleName(), caption);
}

void RegistersWindowTest::cellsEmptyBeforeFirstRefresh() {
  Registers r;
  for (QTableWidget* cells :
       {r.window.counterCells_, r.window.commandRegisterCells_, r.window.accumulatorCells_}) {
    for (int column = 0; column < cells->columnCount(); ++column) {
      QVERIFY(cells->item(0, column));
      QCOMPARE(cells->item(0, column)->text(), QString());
    }
  }
}

void RegistersWindowTest::clicksAndWheelChangeNothing_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("counterCells") << "counterCells";
  QTest::newRow("commandRegisterCells") << "commandRegisterCells";
  QTest::newRow("accumulatorCells") << "accumulatorCells";
}

void RegistersWindowTest::clicksAndWheelChangeNothing() {
  QFETCH(QString, name);
  Registers r;
  r.state.CommandRegister = W("101110101101");
  r.state.Accumulator = W("101110101101");
  soyka::SetCounter(r.state, 5);
  r.ShowActive();
  QTableWidget* cells = r.Grid(name);
  const QString before = RowText(cells);
  QVERIFY(!before.isEmpty());

  // The rightmost cell is only partly inside the row, which is where a view would scroll to.
  const QPoint last = CellCenter(cells, cells->columnCount() - 1);
  QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, last);
  QTest::mouseDClick(cells->viewport(), Qt::LeftButton, {}, last);
  for (const QPoint delta : {QPoint(-120, 0), QPoint(0, -120)}) {
    QWheelEvent wheel(QPointF(last), cells->viewport()->mapToGlobal(QPointF(last)), QPoint(), delta,
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(cells->viewport(), &wheel);
  }

  QVERIFY(cells->selectedItems().isEmpty());
  QVERIFY(!cells->currentIndex().isValid());
  QVERIFY(cells->viewport()->findChildren<QWidget*>().isEmpty());
  QCOMPARE(cells->horizontalScrollBar()->value(), 0);
  QCOMPARE(cells->verticalScrollBar()->value(), 0);
  QCOMPARE(RowText(cells), before);
  QVERIFY(!cells->hasFocus());
}

void RegistersWindowTest::counterView_data() {
  QTest::addColumn<int>("counter");
  QTest::addColumn<QString>("shown");
  QTest::newRow("0") << 0 << "000";
  QTest::newRow("1") << 1 << "001";
  QTest::newRow("2") << 2 << "010";
  QTest::newRow("3") << 3 << "011";
  QTest::newRow("4") << 4 << "100";
  QTest::newRow("5") << 5 << "101";
  QTest::newRow("6") << 6 << "110";
  QTest::newRow("7") << 7 << "111";
}

void RegistersWindowTest::counterView() {
  QFETCH(int, counter);
  QFETCH(QString, shown);
  Registers r;
  // Start from the opposite bits, so that every cell has to change.
  soyka::SetCounter(r.state, 7 - counter);
  r.show.RefreshCounterView();
  soyka::SetCounter(r.state, counter);
  r.show.RefreshCounterView();
  QCOMPARE(RowText(r.window.counterCells_), shown);
  QCOMPARE(RowText(r.window.commandRegisterCells_), QString());
  QCOMPARE(RowText(r.window.accumulatorCells_), QString());
}

void RegistersWindowTest::wordViews_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("accumulator");
  QTest::newRow("mixed") << "101110101101"
                         << "000000000110";
  QTest::newRow("all ones, all zeros") << "111111111111"
                                       << "000000000000";
  QTest::newRow("lowest, highest") << "000000000001"
                                   << "100000000000";
  QTest::newRow("all zeros, all ones") << "000000000000"
                                       << "111111111111";
}

void RegistersWindowTest::wordViews() {
  QFETCH(QString, command);
  QFETCH(QString, accumulator);
  Registers r;
  r.state.CommandRegister = W(command.toStdString());
  r.state.Accumulator = W(accumulator.toStdString());

  r.show.RefreshCommandRegisterView();
  QCOMPARE(RowText(r.window.commandRegisterCells_), command);
  QCOMPARE(RowText(r.window.accumulatorCells_), QString());

  r.show.RefreshAccumulatorView();
  QCOMPARE(RowText(r.window.accumulatorCells_), accumulator);
  QCOMPARE(RowText(r.window.commandRegisterCells_), command);
  QCOMPARE(RowText(r.window.counterCells_), QString());
}

void RegistersWindowTest::accessibleCellTexts() {
  Registers r;
  const auto spoken = [](const QTableWidget* cells, int column) {
    return cells->item(0, column)->data(Qt::AccessibleTextRole).toString();
  };
  QCOMPARE(spoken(r.window.accumulatorCells_, 5), QStringLiteral("Сумматор, разряд 7: пусто"));

  r.state.CommandRegister = W("100000000000");
  soyka::SetCounter(r.state, 1);
  r.show.RefreshCommandRegisterView();
  r.show.RefreshCounterView();
  QCOMPARE(spoken(r.window.commandRegisterCells_, 0),
           QStringLiteral("Регистр команд, разряд 12: 1"));
  QCOMPARE(spoken(r.window.commandRegisterCells_, 11),
           QStringLiteral("Регистр команд, разряд 1: 0"));
  QCOMPARE(spoken(r.window.counterCells_, 0), QStringLiteral("Счетчик адреса команд, разряд 3: 0"));
  QCOMPARE(spoken(r.window.counterCells_, 2), QStringLiteral("Счетчик адреса команд, разряд 1: 1"));

  r.state.CommandRegister = W("000000000000");
  r.show.RefreshCommandRegisterView();
  QCOMPARE(spoken(r.window.commandRegisterCells_, 0),
           QStringLiteral("Регистр команд, разряд 12: 0"));
}

void RegistersWindowTest::refreshWritesOnlyChangedCells() {
  Registers r;
  QSignalSpy changes(r.window.accumulatorCells_->model(), &QAbstractItemModel::dataChanged);
  r.state.Accumulator = W("000001111000");
  r.show.RefreshAccumulatorView();
  QVERIFY(changes.count() >= 12);

  changes.clear();
  r.show.RefreshAccumulatorView();
  QCOMPARE(changes.count(), 0);

  r.state.Accumulator[7] = 0;
  r.show.RefreshAccumulatorView();
  QVERIFY(changes.count() > 0);
  for (const QList<QVariant>& change : changes) {
    QCOMPARE(change.at(0).toModelIndex().column(), 5);
    QCOMPARE(change.at(1).toModelIndex().column(), 5);
  }
  QCOMPARE(RowText(r.window.accumulatorCells_), QStringLiteral("000000111000"));
}

void RegistersWindowTest::hiddenWindowFollowsCommands() {
  Registers r;
  // Copy cell 1 to cell 2: fetch, counter step and accumulator load all reach the window.
  r.state.Memory[0] = soyka::testing::Cmd(soyka::OpcodeMove, 1, 1, 2);
  r.state.Memory[1] = W("010011001010");
  soyka::ExecuteCommand(r.state, r.views);

  QVERIFY(r.window.isHidden());
  QCOMPARE(RowText(r.window.commandRegisterCells_), Bits(soyka::BitsText(r.state.Memory[0])));
  QCOMPARE(RowText(r.window.accumulatorCells_), QStringLiteral("010011001010"));
  QCOMPARE(RowText(r.window.counterCells_), QStringLiteral("001"));

  r.state.RegistersWindowOpen = true;
  r.window.show();
  QVERIFY(r.window.isVisible());
  QCOMPARE(RowText(r.window.accumulatorCells_), QStringLiteral("010011001010"));
}

void RegistersWindowTest::activationRefreshesInOrder() {
  Registers r;
  // Written behind the views' back, as if the window had missed the updates.
  r.state.CommandRegister = W("111101101101");
  r.state.Accumulator = W("000001111000");
  soyka::SetCounter(r.state, 5);
  QCOMPARE(RowText(r.window.accumulatorCells_), QString());

  r.ShowActive();
  const std::vector<std::string> refreshes = {"RefreshCommandRegisterView",
                                              "RefreshAccumulatorView", "RefreshCounterView"};
  QCOMPARE(r.views.Operations(), refreshes);
  QCOMPARE(RowText(r.window.commandRegisterCells_), QStringLiteral("111101101101"));
  QCOMPARE(RowText(r.window.accumulatorCells_), QStringLiteral("000001111000"));
  QCOMPARE(RowText(r.window.counterCells_), QStringLiteral("101"));

  // Changed while hidden and another window was active: shown on the next activation.
  r.window.hide();
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  r.state.Accumulator = W("000000000011");
  r.views.ClearLog();
  r.ShowActive();
  QCOMPARE(r.views.Operations(), refreshes);
  QCOMPARE(RowText(r.window.accumulatorCells_), QStringLiteral("000000000011"));
}

void RegistersWindowTest::closing_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("closes");
  QTest::newRow("close button") << 0 << true;
  QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
  QTest::newRow("A") << int(Qt::Key_A) << false;
  QTest::newRow("Return") << int(Qt::Key_Return) << false;
  QTest::newRow("Delete") << int(Qt::Key_Delete) << false;
  // Alt+F4, a taskbar's close: the view stays, or its flag would disagree with the screen.
  QTest::newRow("window system's close request") << WindowSystemClose << false;
}

void RegistersWindowTest::closing() {
  QFETCH(int, key);
  QFETCH(bool, closes);
  Registers r;
  r.state.MemoryWindowOpen = true;
  r.state.RegistersWindowOpen = true;
  r.state.DisplayWindowOpen = true;
  r.ShowActive();
  QCOMPARE(QApplication::focusWidget(), r.window.closeButton_);
  r.views.ClearLog();

  if (key == 0) {
    QTest::mouseClick(r.window.closeButton_, Qt::LeftButton);
  } else if (key == WindowSystemClose) {
    QVERIFY(!r.window.close());
  } else {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  }

  QCOMPARE(r.window.isHidden(), closes);
  QCOMPARE(r.state.RegistersWindowOpen, !closes);
  QVERIFY(r.state.MemoryWindowOpen);
  QVERIFY(r.state.DisplayWindowOpen);
  QCOMPARE(r.views.wantedCalls.size(), std::size_t{closes ? 1u : 0u});
  if (closes) {
    QVERIFY(!r.views.wantedCalls.front().windowVisible);
    QVERIFY(!r.views.wantedCalls.front().wanted);
  }
  // Closing only hides: the rows keep what they showed.
  QCOMPARE(RowText(r.window.counterCells_), QStringLiteral("000"));
}

void RegistersWindowTest::registersAfterFactorialRun() {
  Registers r;
  for (std::size_t cell = 0; cell < soyka::testing::FactorialImage.size(); ++cell) {
    r.state.Memory[cell] = soyka::testing::FactorialImage[cell];
  }
  soyka::StartRun(r.state, r.views);
  soyka::TickOutcome outcome = soyka::TickOutcome::RunGoesOn;
  for (int tick = 0; tick < 200 && outcome != soyka::TickOutcome::RunEnded; ++tick) {
    outcome = soyka::RunTick(r.state, r.views);
  }
  QCOMPARE(outcome, soyka::TickOutcome::RunEnded);
  QVERIFY(r.state.ErrorMessage.empty());

  QVERIFY(r.window.isHidden());
  QCOMPARE(RowText(r.window.commandRegisterCells_), QStringLiteral("111101101101"));
  QCOMPARE(RowText(r.window.accumulatorCells_), Bits(soyka::BitsText(r.state.Accumulator)));
  QCOMPARE(RowText(r.window.counterCells_), Bits(soyka::BitsText(r.state.CounterBits)));
}

QTEST_MAIN(RegistersWindowTest)
#include "RegistersWindowTest.moc"
