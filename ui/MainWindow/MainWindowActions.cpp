// What the board areas and the menu items do.
#include "MainWindow.h"

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "CommandSystemText.h"
#include "ExampleDialog.h"
#include "ExampleProgram.h"
#include "InterfaceHelpDialog.h"
#include "MessageBoxes.h"
#include "ThanksDialog.h"

#include <QCloseEvent>

void MainWindow::onMemoryAreaClicked() {
  state_.MemoryWindowOpen = true;
  views_.ShowWantedWindows();
}

void MainWindow::onProcessorAreaClicked() {
  state_.RegistersWindowOpen = true;
  views_.ShowWantedWindows();
}

void MainWindow::onDisplayAreaClicked() {
  state_.DisplayWindowOpen = true;
  views_.ShowWantedWindows();
}

void MainWindow::onBoardClicked() {
  views_.ShowWantedWindows();
}

void MainWindow::showCommandSystem() {
  soyka::ui::showPlainMessage(this, commandSystemText());
  views_.ShowWantedWindows();
}

void MainWindow::showInterfaceHelp() {
  interfaceHelpDialog().exec();
  views_.ShowWantedWindows();
}

void MainWindow::showExample() {
  state_.MemoryWindowOpen = true;
  if (memoryWindow_) {
    QWidget& memory = memoryWindow_();
    memory.show();
    memory.raise();
  }
  ExampleDialog& example = exampleDialog();
  example.loadButton_->setEnabled(true);
  example.exec();
  if (state_.LoadExampleChosen) {
    LoadExample(state_);
    views_.RefreshMemoryView();
    example.loadButton_->setEnabled(false);
    example.exec();
  }
  views_.ShowWantedWindows();
}

void MainWindow::showAboutProgram() {
  aboutProgramDialog().exec();
  views_.ShowWantedWindows();
}

void MainWindow::showAboutAuthor() {
  aboutAuthorDialog().exec();
  views_.ShowWantedWindows();
}

void MainWindow::showThanks() {
  thanksDialog().exec();
  views_.ShowWantedWindows();
}

void MainWindow::askToExit() {
  if (soyka::ui::askYesNo(this, "Действительно хотите выйти из программы?") &&
      (!mayLeave_ || mayLeave_())) {
    leaving_ = true;
    close();
    return;
  }
  views_.ShowWantedWindows();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!leaving_ && mayLeave_ && !mayLeave_()) {
    event->ignore();
    views_.ShowWantedWindows();
    return;
  }
  QMainWindow::closeEvent(event);
}
