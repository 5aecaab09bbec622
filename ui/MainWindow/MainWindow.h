#pragma once
// The main window: the board picture whose areas open the views, and the menus. Every action
// ends by bringing the wanted views back to the front (the view operation ShowWantedWindows).

#include "Machine.h"
#include "ViewOperations.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <array>

class MemoryWindow;
class RegistersWindow;
class DisplayWindow;
class AboutAuthorDialog;
class AboutProgramDialog;
class ThanksDialog;
class InterfaceHelpDialog;
class ExampleDialog;
namespace soyka::ui {
class BoardAreaButton;
}

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  MainWindow(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // The windows this one opens; they are created after it, so they are attached afterwards.
  void attachViews(MemoryWindow* memory, RegistersWindow* registers, DisplayWindow* display);
  void attachDialogs(AboutAuthorDialog* author, AboutProgramDialog* program, ThanksDialog* thanks,
                     InterfaceHelpDialog* help, ExampleDialog* example);

  // The board, from bottom to top.
  QLabel* board_;
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
  bool focusNextPrevChild(bool next) override;

private:
  void buildBoard(QWidget* surface);
  void buildMenus();
  void buildKeyboardAccess();

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  MemoryWindow* memoryWindow_ = nullptr;
  AboutAuthorDialog* aboutAuthor_ = nullptr;
  AboutProgramDialog* aboutProgram_ = nullptr;
  ThanksDialog* thanks_ = nullptr;
  InterfaceHelpDialog* interfaceHelp_ = nullptr;
  ExampleDialog* example_ = nullptr;
  bool centred_ = false;
};
