#pragma once
// The control panel: run mode, ПУСК, СТОП, ВВОД, the lamps, and the timer that drives a run.

#include "Lamp.h"
#include "Machine.h"
#include "RunLoop.h"
#include "ViewOperations.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <array>

class ControlPanel : public QWidget {
  Q_OBJECT
public:
  ControlPanel(soyka::MachineState& state, soyka::ViewOperations& views, QWidget* parent = nullptr);

  // The panel's share of the view operations.
  void DisablePanelStop();
  void setInputLamp(bool on);
  // Green for a 1 bit, grey for a 0 bit.
  void setCounterLamps(const soyka::CounterBits3& bits);

  // Lets tests run the loop faster than the learner's 500 ms.
  void setTickInterval(int milliseconds);

  // Controls in declaration order.
  QPushButton* inputButton_;
  QPushButton* stopButton_;
  QPushButton* startButton_;
  QGroupBox* modeSelector_;
  QButtonGroup* modeButtons_;
  QTimer* tickTimer_;
  soyka::ui::Lamp* runLamp_;
  QLabel* runLampCaption_;
  soyka::ui::Lamp* inputLamp_;
  QLabel* inputLampCaption_;
  // counterLamps_[k - 1] shows counter bit k, so counterLamps_[0] is the rightmost lamp.
  std::array<soyka::ui::Lamp*, soyka::CounterBitCount> counterLamps_;
  QLabel* counterCaption_;

public slots:
  void onModeChosen();
  void onStartClicked();
  void onStopClicked();
  void onInputClicked();
  void onTick();
  // The answer to the pause or error box that a tick left waiting.
  void onPauseAnswered(soyka::PauseAnswer answer);

protected:
  // The panel stays on screen until the program ends: every request to close it is refused.
  void closeEvent(QCloseEvent* event) override;

private:
  void createButtons();
  void createSelector();
  void createLamps();
  // The panel goes back to the learner when the run has ended.
  void follow(soyka::TickOutcome outcome);
  void showIdle();

  soyka::MachineState& state_;
  soyka::ViewOperations& views_;
};
