// The display window: its frame and controls, the output rows and their values, and closing.

#include "DisplayWindow.h"
#include "CloseButton.h"
#include "DisplayTestViews.h"
#include "EngineTestSupport.h"
#include "ViewUpdates.h"
#include "WindowReadings.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

using soyka::MachineState;
using soyka::testing::DisplayTestViews;
using soyka::testing::W;

namespace {

// A closing row that asks the window to close as the window system does.
constexpr int WindowSystemClose = -1;

const QString EightBlanks = QStringLiteral("        ");

struct OutputWindow {
  explicit OutputWindow(std::uint64_t stopAtPause = 0) : views(state, stopAtPause) {
    soyka::InitializeMachine(state);
    views.Attach(&window);
  }

  QLabel* Value(int row) const { return window.valueLabels_[static_cast<std::size_t>(row - 1)]; }
  QString Row(int row) const { return soyka::testing::RowText(window.rowCells_, row - 1); }

  // Puts the bits into the cell and shows it in the row, as the output command does.
  void Output(int row, int cell, const QString& bits) {
    state.Memory[static_cast<std::size_t>(cell)] = W(bits.toStdString());
    show.ShowDisplayRow(row, cell);
  }

  void ShowActive() {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  void RunToEnd() {
    soyka::StartRun(state, views);
    soyka::TickOutcome outcome = soyka::TickOutcome::RunGoesOn;
    for (int tick = 0; tick < 200 && outcome != soyka::TickOutcome::RunEnded; ++tick) {
      outcome = soyka::RunTick(state, views);
    }
    QCOMPARE(outcome, soyka::TickOutcome::RunEnded);
  }

  MachineState state;
  DisplayTestViews views;
  DisplayWindow window{state, views};
  // The engine's way to the views, which keeps what the display shows.
  soyka::ViewUpdates show{state, views};
};

void VerifyAllEmpty(const OutputWindow& d) {
  for (int row = 1; row <= 3; ++row) {
    for (int column = 0; column < 12; ++column) {
      QCOMPARE(d.window.rowCells_->item(row - 1, column)->text(), QString());
    }
    QCOMPARE(d.Value(row)->text(), EightBlanks);
  }
}

int Darkness(QRgb pixel) {
  return 255 - qGray(pixel);
}

} // namespace

class DisplayWindowTest : public QObject {
  Q_OBJECT
private slots:
  void windowFrame();
  void controlsPlacement_data();
  void controlsPlacement();
  void captionLook();
  void valueLabelsLook_data();
  void valueLabelsLook();
  void gridLook();
  void gridDrawsRowLinesAndBlackDigits();
  void onlyCloseButtonTakesFocus();
  void emptyUntilFirstOutput();
  void showDisplayRow_data();
  void showDisplayRow();
  void valueLabelHoldsTheLargestNumber();
  void clearDisplay();
  void accessibleTexts();
  void repeatedOutputWritesNothing();
  void outputWhileHidden();
  void abortedOutputLeavesRowsEmpty();
  void factorialRunShows120ThreeTimes();
  void closing_data();
  void closing();
};

void DisplayWindowTest::windowFrame() {
  OutputWindow d;
  QCOMPARE(d.window.windowTitle(), QStringLiteral("Дисплей"));
  QCOMPARE(d.window.size(), QSize(299, 105));
  QCOMPARE(d.window.minimumSize(), QSize(299, 105));
  QCOMPARE(d.window.maximumSize(), QSize(299, 105));
  QCOMPARE(d.window.pos(), QPoint(332, 182));
  QCOMPARE(d.window.font().pixelSize(), 16);
  QVERIFY(d.window.isWindow());
  QVERIFY(d.window.isHidden());
  QVERIFY(d.window.autoFillBackground());
  QCOMPARE(d.window.palette().color(QPalette::Window), QColor(0, 128, 128));
  const Qt::WindowFlags flags = d.window.windowFlags();
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));

  QVERIFY(qobject_cast<soyka::ui::CloseButton*>(d.window.closeButton_));
  QCOMPARE(d.window.closeButton_->text(), QStringLiteral(" "));
  QCOMPARE(d.window.closeButton_->toolTip(), QStringLiteral("Закрыть"));

  // The teal shows in the window's free corner.
  const QImage image = d.window.grab().toImage();
  QCOMPARE(QColor(image.pixel(290, 4)), QColor(0, 128, 128));
}

