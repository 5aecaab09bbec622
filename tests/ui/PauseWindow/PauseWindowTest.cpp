// The pause window: its layout, the pause in every mode and situation, how a pause ends, and the
// help message.

#include "PauseWindow.h"
#include "EngineTestSupport.h"
#include "MessageBoxes.h"
#include "ModalDriver.h"
#include "PauseTestViews.h"
#include "RunLoop.h"
#include "ViewUpdates.h"

#include <QFontMetrics>
#include <QMessageBox>
#include <QSet>
#include <QTest>
#include <functional>
#include <sstream>
#include <utility>

using soyka::MachineState;
using soyka::testing::Cmd;
using soyka::testing::ModalDriver;
using soyka::testing::PauseTestViews;

namespace {

// A machine with a program, the pause window and the logging views around them; the fixture
// takes the answers as the control panel would.
struct Fixture {
  explicit Fixture(int runMode, std::initializer_list<std::pair<int, int>> cells = {}) {
    soyka::InitializeMachine(state);
    state.RunMode = runMode;
    for (const auto& [cell, value] : cells) {
      state.Memory[static_cast<std::size_t>(cell)] = soyka::WordFromValue(value);
    }
    views.answerTo = [this](soyka::PauseAnswer answer) {
      ++answers;
      lastAnswer = answer;
      if (running) {
        outcome = soyka::AnswerPause(state, views, answer);
      } else {
        soyka::TakeAnswer(state, answer);
      }
    };
  }

  // One pause as the run loop opens it after a command; it returns while the pause waits.
  void Pause() { show.PauseForTact(soyka::Wait::CommandPause); }

  // A run from ПУСК to its end as the panel drives it, each wait answered by `answer`.
  void Run(const std::function<void(QWidget* modal)>& answer) {
    running = true;
    soyka::StartRun(state, views);
    outcome = soyka::RunTick(state, views);
    while (outcome != soyka::TickOutcome::RunEnded) {
      if (outcome != soyka::TickOutcome::Waiting) {
        outcome = soyka::RunTick(state, views);
        continue;
      }
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) {
        QFAIL("a wait with nothing on screen to answer");
      }
      answer(modal);
    }
  }

  MachineState state;
  PauseWindow pauseWindow{state};
  PauseTestViews views{state, pauseWindow};
  soyka::ViewUpdates show{state, views};
  int answers = 0;
  soyka::PauseAnswer lastAnswer = soyka::PauseAnswer::Continue;
  bool running = false;
  soyka::TickOutcome outcome = soyka::TickOutcome::Idle;
};

int CommandValue(int opcode, int a1, int a2, int a3) {
  return soyka::WordValue(Cmd(opcode, a1, a2, a3));
}

// What one showing of the pause window looked like.
struct PauseView {
  bool commandPanel = false;
  bool tactPanel = false;
  int tactPanelLeft = -1;
  QString tact;
  bool errorPanel = false;
  QString error;
  bool commentsPanel = false;
  QStringList comments;
  QString address;
  bool continueEnabled = false;
  QWidget* focus = nullptr;
};

