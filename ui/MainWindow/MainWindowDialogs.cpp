// The help and information dialogs, built the first time their menu item is chosen. They are
// top-level windows of their own, as the program's other windows are.
#include "MainWindow.h"

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "ExampleDialog.h"
#include "InterfaceHelpDialog.h"
#include "ThanksDialog.h"

namespace {

template <typename Dialog, typename... Arguments>
Dialog& buildOnce(std::unique_ptr<Dialog>& dialog, Arguments&... arguments) {
  if (!dialog) {
    dialog = std::make_unique<Dialog>(arguments...);
  }
  return *dialog;
}

} // namespace

MainWindow::~MainWindow() = default;

AboutAuthorDialog& MainWindow::aboutAuthorDialog() {
  return buildOnce(aboutAuthor_);
}

AboutProgramDialog& MainWindow::aboutProgramDialog() {
  return buildOnce(aboutProgram_);
}

ThanksDialog& MainWindow::thanksDialog() {
  return buildOnce(thanks_);
}

InterfaceHelpDialog& MainWindow::interfaceHelpDialog() {
  return buildOnce(interfaceHelp_);
}

ExampleDialog& MainWindow::exampleDialog() {
  return buildOnce(example_, state_);
}

std::vector<QWidget*> MainWindow::builtDialogs() const {
  std::vector<QWidget*> dialogs;
  for (QWidget* dialog :
       std::initializer_list<QWidget*>{aboutAuthor_.get(), aboutProgram_.get(), thanks_.get(),
                                       interfaceHelp_.get(), example_.get()}) {
    if (dialog) {
      dialogs.push_back(dialog);
    }
  }
  return dialogs;
}
