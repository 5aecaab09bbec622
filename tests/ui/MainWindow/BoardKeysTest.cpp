// The board areas from the keyboard, beyond the learner's keyboard journey: every key an area
// answers, the press action a screen reader offers, the way Tab goes round, and the focus frame.
#include "BoardAreaButton.h"
#include "MainWindow.h"
#include "RecordingViews.h"

#include <QAccessibleActionInterface>
#include <QtTest>
#include <memory>

using soyka::testing::RecordingViews;
using soyka::ui::BoardAreaButton;

class BoardKeysTest : public QObject {
  Q_OBJECT

  soyka::MachineState state;
  std::unique_ptr<RecordingViews> views;
  std::unique_ptr<MainWindow> mainWindow;

  BoardAreaButton* Area(int index) const {
    return std::array{mainWindow->memoryButton_, mainWindow->processorButton_,
                      mainWindow->displayButton_}[static_cast<std::size_t>(index)];
  }

  QString Flags() const {
    return QStringLiteral("%1%2%3")
        .arg(int(state.MemoryWindowOpen))
        .arg(int(state.RegistersWindowOpen))
        .arg(int(state.DisplayWindowOpen));
  }

  // Whether the area paints anything of its own: it is transparent but for its focus frame.
  static bool Framed(QWidget* area) {
    QImage image(area->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    area->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).alpha() != 0) {
          return true;
        }
      }
    }
    return false;
  }

private slots:
  void init() {
    soyka::InitializeMachine(state);
    views = std::make_unique<RecordingViews>(state);
    mainWindow = std::make_unique<MainWindow>(state, *views);
    mainWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow.get()));
  }

  void cleanup() {
    mainWindow.reset();
    views.reset();
  }

  void keyOnAnArea_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("outcome");
    const int press = 0; // the accessibility press action instead of a key
    QTest::newRow("ОЗУ Return") << 0 << int(Qt::Key_Return) << 0 << "opens 100";
    QTest::newRow("ОЗУ Space") << 0 << int(Qt::Key_Space) << 0 << "opens 100";
    QTest::newRow("АЛУ keypad Enter")
        << 1 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "opens 010";
    QTest::newRow("АЛУ press action") << 1 << press << 0 << "opens 010";
    QTest::newRow("Дисплей Space") << 2 << int(Qt::Key_Space) << 0 << "opens 001";
    QTest::newRow("ОЗУ Menu key") << 0 << int(Qt::Key_Menu) << 0 << "menu";
    QTest::newRow("Дисплей Shift+F10") << 2 << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "menu";
    QTest::newRow("Дисплей Tab") << 2 << int(Qt::Key_Tab) << 0 << "focus 0";
    QTest::newRow("ОЗУ Shift+Tab")
        << 0 << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "focus 2";
    QTest::newRow("АЛУ Right arrow") << 1 << int(Qt::Key_Right) << 0 << "focus 1";
  }

  void keyOnAnArea() {
    QFETCH(int, area);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, outcome);
    // Activation focuses nothing; the first Tab reaches ОЗУ.
    QCOMPARE(mainWindow->focusWidget(), nullptr);
    QTest::keyClick(mainWindow.get(), Qt::Key_Tab);
    for (int step = 0; step < area; ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), Area(area));

    if (key == 0) {
      QAccessible::queryAccessibleInterface(Area(area))
          ->actionInterface()
          ->doAction(QAccessibleActionInterface::pressAction());
    } else {
      QTest::keyClick(Area(area), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }

    const bool opens = outcome.startsWith(QLatin1String("opens"));
    QTRY_COMPARE(Flags(), opens ? outcome.section(QLatin1Char(' '), 1) : QStringLiteral("000"));
    QCOMPARE(views->Count("ShowWantedWindows"), opens ? 1 : 0);
    QMenu* menu = mainWindow->boardMenu_;
    QCOMPARE(menu->isVisible(), outcome == QLatin1String("menu"));
    if (menu->isVisible()) {
      QCOMPARE(menu->pos(), Area(area)->mapToGlobal(Area(area)->rect().center()));
      menu->hide();
    }
    const int focus = outcome.startsWith(QLatin1String("focus"))
                          ? outcome.section(QLatin1Char(' '), 1).toInt()
                          : area;
    QCOMPARE(QApplication::focusWidget(), Area(focus));
    for (int each = 0; each < 3; ++each) {
      QCOMPARE(Framed(Area(each)), each == focus);
    }
  }
};

QTEST_MAIN(BoardKeysTest)
#include "BoardKeysTest.moc"