PauseView Look(PauseWindow& pauseWindow) {
  PauseView view;
  view.commandPanel = pauseWindow.commandPanel_->isVisible();
  view.tactPanel = pauseWindow.tactPanel_->isVisible();
  view.tactPanelLeft = pauseWindow.tactPanel_->x();
  view.tact = pauseWindow.tactLabel_->text();
  view.errorPanel = pauseWindow.errorPanel_->isVisible();
  view.error = pauseWindow.errorLabel_->text();
  view.commentsPanel = pauseWindow.commentsPanel_->isVisible();
  view.comments = {pauseWindow.commentLines_[0]->text(), pauseWindow.commentLines_[1]->text(),
                   pauseWindow.commentLines_[2]->text()};
  view.address = pauseWindow.addressLabel_->text();
  view.continueEnabled = pauseWindow.continueButton_->isEnabled();
  view.focus = pauseWindow.focusWidget();
  return view;
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

// Records the commentary of every tact and answers each pause with Дальше.
class CommentCollector : public soyka::TraceViews {
public:
  CommentCollector(MachineState& state, std::ostream& out) : TraceViews(state, out) {}
  void SetTactComment(int, const std::string& line1, const std::string& line2,
                      const std::string& line3) override {
    for (const std::string& line : {line1, line2, line3}) {
      lines.insert(QString::fromStdString(line));
    }
  }
  QSet<QString> lines;
};

// Every comment line the engine writes in Tact mode: each command from cells 0 and 7, with equal
// and with different operands, so that both ways of each comparison are taken.
QSet<QString> EngineCommentLines() {
  std::ostringstream out;
  MachineState state;
  CommentCollector views(state, out);
  for (int opcode = 0; opcode < 8; ++opcode) {
    for (int cell : {0, 7}) {
      for (int second : {3, 4}) {
        soyka::InitializeMachine(state);
        state.RunMode = soyka::RunModeTact;
        state.Memory[static_cast<std::size_t>(cell)] = Cmd(opcode, 5, 6, 7);
        state.Memory[5] = soyka::WordFromValue(4);
        state.Memory[6] = soyka::WordFromValue(second);
        soyka::SetCounter(state, cell);
        soyka::ExecuteCommand(state, views);
      }
    }
  }
  return views.lines;
}

const QString HelpShown = QStringLiteral("Выход из режимов\n"
                                         "\"ШАГ\"  и  \"ТАКТ\"\n"
                                         " Т О Л Ь К О ( !!! )\n"
                                         "по кнопке \"СТОП\"!!!");

} // namespace

class PauseWindowTest : public QObject {
  Q_OBJECT

private slots:
  void windowFrame();
  void controls_data();
  void controls();
  void colours();
  void buttonPictures();
  void focusOrder_data();
  void focusOrder();

  void writtenTexts();
  void runTimeTextsFit_data();
  void runTimeTextsFit();
  void commentsPanelFollowsRunStart();
  void pauseLayout_data();
  void pauseLayout();
  void pauseEndings_data();
  void pauseEndings();
  void backFromTheSecondPauseOn_data();
  void backFromTheSecondPauseOn();
  void continueStaysDisabledUntilRunStart();
  void closingWhileHiddenChangesNothing();
  void help_data();
  void help();

  void stepAfterSubtraction();
  void tactAfterDivisionByZero();
  void autoAfterOverflow();
};

void PauseWindowTest::windowFrame() {
  Fixture f(soyka::RunModeAuto);
  QCOMPARE(f.pauseWindow.windowTitle(), QStringLiteral("Выполнено:"));
  QCOMPARE(f.pauseWindow.size(), QSize(323, 125));
  QCOMPARE(f.pauseWindow.minimumSize(), f.pauseWindow.maximumSize());
  QCOMPARE(f.pauseWindow.pos(), QPoint(303, 302));
  QCOMPARE(f.pauseWindow.windowType(), Qt::Dialog);
  const Qt::WindowFlags flags = f.pauseWindow.windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(f.pauseWindow.isHidden());
  QCOMPARE(f.pauseWindow.font().pixelSize(), 13);
}