void DisplayWindowTest::controlsPlacement_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");
  QTest::newRow("closeButton") << "closeButton" << QRect(8, 0, 25, 25);
  QTest::newRow("rowCells") << "rowCells" << QRect(10, 32, 239, 64);
}

void DisplayWindowTest::controlsPlacement() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  OutputWindow d;
  auto* control = d.window.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
  QVERIFY(control);
  QCOMPARE(control->geometry(), geometry);
}

void DisplayWindowTest::captionLook() {
  OutputWindow d;
  QList<QLabel*> found;
  for (QLabel* label : d.window.findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("Результаты  вычислений")) {
      found.append(label);
    }
  }
  QCOMPARE(found.size(), 1);
  QLabel* caption = found.front();
  QCOMPARE(caption->pos(), QPoint(58, 10));
  QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(0, 255, 255));
  QCOMPARE(caption->font().pixelSize(), 16);
  QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
  QVERIFY(caption->geometry().right() < d.window.width());
}

void DisplayWindowTest::valueLabelsLook_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QPoint>("place");
  QTest::newRow("valueLabel0") << 1 << "valueLabel0" << QPoint(256, 32);
  QTest::newRow("valueLabel1") << 2 << "valueLabel1" << QPoint(256, 56);
  QTest::newRow("valueLabel2") << 3 << "valueLabel2" << QPoint(256, 80);
}

void DisplayWindowTest::valueLabelsLook() {
  QFETCH(int, row);
  QFETCH(QString, name);
  QFETCH(QPoint, place);
  OutputWindow d;
  QLabel* label = d.Value(row);
  QCOMPARE(label->objectName(), name);
  QCOMPARE(label->pos(), place);
  QVERIFY(label->width() >= 32);
  QVERIFY(label->height() >= 16);
  QCOMPARE(label->text(), EightBlanks);
  QVERIFY(label->autoFillBackground());
  QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
  QCOMPARE(label->palette().color(QPalette::Window),
           QApplication::palette().color(QPalette::Button));
  // Rows below must not be covered by the label above them.
  QVERIFY(label->geometry().bottom() < place.y() + 24);
}

void DisplayWindowTest::gridLook() {
  OutputWindow d;
  QTableWidget* grid = d.window.rowCells_;
  QCOMPARE(grid->rowCount(), 3);
  QCOMPARE(grid->columnCount(), 12);
  for (int column = 0; column < 12; ++column) {
    QCOMPARE(grid->columnWidth(column), 20);
  }
  // Each row is a 20-pixel cell; the rows above the last add their dividing line.
  QCOMPARE(grid->rowHeight(0), 21);
  QCOMPARE(grid->rowHeight(1), 21);
  QCOMPARE(grid->rowHeight(2), 20);
  QVERIFY(!grid->isEnabled());
  QCOMPARE(grid->focusPolicy(), Qt::NoFocus);
  QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
  QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
  QVERIFY(!grid->showGrid());
  QVERIFY(grid->horizontalHeader()->isHidden());
  QVERIFY(grid->verticalHeader()->isHidden());
  QCOMPARE(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 12; ++column) {
      const Qt::ItemFlags flags = grid->item(row, column)->flags();
      QVERIFY(!flags.testFlag(Qt::ItemIsEditable));
      QVERIFY(!flags.testFlag(Qt::ItemIsSelectable));
    }
  }
}

