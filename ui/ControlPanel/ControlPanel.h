#pragma once
// The control panel: run mode, ПУСК, СТОП, ВВОД, the lamps, and the timer that drives a run.

#include "Lamp.h"
#include "Machine.h"
#include "ViewOperations.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

class TPult : public QWidget {
  Q_OBJECT
public:
  TPult(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // The panel's share of the view operations.
  void DisablePanelStop();
  void SetInputLamp(bool on);
  // p0, p1, p2 (in that order) green for a 1 bit, grey for a 0 bit.
  void SetCounterLamps(const soyka::CounterBits3& bits);

  // Lets tests run the loop faster than the learner's 500 ms.
  void SetTimerInterval(int milliseconds);

  // Controls in declaration order.
  QPushButton* BitBtn3;
  QPushButton* BitBtn2;
  QPushButton* BitBtn1;
  QGroupBox* RadioGroup1;
  QButtonGroup* RadioGroup1Items;
  QTimer* Timer1;
  soyka::ui::Lamp* Work_ind;
  QLabel* Label1;
  soyka::ui::Lamp* input_ind;
  QLabel* Label2;
  soyka::ui::Lamp* p2;
  soyka::ui::Lamp* p1;
  soyka::ui::Lamp* p0;
  QLabel* Label3;

public slots:
  void RadioGroup1Click();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Timer1Timer();

protected:
  // The panel stays on screen until the program ends: every request to close it is refused.
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateButtons();
  void CreateSelector();
  void CreateLamps();
  // The end of a run: the panel goes back to the learner.
  void ShowIdle();

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
};
