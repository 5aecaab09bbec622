#include "ControlPanel.h"

#include "ControlMakers.h"
#include "FixedWindow.h"
#include "Fonts.h"
#include "GlyphIcon.h"
#include "Palette.h"
#include "RunLoop.h"
#include "StartPicture.h"

#include <QCloseEvent>
#include <QStringList>

using soyka::ui::Lamp;
using soyka::ui::LampGreen;
using soyka::ui::LampGrey;
using soyka::ui::LampRed;

using soyka::ui::makeButton;
using soyka::ui::makeLabel;

namespace {

constexpr int ClientWidth = 293;
constexpr int ClientHeight = 87;
constexpr int WindowLeft = 340;
constexpr int WindowTop = 339;

// The small black caption over a lamp.
QLabel* makeLampCaption(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
  QLabel* label = makeLabel(parent, name, text, geometry);
  label->setFont(soyka::ui::smallFont(9));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  return label;
}

Lamp* makeLamp(QWidget* parent, const char* name, const QString& caption, const QColor& color,
               const QPoint& topLeft) {
  constexpr int LampDiameter = 17;
  auto* lamp = new Lamp(caption, color, parent);
  lamp->setObjectName(QLatin1String(name));
  lamp->setGeometry(QRect(topLeft, QSize(LampDiameter, LampDiameter)));
  return lamp;
}

} // namespace

ControlPanel::ControlPanel(soyka::MachineState& state, soyka::ViewOperations& views,
                           QWidget* parent)
    : QWidget(parent), state_(state), views_(views) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Пульт управления"), ClientWidth, ClientHeight,
                              soyka::ui::TitleButtons::None, true);
  move(WindowLeft, WindowTop);
  setFont(soyka::ui::systemFont(13));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);

  createButtons();
  createSelector();

  tickTimer_ = new QTimer(this);
  tickTimer_->setObjectName(QStringLiteral("tickTimer"));
  tickTimer_->setInterval(soyka::TickIntervalMs);
  // Queued, so that each tick reaches the panel as an event of its own, which a watcher can see.
  connect(tickTimer_, &QTimer::timeout, this, &ControlPanel::onTick, Qt::QueuedConnection);
  tickTimer_->start();

  createLamps();

  setTabOrder(inputButton_, stopButton_);
  setTabOrder(stopButton_, startButton_);
  setTabOrder(startButton_, modeButtons_->button(0));
}

void ControlPanel::createButtons() {
  inputButton_ = makeButton(this, "inputButton", QStringLiteral("ВВОД"), soyka::ui::reloadGlyph(),
                            QRect(175, 48, 73, 33), QStringLiteral("Редактировать ОЗУ"));
  stopButton_ = makeButton(this, "stopButton", QStringLiteral("СТОП"), soyka::ui::stopGlyph(),
                           QRect(95, 48, 73, 33), QStringLiteral("Прервать программу"));
  stopButton_->setEnabled(false);
  startButton_ = makeButton(this, "startButton", QStringLiteral("ПУСК"), soyka::ui::startPicture(),
                            QRect(8, 48, 73, 33), QStringLiteral("Выполнить программу"));
  connect(inputButton_, &QPushButton::clicked, this, &ControlPanel::onInputClicked);
  connect(stopButton_, &QPushButton::clicked, this, &ControlPanel::onStopClicked);
  connect(startButton_, &QPushButton::clicked, this, &ControlPanel::onStartClicked);
}

void ControlPanel::createSelector() {
  modeSelector_ = new QGroupBox(QStringLiteral(" Режим  выполнения "), this);
  modeSelector_->setObjectName(QStringLiteral("modeSelector"));
  modeSelector_->setGeometry(8, 0, 161, 41);
  modeSelector_->setToolTip(QStringLiteral("Задать  режим выполнения команд программы"));
  modeButtons_ = new QButtonGroup(modeSelector_);

  // Three columns of equal width inside the frame; the narrow cut of the face keeps the captions
  // whole in them.
  QFont itemFont = font();
  itemFont.setStretch(soyka::ui::CondensedWidth);
  const QStringList items{QStringLiteral("Авто"), QStringLiteral("Шаг"), QStringLiteral("Такт")};
  constexpr int ItemLeft = 4;
  constexpr int ItemTop = 16;
  constexpr int ColumnWidth = 51;
  constexpr int ItemHeight = 22;
  for (int index = 0; index < items.size(); ++index) {
    auto* item = new QRadioButton(items[index], modeSelector_);
    item->setFont(itemFont);
    item->setObjectName(QStringLiteral("modeButton%1").arg(index));
    item->setGeometry(ItemLeft + index * ColumnWidth, ItemTop, ColumnWidth - 1, ItemHeight);
    modeButtons_->addButton(item, index);
  }
  modeButtons_->button(0)->setChecked(true);
  connect(modeButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      onModeChosen();
    }
  });
}

