// The main window from the keyboard: the board areas as controls, their pop-up menu, and F10.
#include "MainWindow.h"

#include "BoardAreaButton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

using soyka::ui::BoardAreaButton;

void MainWindow::buildKeyboardAccess() {
  QWidget* surface = centralWidget();
  memoryButton_ = new BoardAreaButton(
      QStringLiteral("ОЗУ"),
      {memoryFrame_, memoryAreas_[0], memoryAreas_[1], memoryAreas_[2], memoryLabel_}, surface);
  processorButton_ = new BoardAreaButton(
      QStringLiteral("АЛУ"), {processorFrame_, processorPicture_, processorLabel_}, surface);
  displayButton_ = new BoardAreaButton(QStringLiteral("Дисплей"),
                                       {displayFrame_, displayPicture_, displayLabel_}, surface);
  connect(memoryButton_, &QAbstractButton::clicked, this, &MainWindow::onMemoryAreaClicked);
  connect(processorButton_, &QAbstractButton::clicked, this, &MainWindow::onProcessorAreaClicked);
  connect(displayButton_, &QAbstractButton::clicked, this, &MainWindow::onDisplayAreaClicked);
  for (BoardAreaButton* area : {memoryButton_, processorButton_, displayButton_}) {
    connect(area, &BoardAreaButton::menuRequested, this, [this](const QPoint& at) {
      boardMenu_->popup(at);
      // From the keyboard the first item is highlighted, so Enter alone chooses it.
      boardMenu_->setActiveAction(boardMenu_->actions().value(0));
    });
  }

  auto* firstMenu = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(firstMenu, &QShortcut::activated, this, &MainWindow::openFirstMenu);
}

bool MainWindow::focusNextPrevChild(bool next) {
  // The areas join the Tab order at the learner's first Tab, not before: the toolkit focuses the
  // first focusable child of a window activated with nothing focused, and at start-up nothing on
  // this window takes the focus.
  for (BoardAreaButton* area : {memoryButton_, processorButton_, displayButton_}) {
    area->setFocusPolicy(Qt::TabFocus);
  }
  return QMainWindow::focusNextPrevChild(next);
}

void MainWindow::openFirstMenu() {
  // A tap on Alt puts the bar under keyboard control (the arrows, Enter and Escape then work as
  // in any menu bar, and leaving it gives the focus back where it was); the first menu then opens
  // on its first item.
  if (!menuBar()->hasFocus()) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent altTap(type, Qt::Key_Alt, Qt::AltModifier);
      QCoreApplication::sendEvent(this, &altTap);
    }
  }
  menuBar()->setActiveAction(helpMenuAction_);
  helpMenuAction_->menu()->setActiveAction(commandSystemAction_);
}
