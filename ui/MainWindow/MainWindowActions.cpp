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

void TForm1::RAM1DblClick() {
  state_.MemoryWindowOpen = true;
  views_.ShowWantedWindows();
}

void TForm1::PentiumDblClick() {
  state_.RegistersWindowOpen = true;
  views_.ShowWantedWindows();
}

void TForm1::tvDblClick() {
  state_.DisplayWindowOpen = true;
  views_.ShowWantedWindows();
}

void TForm1::FormClick() {
  views_.ShowWantedWindows();
}

void TForm1::N7Click() {
  soyka::ui::showPlainMessage(this, commandSystemText());
  views_.ShowWantedWindows();
}

void TForm1::N8Click() {
  help_->exec();
  views_.ShowWantedWindows();
}

void TForm1::N9Click() {
  state_.MemoryWindowOpen = true;
  if (memory_) {
    memory_->show();
    memory_->raise();
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

void TForm1::N4Click() {
  program_->exec();
  views_.ShowWantedWindows();
}

void TForm1::N5Click() {
  author_->exec();
  views_.ShowWantedWindows();
}

void TForm1::N6Click() {
  thanks_->exec();
  views_.ShowWantedWindows();
}

void TForm1::N1Click() {
  if (soyka::ui::askYesNo(this, "Действительно хотите выйти из программы?")) {
    close();
    return;
  }
  views_.ShowWantedWindows();
}