void ControlPanel::createLamps() {
  runLamp_ = makeLamp(this, "runLamp", QStringLiteral("Счет"), LampRed, QPoint(184, 22));
  runLampCaption_ =
      makeLampCaption(this, "runLampCaption", QStringLiteral("Счет"), QRect(176, 8, 26, 11));
  inputLamp_ = makeLamp(this, "inputLamp", QStringLiteral("Ввод"), LampRed, QPoint(264, 62));
  inputLampCaption_ =
      makeLampCaption(this, "inputLampCaption", QStringLiteral("Ввод"), QRect(256, 48, 29, 11));
  counterLamps_[2] =
      makeLamp(this, "counterLamp2", QStringLiteral("Счетчик, бит 3"), LampGrey, QPoint(216, 22));
  counterLamps_[1] =
      makeLamp(this, "counterLamp1", QStringLiteral("Счетчик, бит 2"), LampGrey, QPoint(240, 22));
  counterLamps_[0] =
      makeLamp(this, "counterLamp0", QStringLiteral("Счетчик, бит 1"), LampGrey, QPoint(264, 22));
  counterCaption_ =
      makeLabel(this, "counterCaption", QStringLiteral("Счетчик"), QRect(214, 4, 54, 16));
  counterCaption_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void ControlPanel::DisablePanelStop() {
  stopButton_->setEnabled(false);
}

void ControlPanel::setInputLamp(bool on) {
  inputLamp_->setColor(on ? LampGreen : LampRed);
}

void ControlPanel::setCounterLamps(const soyka::CounterBits3& bits) {
  for (int k = 1; k <= soyka::CounterBitCount; ++k) {
    counterLamps_[static_cast<std::size_t>(k - 1)]->setColor(bits[k] != 0 ? LampGreen : LampGrey);
  }
}

void ControlPanel::setTickInterval(int milliseconds) {
  tickTimer_->setInterval(milliseconds);
}

void ControlPanel::onModeChosen() {
  soyka::SelectRunMode(state_, modeButtons_->checkedId());
}

void ControlPanel::onStartClicked() {
  runLamp_->setColor(LampGreen);
  startButton_->setEnabled(false);
  // Step and Tact runs are left only through the pause window's own СТОП.
  stopButton_->setEnabled(state_.RunMode <= soyka::RunModeAuto);
  inputButton_->setEnabled(false);
  modeSelector_->setEnabled(false);
  soyka::StartRun(state_, views_);
}

void ControlPanel::onStopClicked() {
  runLamp_->setColor(LampRed);
  soyka::StopRun(state_, views_);
  showIdle();
}

void ControlPanel::onInputClicked() {
  soyka::EnableMemoryInput(state_, views_);
}

void ControlPanel::onTick() {
  follow(soyka::RunTick(state_, views_));
}

void ControlPanel::onPauseAnswered(soyka::PauseAnswer answer) {
  follow(soyka::AnswerPause(state_, views_, answer));
}

void ControlPanel::follow(soyka::TickOutcome outcome) {
  if (outcome == soyka::TickOutcome::RunEnded) {
    showIdle();
  }
}

void ControlPanel::showIdle() {
  runLamp_->setColor(LampRed);
  startButton_->setEnabled(true);
  stopButton_->setEnabled(false);
  inputButton_->setEnabled(true);
  modeSelector_->setEnabled(true);
}

void ControlPanel::closeEvent(QCloseEvent* event) {
  event->ignore();
}
