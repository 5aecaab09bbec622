#include "ControlPanel.h"

#include "FixedWindow.h"
#include "Fonts.h"
#include "Palette.h"
#include "RunLoop.h"
#include "StartPicture.h"

#include <QCloseEvent>
#include <QStringList>
#include <QStyle>

using soyka::ui::Lamp;
using soyka::ui::LampGreen;
using soyka::ui::LampGrey;
using soyka::ui::LampRed;

namespace {

constexpr int ClientWidth = 293;
constexpr int ClientHeight = 87;
constexpr int WindowLeft = 340;
constexpr int WindowTop = 339;
constexpr int ButtonIconSize = 16;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                        const QRect& geometry, const QString& hint) {
  auto* button = new QPushButton(icon, text, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
  button->setToolTip(hint);
  return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

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

TPult::TPult(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QWidget(parent), state_(state), views_(views) {
  soyka::ui::setUpFixedWindow(this, QStringLiteral("Пульт управления"), ClientWidth, ClientHeight,
                              soyka::ui::TitleButtons::None, true);
  move(WindowLeft, WindowTop);
  setFont(soyka::ui::systemFont(13));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);

  CreateButtons();
  CreateSelector();

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(soyka::TickIntervalMs);
  // Queued, so that the ticks keep coming while a pause that a tick opened waits: a timer never
  // re-enters its own timeout, but a posted call is delivered by the pause's event loop too.
  connect(Timer1, &QTimer::timeout, this, &TPult::Timer1Timer, Qt::QueuedConnection);
  Timer1->start();

  CreateLamps();

  setTabOrder(BitBtn3, BitBtn2);
  setTabOrder(BitBtn2, BitBtn1);
  setTabOrder(BitBtn1, RadioGroup1Items->button(0));
}

void TPult::CreateButtons() {
  BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("ВВОД"),
                       style()->standardIcon(QStyle::SP_BrowserReload), QRect(175, 48, 73, 33),
                       QStringLiteral("Редактировать ОЗУ"));
  BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("СТОП"),
                       style()->standardIcon(QStyle::SP_BrowserStop), QRect(95, 48, 73, 33),
                       QStringLiteral("Прервать программу"));
  BitBtn2->setEnabled(false);
  BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("ПУСК"), soyka::ui::startPicture(),
                       QRect(8, 48, 73, 33), QStringLiteral("Выполнить программу"));
  connect(BitBtn3, &QPushButton::clicked, this, &TPult::BitBtn3Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TPult::BitBtn2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &TPult::BitBtn1Click);
}

void TPult::CreateSelector() {
  RadioGroup1 = new QGroupBox(QStringLiteral(" Режим  выполнения "), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(8, 0, 161, 41);
  RadioGroup1->setToolTip(QStringLiteral("Задать  режим выполнения команд программы"));
  RadioGroup1Items = new QButtonGroup(RadioGroup1);

  // Three columns of equal width inside the frame; the narrow cut of the face keeps the captions
  // whole in them.
  QFont itemFont = font();
  itemFont.setStretch(QFont::Condensed);
  const QStringList items{QStringLiteral("Авто"), QStringLiteral("Шаг"), QStringLiteral("Такт")};
  constexpr int ItemLeft = 4;
  constexpr int ItemTop = 16;
  constexpr int ColumnWidth = 51;
  constexpr int ItemHeight = 22;
  for (int index = 0; index < items.size(); ++index) {
    auto* item = new QRadioButton(items[index], RadioGroup1);
    item->setFont(itemFont);
    item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(index));
    item->setGeometry(ItemLeft + index * ColumnWidth, ItemTop, ColumnWidth - 1, ItemHeight);
    RadioGroup1Items->addButton(item, index);
  }
  RadioGroup1Items->button(0)->setChecked(true);
  connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) {
      RadioGroup1Click();
    }
  });
}

void TPult::CreateLamps() {
  Work_ind = makeLamp(this, "Work_ind", QStringLiteral("Счет"), LampRed, QPoint(184, 22));
  Label1 = makeLampCaption(this, "Label1", QStringLiteral("Счет"), QRect(176, 8, 26, 11));
  input_ind = makeLamp(this, "input_ind", QStringLiteral("Ввод"), LampRed, QPoint(264, 62));
  Label2 = makeLampCaption(this, "Label2", QStringLiteral("Ввод"), QRect(256, 48, 29, 11));
  p2 = makeLamp(this, "p2", QStringLiteral("Счетчик, бит 3"), LampGrey, QPoint(216, 22));
  p1 = makeLamp(this, "p1", QStringLiteral("Счетчик, бит 2"), LampGrey, QPoint(240, 22));
  p0 = makeLamp(this, "p0", QStringLiteral("Счетчик, бит 1"), LampGrey, QPoint(264, 22));
  Label3 = makeLabel(this, "Label3", QStringLiteral("Счетчик"), QRect(214, 4, 54, 16));
  Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TPult::DisablePanelStop() {
  BitBtn2->setEnabled(false);
}

void TPult::SetInputLamp(bool on) {
  input_ind->setColor(on ? LampGreen : LampRed);
}

void TPult::SetCounterLamps(const soyka::CounterBits3& bits) {
  p0->setColor(bits[1] != 0 ? LampGreen : LampGrey);
  p1->setColor(bits[2] != 0 ? LampGreen : LampGrey);
  p2->setColor(bits[3] != 0 ? LampGreen : LampGrey);
}

void TPult::SetTimerInterval(int milliseconds) {
  Timer1->setInterval(milliseconds);
}

void TPult::RadioGroup1Click() {
  soyka::SelectRunMode(state_, RadioGroup1Items->checkedId());
}

void TPult::BitBtn1Click() {
  Work_ind->setColor(LampGreen);
  BitBtn1->setEnabled(false);
  // Step and Tact runs are left only through the pause window's own СТОП.
  BitBtn2->setEnabled(state_.RunMode <= soyka::RunModeAuto);
  BitBtn3->setEnabled(false);
  RadioGroup1->setEnabled(false);
  soyka::StartRun(state_, views_);
}

void TPult::BitBtn2Click() {
  Work_ind->setColor(LampRed);
  soyka::StopRun(state_, views_);
  ShowIdle();
}

void TPult::BitBtn3Click() {
  soyka::EnableMemoryInput(state_, views_);
}

void TPult::Timer1Timer() {
  if (soyka::RunTick(state_, views_) == soyka::TickOutcome::RunEnded) {
    ShowIdle();
  }
}

void TPult::ShowIdle() {
  Work_ind->setColor(LampRed);
  BitBtn1->setEnabled(true);
  BitBtn2->setEnabled(false);
  BitBtn3->setEnabled(true);
  RadioGroup1->setEnabled(true);
}

void TPult::closeEvent(QCloseEvent* event) {
  event->ignore();
}
