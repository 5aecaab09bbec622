#include "MainWindow.h"

#include "ClickRelay.h"
#include "Fonts.h"
#include "Palette.h"
#include "PictureBox.h"
#include "Pictures.h"

#include <QFontMetrics>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int ClientWidth = 582;
constexpr int ClientHeight = 409;
const QColor LabelYellow(255, 255, 0);

QString areaHint() {
  return QStringLiteral("Раскрыть - щелчок мыши");
}

// A purple frame with rounded corners, drawn as a rounded-rectangle shape: the ellipse of each
// corner is a quarter of the shorter side.
QWidget* purpleFrame(QWidget* surface, const QRect& geometry) {
  auto* frame = new soyka::ui::PictureBox(
      [](QPainter& painter, const QRectF& box) {
        const double radius = std::min(box.width(), box.height()) / 8.0;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(soyka::ui::Purple, 1));
        painter.setBrush(soyka::ui::Purple);
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
      },
      surface);
  frame->setGeometry(geometry);
  return frame;
}

// The big yellow caption of an area. The face is as high as asked; if the caption would not fit
// its box, the letters are narrowed rather than cut.
QLabel* areaLabel(QWidget* surface, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, surface);
  label->setGeometry(geometry);
  QFont font = soyka::ui::systemFont(33);
  const int room = geometry.width() - 2;
  for (int stretch = 99; stretch >= 50 && QFontMetrics(font).horizontalAdvance(text) > room;
       --stretch) {
    font.setStretch(stretch);
  }
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  QPalette colours = label->palette();
  colours.setColor(QPalette::Window, LabelYellow);
  colours.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(colours);
  label->setToolTip(areaHint());
  return label;
}

QWidget* areaPicture(QWidget* surface, soyka::ui::PictureBox::Drawing drawing,
                     const QRect& geometry, const QString& name) {
  auto* picture = new soyka::ui::PictureBox(std::move(drawing), surface);
  picture->setGeometry(geometry);
  picture->setToolTip(areaHint());
  picture->setAccessibleName(name);
  picture->setAccessibleDescription(areaHint());
  return picture;
}

} // namespace

TForm1::TForm1(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent)
    : QMainWindow(parent), state_(state), views_(views) {
  setWindowTitle(QStringLiteral("Учебная ЭВМ \"Сойка\""));
  setWindowIcon(soyka::ui::applicationIcon());
  setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
  setFont(soyka::ui::systemFont(16));

  auto* surface = new QWidget(this);
  surface->setFixedSize(ClientWidth, ClientHeight);
  surface->setAccessibleName(QStringLiteral("Плата учебной ЭВМ"));
  setCentralWidget(surface);
  BuildBoard(surface);
  BuildMenus();
  // The window takes exactly the size of the menu bar and the board, and keeps it.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::BuildBoard(QWidget* surface) {
  MotherBoard = new QLabel(surface);
  MotherBoard->setGeometry(-4, -8, soyka::ui::BoardWidth, soyka::ui::BoardHeight);
  MotherBoard->setPixmap(QPixmap::fromImage(soyka::ui::boardPicture()));
  MotherBoard->setAccessibleName(QStringLiteral("Плата ЭВМ: микросхемы, конденсаторы, клавиатура"));
  MotherBoard->setContextMenuPolicy(Qt::CustomContextMenu);

  pPentium = purpleFrame(surface, QRect(282, 20, 132, 114));
  pRAM = purpleFrame(surface, QRect(72, 123, 159, 110));
  RAM1 = areaPicture(surface, nullptr, QRect(76, 128, 50, 100), QStringLiteral("ОЗУ, блок 1"));
  RAM2 = areaPicture(surface, nullptr, QRect(126, 128, 50, 100), QStringLiteral("ОЗУ, блок 2"));
  RAM3 = areaPicture(surface, nullptr, QRect(176, 128, 50, 100), QStringLiteral("ОЗУ, блок 3"));
  Label1 = areaLabel(surface, QStringLiteral("ОЗУ"), QRect(112, 158, 58, 32));
  pDisp = purpleFrame(surface, QRect(394, 162, 164, 140));
  tv = areaPicture(surface, soyka::ui::drawDisplayPicture, QRect(400, 168, 153, 129),
                   QStringLiteral("Дисплей"));
  Label3 = areaLabel(surface, QStringLiteral("Дисплей"), QRect(416, 128, 118, 32));
  Pentium = areaPicture(surface, soyka::ui::drawProcessorPicture, QRect(288, 24, 121, 105),
                        QStringLiteral("Процессор: арифметическое устройство"));
  Label2 = areaLabel(surface, QStringLiteral("АЛУ"), QRect(352, 24, 52, 32));

  // The board and the frames have no action of their own: a click there is a click on the
  // window's surface.
  for (QWidget* plain : {static_cast<QWidget*>(surface), static_cast<QWidget*>(MotherBoard),
                         pPentium, pRAM, pDisp}) {
    new ClickRelay(plain, [this] { FormClick(); });
  }
  for (QWidget* memory : {RAM1, RAM2, RAM3, static_cast<QWidget*>(Label1)}) {
    new ClickRelay(memory, [this] { RAM1DblClick(); });
  }
  for (QWidget* processor : {Pentium, static_cast<QWidget*>(Label2)}) {
    new ClickRelay(processor, [this] { PentiumDblClick(); });
  }
  for (QWidget* display : {tv, static_cast<QWidget*>(Label3)}) {
    new ClickRelay(display, [this] { tvDblClick(); });
  }
}

void TForm1::BuildMenus() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("     Помощь     "));
  N3 = help->menuAction();
  N7 = help->addAction(QStringLiteral("Система команд"), this, &TForm1::N7Click);
  N8 = help->addAction(QStringLiteral("Интерфейс"), this, &TForm1::N8Click);
  N9 = help->addAction(QStringLiteral("Пример"), this, &TForm1::N9Click);

  QMenu* information = menuBar()->addMenu(QStringLiteral("     Информация     "));
  N2 = information->menuAction();
  N4 = information->addAction(QStringLiteral("О программе"), this, &TForm1::N4Click);
  N5 = information->addAction(QStringLiteral("Об авторе"), this, &TForm1::N5Click);
  N6 = information->addAction(QStringLiteral("Благодарности"), this, &TForm1::N6Click);

  N1 = menuBar()->addAction(QStringLiteral("     Выход     "), this, &TForm1::N1Click);

  PopupMenu1 = new QMenu(this);
  N10 = PopupMenu1->addAction(QStringLiteral("Система команд"), this, &TForm1::N7Click);
  N11 = PopupMenu1->addAction(QStringLiteral("Интерфейс"), this, &TForm1::N8Click);
  connect(MotherBoard, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(MotherBoard->mapToGlobal(at)); });
}

void TForm1::AttachViews(MemoryWindow* memory, RegistersWindow*, DisplayWindow*) {
  // The registers and display windows are reached through the view operations alone.
  memory_ = memory;
}

void TForm1::AttachDialogs(AboutAuthorDialog* author, AboutProgramDialog* program,
                           ThanksDialog* thanks, InterfaceHelpDialog* help,
                           ExampleDialog* example) {
  author_ = author;
  program_ = program;
  thanks_ = thanks;
  help_ = help;
  example_ = example;
}

void TForm1::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
  }
  QMainWindow::showEvent(event);
}