void DisplayWindowTest::gridDrawsRowLinesAndBlackDigits() {
  OutputWindow d;
  d.Output(1, 0, QStringLiteral("111111111111"));
  d.Output(2, 1, QStringLiteral("111111111111"));
  d.Output(3, 2, QStringLiteral("111111111111"));
  d.ShowActive();
  QTableWidget* grid = d.window.rowCells_;
  const QImage image = grid->viewport()->grab().toImage();
  const QRect first = grid->visualItemRect(grid->item(0, 0));
  const QRect second = grid->visualItemRect(grid->item(1, 0));
  const QRect last = grid->visualItemRect(grid->item(2, 0));

  // A line at the foot of rows 1 and 2, none under row 3 and none between the columns.
  QVERIFY(Darkness(image.pixel(first.center().x(), first.bottom())) > 64);
  QVERIFY(Darkness(image.pixel(second.center().x(), second.bottom())) > 64);
  QCOMPARE(QColor(image.pixel(last.center().x(), last.bottom())), QColor(Qt::white));
  QCOMPARE(QColor(image.pixel(first.right(), first.top() + 2)), QColor(Qt::white));
  QCOMPARE(QColor(image.pixel(first.left(), first.top() + 2)), QColor(Qt::white));

  // The digits stay black although the grid is disabled.
  int darkest = 0;
  for (int y = first.top(); y < first.bottom(); ++y) {
    for (int x = first.left(); x <= first.right(); ++x) {
      darkest = std::max(darkest, Darkness(image.pixel(x, y)));
    }
  }
  QVERIFY2(darkest > 200, qPrintable(QString::number(darkest)));
}

void DisplayWindowTest::onlyCloseButtonTakesFocus() {
  OutputWindow d;
  for (QWidget* child : d.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child != d.window.closeButton_) {
      QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }
  }
  d.ShowActive();
  QCOMPARE(QApplication::focusWidget(), d.window.closeButton_);
  for (int press = 0; press < 4; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d.window.closeButton_);
  }
}

void DisplayWindowTest::emptyUntilFirstOutput() {
  OutputWindow d;
  VerifyAllEmpty(d);
}

void DisplayWindowTest::showDisplayRow_data() {
  QTest::addColumn<int>("row");
  QTest::addColumn<int>("cell");
  QTest::addColumn<QString>("bits");
  QTest::addColumn<QString>("value");
  QTest::newRow("row 2, lowest bit") << 2 << 5 << "000000000001"
                                     << "1";
  QTest::newRow("row 1, twelve ones") << 1 << 0 << "111111111111"
                                      << "4095";
  QTest::newRow("row 3, twelve zeros") << 3 << 7 << "000000000000"
                                       << "0";
  QTest::newRow("row 1, mixed") << 1 << 3 << "101110101101"
                                << "2989";
  QTest::newRow("row 2, highest bit") << 2 << 6 << "100000000000"
                                      << "2048";
  QTest::newRow("row 3, six") << 3 << 4 << "000000000110"
                              << "6";
}

void DisplayWindowTest::showDisplayRow() {
  QFETCH(int, row);
  QFETCH(int, cell);
  QFETCH(QString, bits);
  QFETCH(QString, value);

  // Other rows empty: they stay empty.
  {
    OutputWindow d;
    d.Output(row, cell, bits);
    QCOMPARE(d.Row(row), bits);
    QCOMPARE(d.Value(row)->text(), value);
    for (int other = 1; other <= 3; ++other) {
      if (other != row) {
        QCOMPARE(d.Row(other), QString());
        QCOMPARE(d.Value(other)->text(), EightBlanks);
      }
    }
    QVERIFY(d.window.isHidden());
  }

  // Other rows filled from another cell: they keep their number.
  {
    OutputWindow d;
    const int otherCell = (cell + 1) % soyka::CellCount;
    const QString pattern = QStringLiteral("010101010101");
    for (int other = 1; other <= 3; ++other) {
      d.Output(other, otherCell, pattern);
    }
    d.Output(row, cell, bits);
    QCOMPARE(d.Row(row), bits);
    QCOMPARE(d.Value(row)->text(), value);
    for (int other = 1; other <= 3; ++other) {
      if (other != row) {
        QCOMPARE(d.Row(other), pattern);
        QCOMPARE(d.Value(other)->text(), QStringLiteral("1365"));
      }
    }
  }
}

