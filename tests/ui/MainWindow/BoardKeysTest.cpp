// The board areas from the keyboard, beyond the learner's keyboard journey: every key an area
// answers, the press action a screen reader offers, the way Tab goes round, and the focus frame.
#include "BoardAreaButton.h"
#include "MainWindow.h"
#include "RecordingViews.h"

#include <QAccessibleActionInterface>
#include <QtTest>

class BoardKeysTest : public QObject {
  Q_OBJECT

  // Whether the area paints anything of its own: it is transparent but for its focus frame.
  static bool Framed(QWidget* area) {
    QImage image(area->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QImage blank = image;
    area->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image != blank;
  }

private slots:
  // Areas: 0 ОЗУ, 1 АЛУ, 2 Дисплей. Key 0: the accessibility press action.
  void keyOnAnArea_data() {
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("ОЗУ Return") << 0 << int(Qt::Key_Return) << "opens";
    QTest::newRow("Дисплей Space") << 2 << int(Qt::Key_Space) << "opens";
    QTest::newRow("АЛУ keypad Enter")
        << 1 << (Qt::KeypadModifier | Qt::Key_Enter).toCombined() << "opens";
    QTest::newRow("АЛУ press action") << 1 << 0 << "opens";
    QTest::newRow("ОЗУ Menu key") << 0 << int(Qt::Key_Menu) << "menu";
    QTest::newRow("Дисплей Shift+F10") << 2 << (Qt::SHIFT | Qt::Key_F10).toCombined() << "menu";
    QTest::newRow("Дисплей Tab") << 2 << int(Qt::Key_Tab) << "focus 0";
    QTest::newRow("ОЗУ Shift+Tab") << 0 << (Qt::SHIFT | Qt::Key_Backtab).toCombined() << "focus 2";
    QTest::newRow("АЛУ Right arrow") << 1 << int(Qt::Key_Right) << "focus 1";
  }

  void keyOnAnArea() {
    QFETCH(int, area);
    QFETCH(int, key);
    QFETCH(QString, outcome);
    soyka::MachineState state;
    soyka::InitializeMachine(state);
    soyka::testing::RecordingViews views(state);
    MainWindow window(state, views);
    const std::array<QWidget*, 3> areas{window.memoryButton_, window.processorButton_,
                                        window.displayButton_};
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Activation focuses nothing; the first Tab reaches ОЗУ.
    QCOMPARE(window.focusWidget(), nullptr);
    for (int step = 0; step <= area; ++step) {
      QTest::keyClick(step == 0 ? &window : QApplication::focusWidget(), Qt::Key_Tab);
    }
    QWidget* focused = areas[static_cast<std::size_t>(area)];
    QCOMPARE(QApplication::focusWidget(), focused);

    const QKeyCombination pressed = QKeyCombination::fromCombined(key);
    if (key == 0) {
      QAccessible::queryAccessibleInterface(focused)->actionInterface()->doAction(
          QAccessibleActionInterface::pressAction());
    } else {
      QTest::keyClick(focused, pressed.key(), pressed.keyboardModifiers());
    }

    QTRY_COMPARE(views.Count("ShowWantedWindows"), outcome == "opens" ? 1 : 0);
    const bool flags[] = {state.MemoryWindowOpen, state.RegistersWindowOpen,
                          state.DisplayWindowOpen};
    for (int each = 0; each < 3; ++each) {
      QCOMPARE(flags[each], outcome == "opens" && each == area);
    }
    QCOMPARE(window.boardMenu_->isVisible(), outcome == "menu");
    if (outcome == "menu") {
      QCOMPARE(window.boardMenu_->pos(), focused->mapToGlobal(focused->rect().center()));
      QCOMPARE(window.boardMenu_->activeAction(), window.boardCommandSystemAction_);
    }
    if (outcome.startsWith("focus")) {
      focused = areas[outcome.section(' ', 1).toUInt()];
    }
    QCOMPARE(QApplication::focusWidget(), focused);
    for (QWidget* each : areas) {
      QCOMPARE(Framed(each), each == focused);
    }
  }
};

QTEST_MAIN(BoardKeysTest)
#include "BoardKeysTest.moc"
