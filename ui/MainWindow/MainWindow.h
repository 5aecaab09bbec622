#pragma once
// The main window: the board picture whose areas open the views, and the menus. Every action
// ends by bringing the wanted views back to the front (the view operation ShowWantedWindows).

#include "AboutAuthorDialog.h"
#include "AboutProgramDialog.h"
#include "ExampleDialog.h"
#include "InterfaceHelpDialog.h"
#include "Machine.h"
#include "ThanksDialog.h"
#include "ViewOperations.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace soyka::ui {
class BoardAreaButton;
}

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  MainWindow(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The memory window, which the example shows directly; whoever owns it builds it when asked.
  void attachMemoryWindow(std::function<QWidget&()> memoryWindow);
  // Asked before the program ends, after the exit question or at the title bar's close: false
  // keeps it open.
  void setLeaveCheck(std::function<bool()> mayLeave) { mayLeave_ = std::move(mayLeave); }

  // The help and information dialogs, each built the first time it is needed.
  AboutAuthorDialog& aboutAuthorDialog();
  AboutProgramDialog& aboutProgramDialog();
  ThanksDialog& thanksDialog();
  InterfaceHelpDialog& interfaceHelpDialog();
  ExampleDialog& exampleDialog();
  // The dialogs built so far; builds none.
  std::vector<QWidget*> builtDialogs() const;

  // The board, from bottom to top.
  QWidget* board_;
  QWidget* processorFrame_;
  QWidget* memoryFrame_;
  // The memory chips, left to right.
  std::array<QWidget*, 3> memoryAreas_;
  QLabel* memoryLabel_;
  QWidget* displayFrame_;
  QWidget* displayPicture_;
  QLabel* displayLabel_;
  QWidget* processorPicture_;
  QLabel* processorLabel_;
  // The three areas as keyboard controls, over the board, in their Tab order.
  soyka::ui::BoardAreaButton* memoryButton_;
  soyka::ui::BoardAreaButton* processorButton_;
  soyka::ui::BoardAreaButton* displayButton_;

  // The menu bar, its submenus and the board's pop-up menu.
  QAction* helpMenuAction_;
  QAction* commandSystemAction_;
  QAction* interfaceHelpAction_;
  QAction* exampleAction_;
  QAction* informationMenuAction_;
  QAction* aboutProgramAction_;
  QAction* aboutAuthorAction_;
  QAction* thanksAction_;
  QAction* exitAction_;
  QMenu* boardMenu_;
  QAction* boardCommandSystemAction_;
  QAction* boardInterfaceHelpAction_;

public slots:
  void onMemoryAreaClicked();
  void onProcessorAreaClicked();
  void onDisplayAreaClicked();
  void onBoardClicked();
  void showCommandSystem();
  void showInterfaceHelp();
  void showExample();
  void showAboutProgram();
  void showAboutAuthor();
  void showThanks();
  void askToExit();
  // F10: the first menu of the menu bar, open, with the bar under keyboard control.
  void openFirstMenu();

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

private:
  void buildBoard(QWidget* surface);
  void buildMenus();
  void buildKeyboardAccess();

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  std::function<QWidget&()> memoryWindow_;
  std::unique_ptr<AboutAuthorDialog> aboutAuthor_;
  std::unique_ptr<AboutProgramDialog> aboutProgram_;
  std::unique_ptr<ThanksDialog> thanks_;
  std::unique_ptr<InterfaceHelpDialog> interfaceHelp_;
  std::unique_ptr<ExampleDialog> example_;
  bool centred_ = false;
  std::function<bool()> mayLeave_;
  // The exit question was answered «Да» and the leave check passed: the close goes through.
  bool leaving_ = false;
};