void DisplayWindowTest::valueLabelHoldsTheLargestNumber() {
  OutputWindow d;
  for (int row = 1; row <= 3; ++row) {
    d.Output(row, row, QStringLiteral("111111111111"));
    QLabel* label = d.Value(row);
    QCOMPARE(label->text(), QStringLiteral("4095"));
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    QVERIFY(label->geometry().right() < d.window.width());
    QCOMPARE(label->pos(), QPoint(256, 32 + (row - 1) * 24));
  }
}

void DisplayWindowTest::clearDisplay() {
  OutputWindow d;
  d.Output(1, 0, QStringLiteral("111111111111"));
  d.Output(2, 1, QStringLiteral("000000000000"));
  d.Output(3, 2, QStringLiteral("101010101010"));
  d.show.ClearDisplay();
  VerifyAllEmpty(d);
  QCOMPARE(d.window.rowCells_->item(2, 0)->data(Qt::AccessibleTextRole).toString(),
           QStringLiteral("Строка 3, разряд 12: пусто"));
  QCOMPARE(d.window.valueLabels_[0]->accessibleName(), QStringLiteral("Значение строки 1: пусто"));

  // Clearing twice is harmless, and output works again afterwards.
  d.show.ClearDisplay();
  VerifyAllEmpty(d);
  d.Output(2, 4, QStringLiteral("000000000011"));
  QCOMPARE(d.Row(2), QStringLiteral("000000000011"));
  QCOMPARE(d.window.valueLabels_[1]->text(), QStringLiteral("3"));
}

void DisplayWindowTest::accessibleTexts() {
  OutputWindow d;
  d.Output(2, 5, QStringLiteral("000000000001"));
  const auto spoken = [&](int row, int column) {
    return d.window.rowCells_->item(row - 1, column)->data(Qt::AccessibleTextRole).toString();
  };
  QCOMPARE(spoken(2, 11), QStringLiteral("Строка 2, разряд 1: 1"));
  QCOMPARE(spoken(2, 0), QStringLiteral("Строка 2, разряд 12: 0"));
  QCOMPARE(spoken(1, 0), QStringLiteral("Строка 1, разряд 12: пусто"));
  QCOMPARE(d.window.valueLabels_[1]->accessibleName(), QStringLiteral("Значение строки 2: 1"));
  QCOMPARE(d.window.valueLabels_[0]->accessibleName(), QStringLiteral("Значение строки 1: пусто"));
  QCOMPARE(d.window.rowCells_->accessibleName(), QStringLiteral("Дисплей"));
}

void DisplayWindowTest::repeatedOutputWritesNothing() {
  OutputWindow d;
  QSignalSpy changes(d.window.rowCells_->model(), &QAbstractItemModel::dataChanged);
  d.Output(1, 2, QStringLiteral("000001111000"));
  QVERIFY(changes.count() >= 12);
  changes.clear();
  d.show.ShowDisplayRow(1, 2);
  QCOMPARE(changes.count(), 0);

  d.Output(1, 2, QStringLiteral("000001111001"));
  QVERIFY(changes.count() > 0);
  for (const QList<QVariant>& change : changes) {
    QCOMPARE(change.at(0).toModelIndex().row(), 0);
    QCOMPARE(change.at(0).toModelIndex().column(), 11);
  }
}

void DisplayWindowTest::outputWhileHidden() {
  OutputWindow d;
  d.state.Memory[0] = soyka::testing::Cmd(soyka::OpcodeOutputAndStop, 1, 2, 3);
  d.state.Memory[1] = W("000000000111");
  d.state.Memory[2] = W("000001000000");
  d.state.Memory[3] = W("110000000001");
  soyka::ExecuteCommand(d.state, d.views);

  QVERIFY(d.window.isHidden());
  QVERIFY(d.views.wantedCalls.empty());
  d.state.DisplayWindowOpen = true;
  d.ShowActive();
  QCOMPARE(d.Row(1), QStringLiteral("000000000111"));
  QCOMPARE(d.Row(2), QStringLiteral("000001000000"));
  QCOMPARE(d.Row(3), QStringLiteral("110000000001"));
  QCOMPARE(d.window.valueLabels_[0]->text(), QStringLiteral("7"));
  QCOMPARE(d.window.valueLabels_[1]->text(), QStringLiteral("64"));
  QCOMPARE(d.window.valueLabels_[2]->text(), QStringLiteral("3073"));
}

