#include "MemoryWindow.h"

#include <QApplication>

#include "BitGrid.h"
#include "FixedWindow.h"
#include "Fonts.h"
#include "HeaderBox.h"
#include "Palette.h"
#include "ScreenReaderRoles.h"
#include "StateEdits.h"

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

// The stand-in serif face is wider than the classic one: narrowed, it keeps "000" clear of the
// vertical marker bar at its right.
QFont rowLabelFont() {
  QFont font = serifFont(13, true);
  font.setStretch(SemiCondensedWidth);
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

MemoryWindow::MemoryWindow(soyka::MachineState& state, soyka::ViewOperations& views,
                           QWidget* parent)
    : ViewWindowBase(state, views, soyka::ViewWindow::Memory, parent) {
  setObjectName(QStringLiteral("memoryWindow"));
  setUpFixedWindow(this, QStringLiteral("Память"), ClientWidth, ClientHeight, TitleButtons::None,
                   false);
  move(WindowLeft, WindowTop);
  setFont(systemFont(16));
  createControls();
  createPanel();
  createMenu();
  bringUp_.setSingleShot(true);
  bringUp_.setInterval(BringUpMs);
  connect(&bringUp_, &QTimer::timeout, this, &MemoryWindow::onBringUpSettled);
  fillGridAtStart();
}

void MemoryWindow::createControls() {
  createCloseButton();
  // The grid keeps the keyboard focus while the window is active.
  closeButton_->setFocusPolicy(Qt::NoFocus);

  for (int cell = 0; cell < CellCount; ++cell) {
    const auto index = static_cast<std::size_t>(cell);
    QLabel* label = new QLabel(cellName(cell), this);
    label->setFont(rowLabelFont());
    paintBlack(label);
    label->move(4, RowLabelTops[index]);
    label->adjustSize();
    label->setAccessibleName(QStringLiteral("Ячейка ") + cellName(cell));
    rowLabels_[index] = label;

    const QString marker = QStringLiteral("Метка ячейки ") + cellName(cell);
    horizontalMarkers_[index] = markerBar(this, QStringLiteral("horizontalMarker%1").arg(cell),
                                          marker, QRect(2, HorizontalBarTops[index], 31, 5));
    verticalMarkers_[index] = markerBar(this, QStringLiteral("verticalMarker%1").arg(cell), marker,
                                        QRect(28, VerticalBarTops[index], 5, 17));
    horizontalMarkers_[index]->setVisible(state_.View.MarkedCells[index]);
    verticalMarkers_[index]->setVisible(state_.View.MarkedCells[index]);
  }

  inputLampCaption_ = new QLabel(QStringLiteral("Ввод"), this);
  inputLampCaption_->setFont(smallFont(9));
  paintBlack(inputLampCaption_);
  inputLampCaption_->move(0, 312);
  inputLampCaption_->adjustSize();

  inputLamp_ = new Lamp(QStringLiteral("Ввод"), state_.InputEnabled ? LampGreen : LampRed, this);
  inputLamp_->setObjectName(QStringLiteral("inputLamp"));
  inputLamp_->setGeometry(8, 326, 17, 17);
}

void MemoryWindow::createPanel() {
  gridPanel_ = new GroupPanel(this);
  gridPanel_->setObjectName(QStringLiteral("gridPanel"));
  gridPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  gridPanel_->setGeometry(38, 8, 307, 345);

  const std::array<QString, 4> captions{QStringLiteral("К О П"), QStringLiteral("A 1"),
                                        QStringLiteral("A 2"), QStringLiteral("A 3")};
  for (const int top : HeaderTops) {
    for (std::size_t field = 0; field < captions.size(); ++field) {
      const auto shade = field % 2 == 0 ? HeaderBox::Shade::Dark : HeaderBox::Shade::Light;
      auto* box = new HeaderBox(captions[field], shade, gridPanel_);
      box->setGeometry(HeaderLefts[field], top, HeaderWidth, HeaderHeight);
    }
  }

  grid_ = new BitGrid(gridPanel_);
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->setGeometry(10, 26, 280, 284);
  grid_->installEventFilter(this);
  setFocusProxy(grid_);
}

void MemoryWindow::createMenu() {
  decodingMenu_ = new QMenu(this);
  decodingMenu_->setObjectName(QStringLiteral("decodingMenu"));
  decodeCommandAction_ = decodingMenu_->addAction(QStringLiteral("Команда"));
  decodeAddressesAction_ = decodingMenu_->addAction(QStringLiteral("Адреса"));
  decodeNumberAction_ = decodingMenu_->addAction(QStringLiteral("10-е число"));
  decodeCommandAction_->setObjectName(QStringLiteral("decodeCommandAction"));
  decodeAddressesAction_->setObjectName(QStringLiteral("decodeAddressesAction"));
  decodeNumberAction_->setObjectName(QStringLiteral("decodeNumberAction"));
  connect(decodeCommandAction_, &QAction::triggered, this, &MemoryWindow::showCellAsCommand);
  connect(decodeAddressesAction_, &QAction::triggered, this, &MemoryWindow::showCellAddresses);
  connect(decodeNumberAction_, &QAction::triggered, this, &MemoryWindow::showCellAsNumber);
}

void MemoryWindow::RefreshMemoryView() {
  for (int row = 0; row < CellCount; ++row) {
    const soyka::Word12& cell = state_.Memory[static_cast<std::size_t>(row)];
    for (int column = 0; column < WordBits; ++column) {
      grid_->setCellText(row, column,
                         cell[WordBits - column] != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
  }
}

void MemoryWindow::MoveCellMarker(int from, int to) {
  // A cursor outside the grid would leave the next typed bit nowhere to go.
  if (isCell(to)) {
    grid_->setCurrentCell(to, WordBits - 1);
  }
  HideCellMarker(from);
  ShowCellMarker(to);
}

void MemoryWindow::ShowCellMarker(int cell) {
  if (isCell(cell)) {
    horizontalMarkers_[static_cast<std::size_t>(cell)]->show();
    verticalMarkers_[static_cast<std::size_t>(cell)]->show();
  }
}

void MemoryWindow::HideCellMarker(int cell) {
  if (isCell(cell)) {
    horizontalMarkers_[static_cast<std::size_t>(cell)]->hide();
    verticalMarkers_[static_cast<std::size_t>(cell)]->hide();
  }
}

void MemoryWindow::setInputLamp(bool on) {
  inputLamp_->setColor(on ? LampGreen : LampRed);
}

void MemoryWindow::focusGrid() {
  bringUp_.start();
  activateWindow();
  grid_->setFocus(Qt::OtherFocusReason);
}

void MemoryWindow::setCompanionViews(std::vector<const QWidget*> views) {
  companionViews_ = std::move(views);
}

void MemoryWindow::onBringUpSettled() {
  if (!isActiveWindow()) {
    onDeactivated();
  }
}

void MemoryWindow::fillGridAtStart() {
  RefreshMemoryView();
  const std::optional<int> cursor = state_.View.CursorCell;
  grid_->setCurrentCell(cursor.value_or(0), cursor ? WordBits - 1 : 0);
}

bool MemoryWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    onActivated();
  } else if (event->type() == QEvent::WindowDeactivate) {
    onDeactivated();
  }
  return QWidget::event(event);
}

void MemoryWindow::onActivated() {
  RefreshMemoryView();
  grid_->setFocus(Qt::ActiveWindowFocusReason);
}

void MemoryWindow::onDeactivated() {
  // While the memory window comes up, a window manager may hand the activation to a view shown
  // along with it: take it back. Any other window, or a view after the bring-up, ends input.
  const QWidget* active = QApplication::activeWindow();
  if (bringUp_.isActive() && std::ranges::find(companionViews_, active) != companionViews_.end()) {
    activateWindow();
    return;
  }
  bringUp_.stop();
  soyka::EndMemoryInput(state_, views_);
}