void PauseWindowTest::controls_data() {
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("alignment");
  QTest::addColumn<QString>("hint");

  const int centred = Qt::AlignHCenter | Qt::AlignTop;
  const int left = Qt::AlignLeft | Qt::AlignTop;
  const QString window;
  // Run-time labels show their design texts until first written.
  QTest::newRow("commandPanel") << window << QRect(32, 8, 129, 33) << "" << 0 << "";
  QTest::newRow("commandCaption") << "commandPanel" << QRect(8, 9, 81, 16) << "команда" << centred
                                  << "";
  QTest::newRow("addressLabel") << "commandPanel" << QRect(88, 10, 32, 16) << "000" << centred
                                << "";
  QTest::newRow("tactPanel") << window << QRect(70, 48, 65, 36) << "" << 0 << "";
  QTest::newRow("tactCaption") << "tactPanel" << QRect(8, 9, 41, 16) << "такт" << centred << "";
  QTest::newRow("tactLabel") << "tactPanel" << QRect(48, 10, 8, 16) << "1" << centred << "";
  QTest::newRow("errorPanel") << window << QRect(80, 48, 105, 36) << "" << 0 << "";
  QTest::newRow("errorCaption") << "errorPanel" << QRect(8, 1, 89, 16) << "ОШИБКА:" << centred
                                << "";
  QTest::newRow("errorLabel") << "errorPanel" << QRect(1, 18, 96, 16) << "Деление на 0" << centred
                              << "";
  QTest::newRow("commentsPanel") << window << QRect(192, 8, 121, 76) << "" << 0 << "";
  QTest::newRow("commentsCaption")
      << "commentsPanel" << QRect(8, 8, 105, 16) << "Комментарии" << centred << "";
  QTest::newRow("commentLine0") << "commentsPanel" << QRect(1, 24, 111, 16) << "+1 в СчК." << left
                                << "";
  QTest::newRow("commentLine1") << "commentsPanel" << QRect(1, 40, 111, 16) << "подготовка к"
                                << left << "";
  QTest::newRow("commentLine2") << "commentsPanel" << QRect(1, 56, 111, 16) << "след. команде"
                                << left << "";
  QTest::newRow("continueButton") << window << QRect(8, 89, 93, 33) << "Дальше" << 0
                                  << "Продолжить выполнение";
  QTest::newRow("stopButton") << window << QRect(112, 89, 93, 33) << "СТОП" << 0
                              << "Прервать выполнение";
  QTest::newRow("helpButton") << window << QRect(216, 89, 93, 33) << "Помощь" << 0 << "Как выйти?";
  QTest::newRow("backButton") << window << QRect(4, 8, 24, 33) << "" << 0
                              << "Вернуться на шаг назад";
}

void PauseWindowTest::controls() {
  QFETCH(QString, parent);
  QFETCH(QRect, geometry);
  QFETCH(QString, text);
  QFETCH(int, alignment);
  QFETCH(QString, hint);

  Fixture f(soyka::RunModeAuto);
  auto* control = f.pauseWindow.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
  QVERIFY(control);
  QCOMPARE(control->parentWidget()->objectName(), parent);
  if (parent.isEmpty()) {
    QCOMPARE(control->parentWidget(), &f.pauseWindow);
  }
  QCOMPARE(control->geometry(), geometry);
  QCOMPARE(control->toolTip(), hint);
  QCOMPARE(control->font().pixelSize(), 13);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    QCOMPARE(label->text(), text);
    QCOMPARE(static_cast<int>(label->alignment()), alignment);
  } else if (auto* button = qobject_cast<QPushButton*>(control)) {
    QCOMPARE(button->text(), text);
    QVERIFY(button->isEnabled());
  } else {
    auto* panel = qobject_cast<QFrame*>(control);
    QVERIFY(panel);
    QCOMPARE(panel->frameShape(), QFrame::Panel);
    QCOMPARE(panel->frameShadow(), QFrame::Raised);
    QVERIFY(!panel->accessibleName().isEmpty());
  }
}

