#include "MemoryWindow.h"

#include <QApplication>

#include "BitGrid.h"
#include "CloseButton.h"
#include "FixedWindow.h"
#include "Fonts.h"
#include "HeaderBox.h"
#include "Palette.h"

#include <QCloseEvent>
#include <QEvent>
#include <algorithm>

using soyka::AddressText;
using soyka::CellCount;
using soyka::WordBits;
using namespace soyka::ui;

namespace {

constexpr int ClientWidth = 348;
constexpr int ClientHeight = 355;
constexpr int WindowLeft = 0;
constexpr int WindowTop = 60;
// Long enough for a window manager to pass the focus through newly mapped windows.
constexpr int BringUpMs = 250;

constexpr std::array<int, CellCount> RowLabelTops{41, 77, 112, 148, 183, 219, 254, 290};
constexpr std::array<int, CellCount> HorizontalBarTops{56, 92, 127, 163, 198, 234, 269, 305};
constexpr std::array<int, CellCount> VerticalBarTops{40, 76, 111, 147, 182, 218, 253, 289};

// One box per 3-column field, above the grid and again below it.
constexpr std::array<int, 4> HeaderLefts{10, 79, 148, 218};
constexpr std::array<int, 2> HeaderTops{5, 315};
constexpr int HeaderWidth = 68;
constexpr int HeaderHeight = 20;

bool isCell(int cell) {
  return cell >= 0 && cell < CellCount;
}

// The stand-in serif face is wider than the classic one: its condensed cut keeps "000" clear of
// the vertical marker bar at its right.
QFont rowLabelFont() {
  QFont font = serifFont(13, true);
  font.setStretch(QFont::SemiCondensed);
  return font;
}

QString cellName(int cell) {
  return QString::fromStdString(AddressText(cell));
}

void paintBlack(QWidget* widget) {
  QPalette colors = widget->palette();
  colors.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(colors);
}

QFrame* markerBar(QWidget* parent, const QString& name, const QString& description,
                  const QRect& geometry) {
  auto* bar = new QFrame(parent);
  bar->setObjectName(name);
  bar->setAccessibleName(description);
  bar->setGeometry(geometry);
  bar->setAutoFillBackground(true);
  QPalette colors = bar->palette();
  colors.setColor(QPalette::Window, Purple);
  bar->setPalette(colors);
  return bar;
}

} // namespace

