#pragma once
// The main window: the board picture whose areas open the views, and the menus. Every action
// ends by bringing the wanted views back to the front (the view operation ShowWantedWindows).

#include "Main.h"
#include "ViewOperations.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>

class TSoyka_mem;
class TALU;
class Tdisp;
class TAbout_avtor;
class TAbout_prog;
class TThanks;
class TInter;
class Tprimer;

class TForm1 : public QMainWindow {
  Q_OBJECT
public:
  TForm1(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // The windows this one opens; they are created after it, so they are attached afterwards.
  void AttachViews(TSoyka_mem* memory, TALU* registers, Tdisp* display);
  void AttachDialogs(TAbout_avtor* author, TAbout_prog* program, TThanks* thanks, TInter* help,
                     Tprimer* example);

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

private:
  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
  TSoyka_mem* memory_ = nullptr;
  TALU* registers_ = nullptr;
  Tdisp* display_ = nullptr;
  TAbout_avtor* author_ = nullptr;
  TAbout_prog* program_ = nullptr;
  TThanks* thanks_ = nullptr;
  TInter* help_ = nullptr;
  Tprimer* example_ = nullptr;
};