void DisplayWindowTest::abortedOutputLeavesRowsEmpty() {
  // Pauses 1 and 2 follow the fetch and the counter step; pause 3 follows the first row.
  OutputWindow d(3);
  d.state.RunMode = soyka::RunModeTact;
  d.Output(1, 5, QStringLiteral("111111111111"));
  d.Output(2, 5, QStringLiteral("111111111111"));
  d.Output(3, 5, QStringLiteral("111111111111"));
  d.state.Memory[0] = soyka::testing::Cmd(soyka::OpcodeOutputAndStop, 1, 2, 3);
  d.state.Memory[1] = W("000000001010");
  d.RunToEnd();

  QCOMPARE(d.state.ErrorMessage, std::string(soyka::AbortMessage));
  QCOMPARE(d.Row(1), QStringLiteral("000000001010"));
  QCOMPARE(d.window.valueLabels_[0]->text(), QStringLiteral("10"));
  for (int row = 2; row <= 3; ++row) {
    QCOMPARE(d.Row(row), QString());
    QCOMPARE(d.Value(row)->text(), EightBlanks);
  }
}

void DisplayWindowTest::factorialRunShows120ThreeTimes() {
  OutputWindow d;
  d.Output(1, 0, QStringLiteral("111111111111"));
  d.Output(2, 0, QStringLiteral("111111111111"));
  for (std::size_t cell = 0; cell < soyka::testing::FactorialImage.size(); ++cell) {
    d.state.Memory[cell] = soyka::testing::FactorialImage[cell];
  }
  d.RunToEnd();

  QVERIFY(d.state.ErrorMessage.empty());
  QCOMPARE(d.views.Count("ClearDisplay"), 1);
  QVERIFY(d.window.isHidden());
  for (int row = 1; row <= 3; ++row) {
    QCOMPARE(d.Row(row), QStringLiteral("000001111000"));
    QCOMPARE(d.Value(row)->text(), QStringLiteral("120"));
  }
}

void DisplayWindowTest::closing_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("closes");
  QTest::newRow("close button") << 0 << true;
  QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
  QTest::newRow("A") << int(Qt::Key_A) << false;
  QTest::newRow("Return") << int(Qt::Key_Return) << false;
  QTest::newRow("0") << int(Qt::Key_0) << false;
  // Alt+F4, a taskbar's close: the view stays, or its flag would disagree with the screen.
  QTest::newRow("window system's close request") << WindowSystemClose << false;
}

void DisplayWindowTest::closing() {
  QFETCH(int, key);
  QFETCH(bool, closes);
  OutputWindow d;
  d.Output(2, 5, QStringLiteral("000000000001"));
  d.state.MemoryWindowOpen = true;
  d.state.RegistersWindowOpen = true;
  d.state.DisplayWindowOpen = true;
  d.ShowActive();
  QCOMPARE(QApplication::focusWidget(), d.window.closeButton_);

  if (key == 0) {
    QTest::mouseClick(d.window.closeButton_, Qt::LeftButton);
  } else if (key == WindowSystemClose) {
    QVERIFY(!d.window.close());
  } else {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
  }

  QCOMPARE(d.window.isHidden(), closes);
  QCOMPARE(d.state.DisplayWindowOpen, !closes);
  QVERIFY(d.state.MemoryWindowOpen);
  QVERIFY(d.state.RegistersWindowOpen);
  QCOMPARE(d.views.wantedCalls.size(), std::size_t{closes ? 1u : 0u});
  if (closes) {
    QVERIFY(!d.views.wantedCalls.front().windowVisible);
    QVERIFY(!d.views.wantedCalls.front().wanted);
  }
  // Closing only hides: the output stays for the next showing.
  QCOMPARE(d.Row(2), QStringLiteral("000000000001"));
  QCOMPARE(d.window.valueLabels_[1]->text(), QStringLiteral("1"));
}

QTEST_MAIN(DisplayWindowTest)
#include "DisplayWindowTest.moc"