TSoyka_mem::TSoyka_mem(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QWidget(parent), state_(state), views_(views) {
  setObjectName(QStringLiteral("Soyka_mem"));
  setUpFixedWindow(this, QStringLiteral("Память"), ClientWidth, ClientHeight, TitleButtons::None,
                   false);
  move(WindowLeft, WindowTop);
  setFont(systemFont(16));
  CreateControls();
  CreatePanel();
  CreateMenu();
  bringUp_.setSingleShot(true);
  bringUp_.setInterval(BringUpMs);
  connect(&bringUp_, &QTimer::timeout, this, &TSoyka_mem::BringUpSettled);
  FormCreate();
}

void TSoyka_mem::CreateControls() {
  BitBtn1 = new CloseButton(this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  // The grid keeps the keyboard focus while the window is active.
  BitBtn1->setFocusPolicy(Qt::NoFocus);
  connect(BitBtn1, &QPushButton::clicked, this, &TSoyka_mem::BitBtn1Click);

  for (int cell = 0; cell < CellCount; ++cell) {
    const auto index = static_cast<std::size_t>(cell);
    QLabel* label = new QLabel(cellName(cell), this);
    label->setFont(rowLabelFont());
    paintBlack(label);
    label->move(4, RowLabelTops[index]);
    label->adjustSize();
    label->setAccessibleName(QStringLiteral("Ячейка ") + cellName(cell));
    RowLabels[index] = label;

    const QString marker = QStringLiteral("Метка ячейки ") + cellName(cell);
    u[index] = markerBar(this, QStringLiteral("u%1").arg(cell), marker,
                         QRect(2, HorizontalBarTops[index], 31, 5));
    u1[index] = markerBar(this, QStringLiteral("u1%1").arg(cell), marker,
                          QRect(28, VerticalBarTops[index], 5, 17));
    u[index]->setVisible(cell == 0);
    u1[index]->setVisible(cell == 0);
  }

  InputCaption = new QLabel(QStringLiteral("Ввод"), this);
  InputCaption->setFont(smallFont(9));
  paintBlack(InputCaption);
  InputCaption->move(0, 312);
  InputCaption->adjustSize();

  input_ind = new Lamp(QStringLiteral("Ввод"), LampRed, this);
  input_ind->setObjectName(QStringLiteral("input_ind"));
  input_ind->setGeometry(8, 326, 17, 17);
}

void TSoyka_mem::CreatePanel() {
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(38, 8, 307, 345);

  const std::array<QString, 4> captions{QStringLiteral("К О П"), QStringLiteral("A 1"),
                                        QStringLiteral("A 2"), QStringLiteral("A 3")};
  for (const int top : HeaderTops) {
    for (std::size_t field = 0; field < captions.size(); ++field) {
      const auto shade = field % 2 == 0 ? HeaderBox::Shade::Dark : HeaderBox::Shade::Light;
      auto* box = new HeaderBox(captions[field], shade, Panel1);
      box->setGeometry(HeaderLefts[field], top, HeaderWidth, HeaderHeight);
    }
  }

  grid_ = new BitGrid(Panel1);
  grid_->setObjectName(QStringLiteral("Soyka_mem"));
  grid_->setGeometry(10, 26, 280, 284);
  grid_->installEventFilter(this);
  Soyka_mem = grid_;
  setFocusProxy(grid_);
}

void TSoyka_mem::CreateMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  N1 = PopupMenu1->addAction(QStringLiteral("Команда"));
  N2 = PopupMenu1->addAction(QStringLiteral("Адреса"));
  N3 = PopupMenu1->addAction(QStringLiteral("10-е число"));
  N1->setObjectName(QStringLiteral("N1"));
  N2->setObjectName(QStringLiteral("N2"));
  N3->setObjectName(QStringLiteral("N3"));
  connect(N1, &QAction::triggered, this, &TSoyka_mem::N1Click);
  connect(N2, &QAction::triggered, this, &TSoyka_mem::N2Click);
  connect(N3, &QAction::triggered, this, &TSoyka_mem::N3Click);
}

void TSoyka_mem::RefreshMemoryView() {
  for (int row = 0; row < CellCount; ++row) {
    const soyka::Word12& cell = state_.Memory[static_cast<std::size_t>(row)];
    for (int column = 0; column < WordBits; ++column) {
      grid_->setCellText(row, column,
                         cell[WordBits - column] != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
  }
}

void TSoyka_mem::MoveCellMarker(int from, int to) {
  // A cursor outside the grid would leave the next typed bit nowhere to go.
  if (isCell(to)) {
    Soyka_mem->setCurrentCell(to, WordBits - 1);
  }
  HideCellMarker(from);
  ShowCellMarker(to);
}

void TSoyka_mem::ShowCellMarker(int cell) {
  if (isCell(cell)) {
    u[static_cast<std::size_t>(cell)]->show();
    u1[static_cast<std::size_t>(cell)]->show();
  }
}

void TSoyka_mem::HideCellMarker(int cell) {
  if (isCell(cell)) {
    u[static_cast<std::size_t>(cell)]->hide();
    u1[static_cast<std::size_t>(cell)]->hide();
  }
}

void TSoyka_mem::SetInputLamp(bool on) {
  input_ind->setColor(on ? LampGreen : LampRed);
}

void TSoyka_mem::FocusGrid() {
  bringUp_.start();
  activateWindow();
  Soyka_mem->setFocus(Qt::OtherFocusReason);
}

void TSoyka_mem::SetCompanionViews(std::vector<const QWidget*> views) {
  companionViews_ = std::move(views);
}

void TSoyka_mem::BringUpSettled() {
  if (!isActiveWindow()) {
    FormDeactivate();
  }
}

void TSoyka_mem::BitBtn1Click() {
  hide();
  state_.MemoryWindowOpen = false;
  views_.ShowWantedWindows();
}

void TSoyka_mem::closeEvent(QCloseEvent* event) {
  event->ignore();
}

void TSoyka_mem::FormCreate() {
  RefreshMemoryView();
  Soyka_mem->setCurrentCell(0, 0);
}

bool TSoyka_mem::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    FormActivate();
  } else if (event->type() == QEvent::WindowDeactivate) {
    FormDeactivate();
  }
  return QWidget::event(event);
}

void TSoyka_mem::FormActivate() {
  RefreshMemoryView();
  Soyka_mem->setFocus(Qt::ActiveWindowFocusReason);
}

void TSoyka_mem::FormDeactivate() {
  // While the memory window comes up, a window manager may hand the activation to a view shown
  // along with it: take it back. Any other window, or a view after the bring-up, ends input.
  const QWidget* active = QApplication::activeWindow();
  if (bringUp_.isActive() && std::ranges::find(companionViews_, active) != companionViews_.end()) {
    activateWindow();
    return;
  }
  bringUp_.stop();
  state_.InputEnabled = false;
  views_.SetInputLamps(false);
}
