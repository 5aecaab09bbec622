#include "LearnerActions.h"

#include "Invariants.h"
#include "Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <tuple>

namespace soyka::monkey {
namespace {

struct WeightedKey {
  LearnerKey key;
  int weight;
};

const std::vector<WeightedKey>& Keys() {
  static const std::vector<WeightedKey> keys{
      {{Qt::Key_0, Qt::NoModifier, QStringLiteral("0"), QStringLiteral("0")}, 10},
      {{Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), QStringLiteral("1")}, 10},
      {{Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"), QStringLiteral("Tab")}, 3},
      {{Qt::Key_Backtab, Qt::ShiftModifier, QString(), QStringLiteral("Shift+Tab")}, 2},
      {{Qt::Key_Left, Qt::NoModifier, QString(), QStringLiteral("Left")}, 1},
      {{Qt::Key_Right, Qt::NoModifier, QString(), QStringLiteral("Right")}, 1},
      {{Qt::Key_Up, Qt::NoModifier, QString(), QStringLiteral("Up")}, 1},
      {{Qt::Key_Down, Qt::NoModifier, QString(), QStringLiteral("Down")}, 1},
      {{Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), QStringLiteral("Backspace")}, 1},
      {{Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), QStringLiteral("Delete")}, 1},
      {{Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), QStringLiteral("Escape")}, 2},
      {{Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), QStringLiteral("Enter")}, 2},
      {{Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"), QStringLiteral("Keypad-Enter")},
       1},
      {{Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), QStringLiteral("Space")}, 2},
      {{Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"), QStringLiteral("Ctrl+V")}, 1},
      {{Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"), QStringLiteral("Ctrl+X")}, 1},
      {{Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a"), QStringLiteral("Ctrl+Z")}, 1},
      {{Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"), QStringLiteral("Ctrl+C")}, 1},
      {{Qt::Key_0, Qt::KeypadModifier, QStringLiteral("0"), QStringLiteral("Keypad-0")}, 1},
      {{Qt::Key_1, Qt::KeypadModifier, QStringLiteral("1"), QStringLiteral("Keypad-1")}, 1},
      {{Qt::Key_ParenRight, Qt::ShiftModifier, QStringLiteral(")"), QStringLiteral("Shift+0")}, 1},
      {{Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!"), QStringLiteral("Shift+1")}, 1},
      {{Qt::Key_Menu, Qt::NoModifier, QString(), QStringLiteral("Menu")}, 1},
  };
  return keys;
}

// Letters of both alphabets a class might type by mistake.
const QString Letters =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzйцукенгшщзхъфывапролджэячсмитьбю");
constexpr int LetterWeight = 4;

LearnerKey Letter(QChar letter) {
  const QChar upper = letter.toUpper();
  const auto code = static_cast<Qt::Key>(upper.unicode());
  return {code, Qt::NoModifier, QString(letter), QString(letter)};
}

const LearnerKey EscapeKey{Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"),
                           QStringLiteral("Escape")};

QString Quoted(const QString& text) {
  constexpr int Longest = 24;
  QString line = text.section(QLatin1Char('\n'), 0, 0).trimmed();
  if (line.size() > Longest) {
    line = line.left(Longest) + QStringLiteral("…");
  }
  return QLatin1Char('"') + line + QLatin1Char('"');
}

QPoint CentreIn(const QWidget* widget, const QWidget* window) {
  return widget->mapTo(window, widget->rect().center());
}

std::vector<QAbstractButton*> Buttons(const QWidget* window, bool enabledOnly) {
  std::vector<QAbstractButton*> buttons;
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (button->isVisibleTo(window) && (button->isEnabled() || !enabledOnly)) {
      buttons.push_back(button);
    }
  }
  return buttons;
}

} // namespace

LearnerActions::LearnerActions(ui::ProgramWindows& windows, MonkeyRandom& random,
                               TickPoster postTicks)
    : windows_(windows), random_(random), postTicks_(std::move(postTicks)) {
  // The exercise commands reach the disk through the file system's dialog, where a random
  // learner would make and delete folders anywhere: hidden, they leave both menus (the check
  // with them, so the menus are the machine's alone) and take no shortcut. The monkey stays with
  // the machine, whose every state it can check.
  ui::ExerciseCommands& files = windows_.exercises_;
  for (QAction* command :
       {files.openAction_, files.saveAction_, files.saveAsAction_, files.checkAction_}) {
    command->setVisible(false);
  }
}

QString LearnerActions::WindowName(const QWidget* window) const {
  // One window of each class, so the class names the window without building any.
  const std::pair<const QMetaObject*, const char*> known[] = {
      {&MainWindow::staticMetaObject, "mainWindow"},
      {&RegistersWindow::staticMetaObject, "registersWindow"},
      {&MemoryWindow::staticMetaObject, "memoryWindow"},
      {&DisplayWindow::staticMetaObject, "displayWindow"},
      {&PauseWindow::staticMetaObject, "pauseWindow"},
      {&ControlPanel::staticMetaObject, "controlPanel"},
      {&AboutAuthorDialog::staticMetaObject, "aboutAuthor"},
      {&AboutProgramDialog::staticMetaObject, "aboutProgram"},
      {&ThanksDialog::staticMetaObject, "thanks"},
      {&InterfaceHelpDialog::staticMetaObject, "interfaceHelp"},
      {&ExampleDialog::staticMetaObject, "example"}};
  for (const auto& [type, name] : known) {
    if (window->metaObject() == type) {
      return QLatin1String(name);
    }
  }
  if (const auto* box = qobject_cast<const QMessageBox*>(window)) {
    return QStringLiteral("box ") + Quoted(box->text());
  }
  if (qobject_cast<const QMenu*>(window)) {
    return QStringLiteral("pop-up");
  }
  return window->objectName().isEmpty() ? QLatin1String(window->metaObject()->className())
                                        : window->objectName();
}

QString LearnerActions::Name(const QWidget* widget) const {
  const QWidget* window = widget->window();
  QString name = WindowName(window);
  if (widget == window) {
    return name;
  }
  name += QLatin1Char('/');
  name += widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                         : widget->objectName();
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    if (!button->text().trimmed().isEmpty()) {
      name += QLatin1Char(' ') + Quoted(button->text());
    }
  }
  return name;
}

std::vector<QWidget*> LearnerActions::LearnerWindows() const {
  std::vector<QWidget*> shown;
  for (QWidget* window : std::initializer_list<QWidget*>{
           &windows_.mainWindow_, &windows_.controlPanel_, BuiltWindow<MemoryWindow>(windows_),
           BuiltWindow<RegistersWindow>(windows_), BuiltWindow<DisplayWindow>(windows_)}) {
    if (window && window->isVisible()) {
      shown.push_back(window);
    }
  }
  return shown;
}

LearnerKey LearnerActions::DrawKey(bool typingBits) {
  // A learner at an open memory grid mostly types a program.
  constexpr int BitBoost = 8;
  std::vector<int> weights;
  for (const WeightedKey& key : Keys()) {
    const bool bit = key.key.modifiers == Qt::NoModifier &&
                     (key.key.key == Qt::Key_0 || key.key.key == Qt::Key_1);
    weights.push_back(typingBits && bit ? key.weight * BitBoost : key.weight);
  }
  weights.push_back(LetterWeight);
  const int chosen = random_.Weighted(weights);
  if (chosen == static_cast<int>(Keys().size())) {
    return Letter(Letters.at(random_.Below(static_cast<int>(Letters.size()))));
  }
  return Keys()[static_cast<std::size_t>(chosen)].key;
}

Click LearnerActions::DrawClick() {
  switch (random_.Weighted({6, 2, 2})) {
  case 0:
    return Click::Left;
  case 1:
    return Click::Right;
  default:
    return Click::Double;
  }
}

Action LearnerActions::ClickSomewhere(QWidget* window, bool activate, const QString& prefix) {
  const QPoint point(random_.Below(window->width()), random_.Below(window->height()));
  const Click kind = DrawClick();
  QWidget* child = window->childAt(point);
  const QString text = QStringLiteral("%1%2 %3 at %4,%5")
                           .arg(prefix, ClickName(kind), Name(child ? child : window))
                           .arg(point.x())
                           .arg(point.y());
  return {text, [window, point, kind, activate] {
            if (activate) {
              Activate(window);
            }
            ClickAt(window, point, kind);
          }};
}

Action LearnerActions::KeyTo(QWidget* window, const LearnerKey& key) {
  QWidget* focus = window->focusWidget();
  const QString text = QStringLiteral("key %1 to %2").arg(key.name, Name(focus ? focus : window));
  return {text, [window, key] {
            PressKey(window->windowHandle(), key);
            SettleDelayedClicks();
          }};
}

Action LearnerActions::PressButton(QAbstractButton* button, bool activate) {
  QWidget* window = button->window();
  const QPoint point = CentreIn(button, window);
  return {QStringLiteral("press %1").arg(Name(button)), [window, point, activate] {
            if (activate) {
              Activate(window);
            }
            ClickAt(window, point, Click::Left);
          }};
}

Action LearnerActions::Ticks() {
  const int count = random_.Between(1, 12);
  return {QStringLiteral("ticks %1").arg(count), [this, count] { postTicks_(count); }};
}

Action LearnerActions::PanelButton() {
  const std::vector<QAbstractButton*> buttons{windows_.controlPanel_.startButton_,
                                              windows_.controlPanel_.stopButton_,
                                              windows_.controlPanel_.inputButton_};
  return PressButton(random_.Pick(buttons), true);
}

Action LearnerActions::ModeChoice() {
  const int item = random_.Below(3);
  return PressButton(windows_.controlPanel_.modeButtons_->button(item), true);
}

Action LearnerActions::MenuChoice() {
  std::vector<std::pair<QWidget*, QAction*>> items;
  MainWindow& mainWindow = windows_.mainWindow_;
  for (QAction* action :
       {mainWindow.commandSystemAction_, mainWindow.interfaceHelpAction_, mainWindow.exampleAction_,
        mainWindow.aboutProgramAction_, mainWindow.aboutAuthorAction_, mainWindow.thanksAction_,
        mainWindow.exitAction_, mainWindow.boardCommandSystemAction_,
        mainWindow.boardInterfaceHelpAction_}) {
    items.emplace_back(&mainWindow, action);
  }
  MemoryWindow* memory = BuiltWindow<MemoryWindow>(windows_);
  if (memory && memory->isVisible()) {
    for (QAction* action : {memory->decodeCommandAction_, memory->decodeAddressesAction_,
                            memory->decodeNumberAction_}) {
      items.emplace_back(memory, action);
    }
  }
  QWidget* owner = nullptr;
  QAction* action = nullptr;
  std::tie(owner, action) = random_.Pick(items);
  const QString text = QStringLiteral("menu %1 %2").arg(WindowName(owner), Quoted(action->text()));
  return {text, [owner, action] {
            Activate(owner);
            action->trigger();
          }};
}

Action LearnerActions::WindowActivation() {
  QWidget* window = random_.Pick(LearnerWindows());
  return {QStringLiteral("activate %1").arg(WindowName(window)), [window] { Activate(window); }};
}

Action LearnerActions::AnyButton() {
  std::vector<QAbstractButton*> buttons;
  for (QWidget* window : LearnerWindows()) {
    for (QAbstractButton* button : Buttons(window, false)) {
      buttons.push_back(button);
    }
  }
  return PressButton(random_.Pick(buttons), true);
}

// A click on a window that a modal one blocks: it must come to nothing.
Action LearnerActions::BlockedClick() {
  if (random_.Below(2) == 0) {
    const std::vector<QAbstractButton*> panel = Buttons(&windows_.controlPanel_, false);
    Action press = PressButton(random_.Pick(panel), false);
    press.text = QStringLiteral("blocked ") + press.text;
    return press;
  }
  return ClickSomewhere(random_.Pick(LearnerWindows()), false, QStringLiteral("blocked "));
}

Action LearnerActions::Free() {
  // While a program runs the learner mostly watches it.
  const int waiting = windows_.controlPanel_.runLamp_->color() == ui::LampGreen ? 40 : 8;
  const MemoryWindow* memory = BuiltWindow<MemoryWindow>(windows_);
  const bool typingBits = memory && memory->inputLamp_->color() == ui::LampGreen &&
                          QApplication::focusWidget() == memory->grid_;
  switch (random_.Weighted({32, typingBits ? 120 : 24, waiting, 8, 4, 6, 4, 6})) {
  case 0:
    return ClickSomewhere(random_.Pick(LearnerWindows()), true);
  case 1: {
    QWidget* focus = QApplication::focusWidget();
    QWidget* window = focus ? focus->window() : QApplication::activeWindow();
    const LearnerKey key = DrawKey(typingBits);
    if (!window) {
      return {QStringLiteral("key %1 with no window active").arg(key.name), [] {}};
    }
    return KeyTo(window, key);
  }
  case 2:
    return Ticks();
  case 3:
    return PanelButton();
  case 4:
    return ModeChoice();
  case 5:
    return MenuChoice();
  case 6:
    return WindowActivation();
  default:
    return AnyButton();
  }
}

Action LearnerActions::InPopup(QWidget* popup) {
  std::vector<QAction*> items;
  if (auto* menu = qobject_cast<QMenu*>(popup)) {
    for (QAction* action : menu->actions()) {
      if (action->isVisible() && !action->isSeparator()) {
        items.push_back(action);
      }
    }
  }
  switch (random_.Weighted({items.empty() ? 0 : 50, 20, 20, 10})) {
  case 0: {
    QAction* item = random_.Pick(items);
    const QPoint point = static_cast<QMenu*>(popup)->actionGeometry(item).center();
    return {QStringLiteral("choose %1 in the pop-up").arg(Quoted(item->text())),
            [popup, point] { ClickAt(popup, point, Click::Left); }};
  }
  case 1:
    return KeyTo(popup, DrawKey(false));
  case 2:
    return ClickSomewhere(random_.Pick(LearnerWindows()), false, QStringLiteral("outside: "));
  default:
    return ClickSomewhere(popup, false);
  }
}

// The exit question's Yes ends the program by design, so the learner only ever says no.
Action LearnerActions::ExitQuestion(QMessageBox* box) {
  switch (random_.Weighted({60, 25, 15})) {
  case 0:
    return PressButton(box->button(QMessageBox::No), false);
  case 1:
    return KeyTo(box, EscapeKey);
  default:
    return Ticks();
  }
}

Action LearnerActions::InModal(QWidget* modal) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box && box->button(QMessageBox::Yes)) {
    return ExitQuestion(box);
  }
  const std::vector<QAbstractButton*> buttons = Buttons(modal, true);
  switch (random_.Weighted({buttons.empty() ? 0 : 40, 15, 15, 15, 10})) {
  case 0:
    return PressButton(random_.Pick(buttons), true);
  case 1:
    return KeyTo(modal, DrawKey(false));
  case 2:
    return ClickSomewhere(modal, true);
  case 3:
    return Ticks();
  default:
    return BlockedClick();
  }
}

Action LearnerActions::WayOut(QWidget* window) {
  QPointer<QWidget> guarded(window);
  return {QStringLiteral("way out: Escape to %1").arg(WindowName(window)), [guarded] {
            PressKey(guarded->windowHandle(), EscapeKey);
            SettleDelayedClicks();
            if (!guarded || !guarded->isVisible()) {
              return;
            }
            if (auto* dialog = qobject_cast<QDialog*>(guarded.data())) {
              dialog->reject();
            } else {
              guarded->close();
            }
          }};
}

} // namespace soyka::monkey