void PauseWindowTest::colours() {
  Fixture f(soyka::RunModeAuto);
  const QPalette system = QApplication::palette();
  QCOMPARE(f.pauseWindow.palette().color(QPalette::Window), system.color(QPalette::Dark));
  QVERIFY(f.pauseWindow.autoFillBackground());
  for (QFrame* panel : {f.pauseWindow.commandPanel_, f.pauseWindow.tactPanel_,
                        f.pauseWindow.errorPanel_, f.pauseWindow.commentsPanel_}) {
    QCOMPARE(panel->palette().color(QPalette::Window), system.color(QPalette::Button));
    QVERIFY(panel->autoFillBackground());
  }
  QCOMPARE(f.pauseWindow.errorCaption_->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  QCOMPARE(f.pauseWindow.commandCaption_->palette().color(QPalette::WindowText),
           system.color(QPalette::WindowText));
}

void PauseWindowTest::buttonPictures() {
  Fixture f(soyka::RunModeAuto);
  const QIcon go = f.pauseWindow.continueButton_->icon();
  const QImage enabled = go.pixmap(16, QIcon::Normal).toImage();
  const QImage disabled = go.pixmap(16, QIcon::Disabled).toImage();
  // The middle of the arrow: green when it can be pressed, grey when not.
  QCOMPARE(enabled.pixelColor(5, 8), QColor(0, 128, 0));
  QCOMPARE(disabled.pixelColor(5, 8), QColor(128, 128, 128));

  QVERIFY(!f.pauseWindow.stopButton_->icon().isNull());
  // Stop picture, then 12 pixels before the caption (the style adds 4 of them).
  QCOMPARE(f.pauseWindow.stopButton_->iconSize(), QSize(24, 16));
  const QImage stop = f.pauseWindow.stopButton_->icon().pixmap(QSize(24, 16)).toImage();
  for (int x = 16; x < 24; ++x) {
    for (int y = 0; y < 16; ++y) {
      QCOMPARE(stop.pixelColor(x, y).alpha(), 0);
    }
  }
  QVERIFY(!f.pauseWindow.helpButton_->icon().pixmap(16).isNull());
  QCOMPARE(f.pauseWindow.continueButton_->iconSize(), QSize(16, 16));
  QCOMPARE(f.pauseWindow.helpButton_->iconSize(), QSize(16, 16));
}

void PauseWindowTest::focusOrder_data() {
  QTest::addColumn<QString>("error");
  QTest::addColumn<QStringList>("order");
  QTest::addColumn<int>("pauses");
  QTest::newRow("no error") << ""
                            << QStringList{"continueButton", "stopButton", "helpButton",
                                           "continueButton"}
                            << 1;
  QTest::newRow("after an error") << "Переполнение!"
                                  << QStringList{"stopButton", "helpButton", "stopButton"} << 1;
  QTest::newRow("a later pause, with Назад")
      << ""
      << QStringList{"continueButton", "stopButton", "helpButton", "backButton", "continueButton"}
      << 2;
}

void PauseWindowTest::focusOrder() {
  QFETCH(QString, error);
  QFETCH(QStringList, order);
  QFETCH(int, pauses);
  Fixture f(soyka::RunModeStep);
  for (int earlier = 1; earlier < pauses; ++earlier) {
    f.Pause();
    f.pauseWindow.continueButton_->click();
  }
  f.state.ErrorMessage = error.toStdString();
  f.Pause();
  f.pauseWindow.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&f.pauseWindow));
  QStringList seen;
  for (int press = 0; press < order.size(); ++press) {
    seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "");
    if (press + 1 < order.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }
  f.pauseWindow.stopButton_->click();
  QCOMPARE(f.answers, pauses);
  QCOMPARE(seen, order);
}

void PauseWindowTest::writtenTexts() {
  Fixture f(soyka::RunModeTact);
  f.pauseWindow.SetExecutedAddress("101");
  f.pauseWindow.SetTactComment(5, "Результат  в", "ячейку 110", "");
  QCOMPARE(f.pauseWindow.addressLabel_->text(), QStringLiteral("101"));
  QCOMPARE(f.pauseWindow.tactLabel_->text(), QStringLiteral("5"));
  QCOMPARE(f.pauseWindow.commentLines_[0]->text(), QStringLiteral("Результат  в"));
  QCOMPARE(f.pauseWindow.commentLines_[1]->text(), QStringLiteral("ячейку 110"));
  QCOMPARE(f.pauseWindow.commentLines_[2]->text(), QString());
  f.pauseWindow.SetTactComment(1, "", "Подготовка к", "след.команде");
  QCOMPARE(f.pauseWindow.tactLabel_->text(), QStringLiteral("1"));
  QCOMPARE(f.pauseWindow.commentLines_[0]->text(), QString());
  QCOMPARE(f.pauseWindow.commentLines_[2]->text(), QStringLiteral("след.команде"));
  QVERIFY(f.pauseWindow.isHidden());
}

