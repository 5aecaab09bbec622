// What the board areas and the menu items do.
#include "MainWindow.h"

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "CommandSystemText.h"
#include "ExampleDialog.h"
#include "ExampleProgram.h"
#include "InterfaceHelpDialog.h"
#include "MessageBoxes.h"
#include "StateEdits.h"
#include "ThanksDialog.h"

#include <QCloseEvent>

void MainWindow::onMemoryAreaClicked() {
  soyka::SetViewWanted(state_, soyka::ViewWindow::Memory, true);
  views_.ShowWantedWindows();
}

void MainWindow::onProcessorAreaClicked() {
  soyka::SetViewWanted(state_, soyka::ViewWindow::Registers, true);
  views_.ShowWantedWindows();
}

void MainWindow::onDisplayAreaClicked() {
  soyka::SetViewWanted(state_, soyka::ViewWindow::Display, true);
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
  soyka::SetViewWanted(state_, soyka::ViewWindow::Memory, true);
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
