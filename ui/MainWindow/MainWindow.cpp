#include "MainWindow.h"

#include "BoardScene.h"
#include "ClickRelay.h"
#include "Fonts.h"
#include "PictureBox.h"
#include "Pictures.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace {

constexpr int ClientWidth = 582;
constexpr int ClientHeight = 409;
const QColor LabelYellow(255, 255, 0);

QString areaHint() {
  return QStringLiteral("Раскрыть - щелчок мыши");
}

// A place on the board whose look is in the board picture: it takes the clicks there, and gives the
// keyboard's focus frame its outline.
QWidget* boardArea(QWidget* surface, const QRect& geometry) {
  auto* area = new soyka::ui::PictureBox(nullptr, surface);
  area->setGeometry(geometry);
  return area;
}

// The big yellow caption of an area. The face is as high as asked; if the caption would not fit
// its box, the letters are narrowed rather than cut.
QLabel* areaLabel(QWidget* surface, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, surface);
  label->setGeometry(geometry);
  label->setFont(soyka::ui::narrowedToFit(soyka::ui::systemFont(33), text, geometry.width() - 2));
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  QPalette colours = label->palette();
  colours.setColor(QPalette::Window, LabelYellow);
  colours.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(colours);
  label->setToolTip(areaHint());
  return label;
}

QWidget* areaPicture(QWidget* surface, const QRect& geometry, const QString& name) {
  QWidget* picture = boardArea(surface, geometry);
  picture->setToolTip(areaHint());
  picture->setAccessibleName(name);
  picture->setAccessibleDescription(areaHint());
  return picture;
}

} // namespace

MainWindow::MainWindow(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QMainWindow(parent), state_(state), views_(views) {
  setWindowTitle(QStringLiteral("Учебная ЭВМ \"Сойка\""));
  setWindowIcon(soyka::ui::applicationIcon());
  setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
  setFont(soyka::ui::systemFont(16));

  auto* surface = new QWidget(this);
  surface->setFixedSize(ClientWidth, ClientHeight);
  surface->setAccessibleName(QStringLiteral("Плата учебной ЭВМ"));
  setCentralWidget(surface);
  buildBoard(surface);
  buildMenus();
  buildKeyboardAccess();
  // The window takes exactly the size of the menu bar and the board, and keeps it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildBoard(QWidget* surface) {
  // Painted from the pixels the program keeps, in the screen's own format: no copy, no conversion.
  board_ = new soyka::ui::PictureBox(
      [board = soyka::ui::boardPicture()](QPainter& painter, const QRectF&) {
        painter.drawImage(0, 0, board);
      },
      surface);
  board_->setGeometry(
      QRect(soyka::ui::board::PictureOrigin, QSize(soyka::ui::BoardWidth, soyka::ui::BoardHeight)));
  // It covers the whole client area, so nothing beneath it is painted first.
  board_->setAttribute(Qt::WA_OpaquePaintEvent);
  board_->setAccessibleName(QStringLiteral("Плата ЭВМ: микросхемы, конденсаторы, клавиатура"));
  board_->setContextMenuPolicy(Qt::CustomContextMenu);

  // The frames and the display and processor pictures are in the board picture.
  processorFrame_ = boardArea(surface, soyka::ui::board::ProcessorFrame);
  memoryFrame_ = boardArea(surface, soyka::ui::board::MemoryFrame);
  memoryAreas_[0] = areaPicture(surface, QRect(76, 128, 50, 100), QStringLiteral("ОЗУ, блок 1"));
  memoryAreas_[1] = areaPicture(surface, QRect(126, 128, 50, 100), QStringLiteral("ОЗУ, блок 2"));
  memoryAreas_[2] = areaPicture(surface, QRect(176, 128, 50, 100), QStringLiteral("ОЗУ, блок 3"));
  memoryLabel_ = areaLabel(surface, QStringLiteral("ОЗУ"), QRect(112, 158, 58, 32));
  displayFrame_ = boardArea(surface, soyka::ui::board::DisplayFrame);
  displayPicture_ =
      areaPicture(surface, soyka::ui::board::DisplayPicture, QStringLiteral("Дисплей"));
  displayLabel_ = areaLabel(surface, QStringLiteral("Дисплей"), QRect(416, 128, 118, 32));
  processorPicture_ = areaPicture(surface, soyka::ui::board::ProcessorPicture,
                                  QStringLiteral("Процессор: арифметическое устройство"));
  processorLabel_ = areaLabel(surface, QStringLiteral("АЛУ"), QRect(352, 24, 52, 32));

  // The board and the frames have no action of their own: a click there is a click on the
  // window's surface.
  for (QWidget* plain : {static_cast<QWidget*>(surface), static_cast<QWidget*>(board_),
                         processorFrame_, memoryFrame_, displayFrame_}) {
    new ClickRelay(plain, [this] { onBoardClicked(); });
  }
  for (QWidget* memory :
       {memoryAreas_[0], memoryAreas_[1], memoryAreas_[2], static_cast<QWidget*>(memoryLabel_)}) {
    new ClickRelay(memory, [this] { onMemoryAreaClicked(); });
  }
  for (QWidget* processor : {processorPicture_, static_cast<QWidget*>(processorLabel_)}) {
    new ClickRelay(processor, [this] { onProcessorAreaClicked(); });
  }
  for (QWidget* display : {displayPicture_, static_cast<QWidget*>(displayLabel_)}) {
    new ClickRelay(display, [this] { onDisplayAreaClicked(); });
  }
}

void MainWindow::buildMenus() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("     Помощь     "));
  helpMenuAction_ = help->menuAction();
  commandSystemAction_ =
      help->addAction(QStringLiteral("Система команд"), this, &MainWindow::showCommandSystem);
  interfaceHelpAction_ =
      help->addAction(QStringLiteral("Интерфейс"), this, &MainWindow::showInterfaceHelp);
  exampleAction_ = help->addAction(QStringLiteral("Пример"), this, &MainWindow::showExample);

  QMenu* information = menuBar()->addMenu(QStringLiteral("     Информация     "));
  informationMenuAction_ = information->menuAction();
  aboutProgramAction_ =
      information->addAction(QStringLiteral("О программе"), this, &MainWindow::showAboutProgram);
  aboutAuthorAction_ =
      information->addAction(QStringLiteral("Об авторе"), this, &MainWindow::showAboutAuthor);
  thanksAction_ =
      information->addAction(QStringLiteral("Благодарности"), this, &MainWindow::showThanks);

  exitAction_ =
      menuBar()->addAction(QStringLiteral("     Выход     "), this, &MainWindow::askToExit);

  boardMenu_ = new QMenu(this);
  boardCommandSystemAction_ =
      boardMenu_->addAction(QStringLiteral("Система команд"), this, &MainWindow::showCommandSystem);
  boardInterfaceHelpAction_ =
      boardMenu_->addAction(QStringLiteral("Интерфейс"), this, &MainWindow::showInterfaceHelp);
  connect(board_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { boardMenu_->popup(board_->mapToGlobal(at)); });
}

void MainWindow::attachMemoryWindow(std::function<QWidget&()> memoryWindow) {
  // The registers and display windows are reached through the view operations alone.
  memoryWindow_ = std::move(memoryWindow);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
  }
  QMainWindow::showEvent(event);
}