void PauseWindowTest::runTimeTextsFit_data() {
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("text");
  for (const std::string_view error : {soyka::OverflowMessage, soyka::DivisionByZeroMessage}) {
    const QString text = QString::fromUtf8(error.data(), static_cast<qsizetype>(error.size()));
    QTest::addRow("error %s", qPrintable(text)) << "errorLabel" << text;
  }
  for (int opcode = 0; opcode < 8; ++opcode) {
    QTest::addRow("step %d", opcode)
        << "commentLine1" << QString::fromStdString(soyka::StepDescription(opcode));
  }
  const QSet<QString> lines = EngineCommentLines();
  QVERIFY(lines.size() > 20);
  for (const QString& line : lines) {
    QTest::addRow("tact %s", qPrintable(line)) << "commentLine0" << line;
  }
}

void PauseWindowTest::runTimeTextsFit() {
  QFETCH(QString, label);
  QFETCH(QString, text);
  Fixture f(soyka::RunModeTact);
  auto* shown = f.pauseWindow.findChild<QLabel*>(label);
  QVERIFY(shown);
  const int width = QFontMetrics(shown->font()).horizontalAdvance(text);
  QVERIFY2(width <= shown->width(), qPrintable(QString("%1 px").arg(width)));
  QCOMPARE(shown->font().pixelSize(), 13);
}

void PauseWindowTest::commentsPanelFollowsRunStart() {
  Fixture f(soyka::RunModeAuto);
  soyka::StartRun(f.state, f.views);
  QVERIFY(!f.pauseWindow.commentsPanel_->isVisibleTo(&f.pauseWindow));
  f.state.RunMode = soyka::RunModeStep;
  soyka::StartRun(f.state, f.views);
  QVERIFY(f.pauseWindow.commentsPanel_->isVisibleTo(&f.pauseWindow));
  f.state.RunMode = soyka::RunModeTact;
  f.pauseWindow.SetInfoCommentsVisible(false);
  soyka::StartRun(f.state, f.views);
  QVERIFY(f.pauseWindow.commentsPanel_->isVisibleTo(&f.pauseWindow));
  QVERIFY(f.pauseWindow.isHidden());
}

void PauseWindowTest::pauseLayout_data() {
  QTest::addColumn<int>("runMode");
  QTest::addColumn<QString>("error");
  QTest::addColumn<bool>("tactPanel");
  QTest::addColumn<int>("tactPanelLeft");
  QTest::addColumn<bool>("commentsPanel");
  QTest::addColumn<QStringList>("comments");

  const QStringList engineLines{"Сравнить СМ", "и ячейку 101", ""};
  const QStringList stepLines{"", " A1 * A2 ==> A3", ""};
  QTest::newRow("auto, after an error")
      << soyka::RunModeAuto << "Переполнение!" << false << 8 << false << engineLines;
  QTest::newRow("step") << soyka::RunModeStep << "" << false << 70 << true << stepLines;
  QTest::newRow("step, after an error")
      << soyka::RunModeStep << "Переполнение!" << false << 8 << true << stepLines;
  QTest::newRow("tact") << soyka::RunModeTact << "" << true << 70 << true << engineLines;
  QTest::newRow("tact, after an error")
      << soyka::RunModeTact << "Деление на 0!" << true << 8 << true << engineLines;
}

