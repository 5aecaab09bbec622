#pragma once
// The main window: the board picture whose areas open the views, and the menus. Every action
// ends by bringing the wanted views back to the front (the view operation ShowWantedWindows).

#include "Machine.h"
#include "ViewOperations.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

class MemoryWindow;
class RegistersWindow;
class DisplayWindow;
class AboutAuthorDialog;
class AboutProgramDialog;
class ThanksDialog;
class InterfaceHelpDialog;
class ExampleDialog;

class TForm1 : public QMainWindow {
  Q_OBJECT
public:
  TForm1(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // The windows this one opens; they are created after it, so they are attached afterwards.
  void AttachViews(MemoryWindow* memory, RegistersWindow* registers, DisplayWindow* display);
  void AttachDialogs(AboutAuthorDialog* author, AboutProgramDialog* program, ThanksDialog* thanks,
                     InterfaceHelpDialog* help, ExampleDialog* example);

  // The board, from bottom to top.
  QLabel* MotherBoard;
  QWidget* pPentium;
  QWidget* pRAM;
  QWidget* RAM1;
  QWidget* RAM2;
  QWidget* RAM3;
  QLabel* Label1;
  QWidget* pDisp;
  QWidget* tv;
  QLabel* Label3;
  QWidget* Pentium;
  QLabel* Label2;

  // The menu bar, its submenus and the board's pop-up menu.
  QAction* N3;
  QAction* N7;
  QAction* N8;
  QAction* N9;
  QAction* N2;
  QAction* N4;
  QAction* N5;
  QAction* N6;
  QAction* N1;
  QMenu* PopupMenu1;
  QAction* N10;
  QAction* N11;

public slots:
  void RAM1DblClick();
  void PentiumDblClick();
  void tvDblClick();
  void FormClick();
  void N7Click();
  void N8Click();
  void N9Click();
  void N4Click();
  void N5Click();
  void N6Click();
  void N1Click();

protected:
  void showEvent(QShowEvent* event) override;

private:
  void BuildBoard(QWidget* surface);
  void BuildMenus();

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  MemoryWindow* memory_ = nullptr;
  AboutAuthorDialog* author_ = nullptr;
  AboutProgramDialog* program_ = nullptr;
  ThanksDialog* thanks_ = nullptr;
  InterfaceHelpDialog* help_ = nullptr;
  ExampleDialog* example_ = nullptr;
  bool centred_ = false;
};
