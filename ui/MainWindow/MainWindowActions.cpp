// What the board areas and the menu items do.
#include "MainWindow.h"

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "CommandSystemText.h"
#include "ExampleDialog.h"
#include "ExampleProgram.h"
#include "InterfaceHelpDialog.h"
#include "MemoryWindow.h"
#include "MessageBoxes.h"
#include "ThanksDialog.h"

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
  interfaceHelp_->exec();
  views_.ShowWantedWindows();
}

void MainWindow::showExample() {
  state_.MemoryWindowOpen = true;
  if (memoryWindow_) {
    memoryWindow_->show();
    memoryWindow_->raise();
  }
  example_->loadButton_->setEnabled(true);
  example_->exec();
  if (state_.LoadExampleChosen) {
    LoadExample(state_);
    views_.RefreshMemoryView();
    example_->loadButton_->setEnabled(false);
    example_->exec();
  }
  views_.ShowWantedWindows();
}

void MainWindow::showAboutProgram() {
  aboutProgram_->exec();
  views_.ShowWantedWindows();
}

void MainWindow::showAboutAuthor() {
  aboutAuthor_->exec();
  views_.ShowWantedWindows();
}

void MainWindow::showThanks() {
  thanks_->exec();
  views_.ShowWantedWindows();
}

void MainWindow::askToExit() {
  if (soyka::ui::askYesNo(this, "Действительно хотите выйти из программы?")) {
    close();
    return;
  }
  views_.ShowWantedWindows();
}