void PauseWindowTest::pauseLayout() {
  QFETCH(int, runMode);
  QFETCH(QString, error);
  QFETCH(bool, tactPanel);
  QFETCH(int, tactPanelLeft);
  QFETCH(bool, commentsPanel);
  QFETCH(QStringList, comments);

  Fixture f(runMode);
  f.state.Opcode = soyka::OpcodeMultiply;
  f.show.EnableInfoContinue();
  f.show.SetInfoCommentsVisible(runMode > soyka::RunModeAuto);
  f.show.SetTactComment(4, {"Сравнить СМ", "и ячейку 101", ""});
  f.state.ErrorMessage = error.toStdString();

  f.Pause();
  QCOMPARE(QApplication::activeModalWidget(), &f.pauseWindow);
  const PauseView seen = Look(f.pauseWindow);
  QVERIFY(f.state.Halted);
  ContinueIfPossible(f.pauseWindow, &f.pauseWindow);

  const bool withError = !error.isEmpty();
  QCOMPARE(f.answers, 1);
  QVERIFY(seen.commandPanel);
  QCOMPARE(seen.tactPanel, tactPanel);
  QCOMPARE(seen.tactPanelLeft, tactPanelLeft);
  QCOMPARE(seen.errorPanel, withError);
  QCOMPARE(seen.error, error);
  QCOMPARE(seen.commentsPanel, commentsPanel);
  QCOMPARE(seen.comments, comments);
  QCOMPARE(seen.continueEnabled, !withError);
  QCOMPARE(seen.focus, withError ? f.pauseWindow.stopButton_ : f.pauseWindow.continueButton_);
  QVERIFY(f.state.Halted);
  QCOMPARE(f.state.ErrorMessage, withError ? std::string(soyka::AbortMessage) : std::string());
  QVERIFY(f.pauseWindow.isHidden());
}

void PauseWindowTest::pauseEndings_data() {
  QTest::addColumn<QString>("ending");
  QTest::addColumn<bool>("goesOn");
  QTest::addColumn<int>("result");
  QTest::newRow("Дальше") << "continue" << true << 1;
  QTest::newRow("СТОП") << "stop" << false << 3;
  QTest::newRow("Escape") << "escape" << false << 0;
  QTest::newRow("closed by the window manager") << "close" << false << 0;
  QTest::newRow("closed by the panel's СТОП") << "CloseInfoWindow" << false << 0;
}

void PauseWindowTest::pauseEndings() {
  QFETCH(QString, ending);
  QFETCH(bool, goesOn);
  QFETCH(int, result);

  Fixture f(soyka::RunModeStep);
  f.Pause();
  if (ending == "continue") {
    QTest::mouseClick(f.pauseWindow.continueButton_, Qt::LeftButton);
  } else if (ending == "stop") {
    QTest::mouseClick(f.pauseWindow.stopButton_, Qt::LeftButton);
  } else if (ending == "escape") {
    QTest::keyClick(&f.pauseWindow, Qt::Key_Escape);
  } else if (ending == "close") {
    f.pauseWindow.close();
  } else {
    f.pauseWindow.CloseInfoWindow();
  }

  QCOMPARE(f.answers, 1);
  QVERIFY(f.pauseWindow.isHidden());
  QCOMPARE(f.pauseWindow.result(), result);
  QVERIFY(f.state.Halted);
  QCOMPARE(f.state.ErrorMessage, goesOn ? std::string() : std::string(soyka::AbortMessage));
}

void PauseWindowTest::backFromTheSecondPauseOn_data() {
  QTest::addColumn<bool>("byKey");
  QTest::newRow("mouse") << false;
  QTest::newRow("Backspace") << true;
}

void PauseWindowTest::backFromTheSecondPauseOn() {
  QFETCH(bool, byKey);
  Fixture f(soyka::RunModeTact);
  const auto pressBack = [&] {
    if (byKey) {
      // A key reaches its button only in the active window.
      f.pauseWindow.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&f.pauseWindow));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    } else {
      QTest::mouseClick(f.pauseWindow.backButton_, Qt::LeftButton);
    }
  };
  f.Pause();
  QVERIFY(!f.pauseWindow.backButton_->isEnabled());
  pressBack();
  QVERIFY(f.pauseWindow.isVisible());
  QCOMPARE(f.answers, 0);
  f.pauseWindow.continueButton_->click();
  f.Pause();
  QVERIFY(f.pauseWindow.backButton_->isEnabled());
  QCOMPARE(f.pauseWindow.backButton_->accessibleName(), QStringLiteral("Назад"));
  pressBack();
  QVERIFY(f.pauseWindow.isHidden());
  QCOMPARE(f.answers, 2);
  QCOMPARE(f.lastAnswer, soyka::PauseAnswer::Back);
  QCOMPARE(f.pauseWindow.result(), PauseWindow::ResultBack);
}

void PauseWindowTest::continueStaysDisabledUntilRunStart() {
  Fixture f(soyka::RunModeStep);
  f.state.ErrorMessage = "Переполнение!";
  QList<bool> continueEnabled;
  const auto pause = [&] {
    f.Pause();
    continueEnabled << f.pauseWindow.continueButton_->isEnabled();
    ContinueIfPossible(f.pauseWindow, &f.pauseWindow);
  };
  pause();
  // A later pause without an error does not enable it by itself.
  f.state.ErrorMessage.clear();
  pause();
  f.show.EnableInfoContinue();
  f.state.ErrorMessage.clear();
  pause();
  QCOMPARE(continueEnabled, (QList<bool>{false, false, true}));
  QCOMPARE(f.state.ErrorMessage, std::string());
}

void PauseWindowTest::closingWhileHiddenChangesNothing() {
  Fixture f(soyka::RunModeStep);
  f.pauseWindow.CloseInfoWindow();
  QVERIFY(f.pauseWindow.isHidden());
  QVERIFY(f.state.ErrorMessage.empty());
  f.Pause();
  f.pauseWindow.continueButton_->click();
  QCOMPARE(f.pauseWindow.result(), 1);
  QVERIFY(f.state.ErrorMessage.empty());
}

void PauseWindowTest::help_data() {
  QTest::addColumn<bool>("pressContinue");
  QTest::newRow("then Дальше") << true;
  QTest::newRow("then СТОП") << false;
}

void PauseWindowTest::help() {
  QFETCH(bool, pressContinue);
  Fixture f(soyka::RunModeTact);
  QMessageBox::Icon icon = QMessageBox::Critical;
  QMessageBox::StandardButtons buttons;
  QString text;
  QString title;
  f.Pause();
  ModalDriver helpBox(
      [&](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        QVERIFY(message);
        icon = message->icon();
        buttons = message->standardButtons();
        soyka::testing::PressMessageBoxButton(box);
      },
      5000, &f.pauseWindow);
  f.pauseWindow.helpButton_->click();
  QVERIFY(helpBox.Answered());
  text = helpBox.seenText;
  title = helpBox.seenTitle;
  const bool stillWaiting =
      f.pauseWindow.isVisible() && QApplication::activeModalWidget() == &f.pauseWindow;
  QCOMPARE(f.answers, 0);
  (pressContinue ? f.pauseWindow.continueButton_ : f.pauseWindow.stopButton_)->click();

  QCOMPARE(f.answers, 1);
  QCOMPARE(text, HelpShown);
  QCOMPARE(text.size(), 74);
  QCOMPARE(title, soyka::ui::applicationTitle());
  QCOMPARE(icon, QMessageBox::NoIcon);
  QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(stillWaiting);
  QCOMPARE(f.state.ErrorMessage, pressContinue ? std::string() : std::string(soyka::AbortMessage));
}

void PauseWindowTest::stepAfterSubtraction() {
  Fixture f(soyka::RunModeStep,
            {{0, CommandValue(3, 4, 5, 6)}, {1, CommandValue(7, 4, 5, 6)}, {4, 9}, {5, 20}});
  QList<PauseView> pauses;
  f.Run([&](QWidget* modal) {
    pauses << Look(f.pauseWindow);
    ContinueIfPossible(f.pauseWindow, modal);
  });
  QCOMPARE(f.state.Memory[6], soyka::WordFromValue(11));

  QCOMPARE(pauses.size(), 2);
  const PauseView& subtraction = pauses[0];
  QCOMPARE(subtraction.comments, (QStringList{"", " A1 - A2 ==> A3", ""}));
  QVERIFY(!subtraction.tactPanel);
  QVERIFY(!subtraction.errorPanel);
  QVERIFY(subtraction.commentsPanel);
  QVERIFY(subtraction.continueEnabled);
  QCOMPARE(subtraction.address, QStringLiteral("000"));
  QCOMPARE(pauses[1].comments, (QStringList{"", " ВЫВОД, СТОП", ""}));
  QCOMPARE(pauses[1].address, QStringLiteral("001"));
  QVERIFY(f.state.ErrorMessage.empty());
  QVERIFY(f.state.Halted);
}

void PauseWindowTest::tactAfterDivisionByZero() {
  Fixture f(soyka::RunModeTact, {{0, CommandValue(2, 4, 5, 6)}, {4, 10}, {5, 0}});
  QList<PauseView> pauses;
  QString errorBox;
  QString errorTitle;
  QMessageBox::Icon errorIcon = QMessageBox::NoIcon;
  f.Run([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      errorBox = box->text();
      errorTitle = box->windowTitle();
      errorIcon = box->icon();
    } else {
      pauses << Look(f.pauseWindow);
    }
    ContinueIfPossible(f.pauseWindow, modal);
  });
  QCOMPARE(f.views.Count("MoveCellMarker"), 1);

  QCOMPARE(errorBox, QStringLiteral("Деление на 0!"));
  QCOMPARE(errorIcon, QMessageBox::Critical);
  QCOMPARE(errorTitle, QStringLiteral("Ошибка"));
  QCOMPARE(pauses.size(), 4);
  const QStringList tacts{"1", "2", "3"};
  for (int tact = 0; tact < 3; ++tact) {
    QCOMPARE(pauses[tact].tact, tacts[tact]);
    QVERIFY(pauses[tact].tactPanel);
    QCOMPARE(pauses[tact].tactPanelLeft, 70);
    QVERIFY(!pauses[tact].errorPanel);
    QVERIFY(pauses[tact].continueEnabled);
  }
  QCOMPARE(pauses[0].comments, (QStringList{"Выборка", "команды из", "ячейки 000"}));
  QCOMPARE(pauses[2].comments, (QStringList{"1-е число", "из ячейки", "100 в СМ"}));
  const PauseView& error = pauses[3];
  QVERIFY(error.tactPanel);
  QCOMPARE(error.tactPanelLeft, 8);
  QCOMPARE(error.tact, QStringLiteral("3"));
  QVERIFY(error.errorPanel);
  QCOMPARE(error.error, QStringLiteral("Деление на 0!"));
  QVERIFY(!error.continueEnabled);
  QCOMPARE(error.comments, pauses[2].comments);
  QCOMPARE(f.state.ErrorMessage, std::string(soyka::AbortMessage));
  QVERIFY(f.state.Halted);
}

void PauseWindowTest::autoAfterOverflow() {
  Fixture f(soyka::RunModeAuto, {{0, CommandValue(1, 4, 5, 6)}, {4, 4000}, {5, 100}});
  QList<PauseView> pauses;
  QString errorBox;
  f.Run([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      errorBox = box->text();
    } else {
      pauses << Look(f.pauseWindow);
    }
    ContinueIfPossible(f.pauseWindow, modal);
  });

  QCOMPARE(errorBox, QStringLiteral("Переполнение!"));
  QCOMPARE(pauses.size(), 1);
  QVERIFY(pauses[0].commandPanel);
  QVERIFY(!pauses[0].tactPanel);
  QVERIFY(pauses[0].errorPanel);
  QCOMPARE(pauses[0].error, QStringLiteral("Переполнение!"));
  QVERIFY(!pauses[0].commentsPanel);
  QVERIFY(!pauses[0].continueEnabled);
  QCOMPARE(f.state.ErrorMessage, std::string(soyka::AbortMessage));
  QCOMPARE(f.views.Count("PauseForTact"), 1);
  QCOMPARE(f.views.Count("ShowErrorBox"), 1);
}

QTEST_MAIN(PauseWindowTest)
#include "PauseWindowTest.moc"
