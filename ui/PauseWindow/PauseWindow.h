#pragma once
// The execution info window: the modal pause of a run, with the executed address, the tact,
// the commentary and any machine error.

#include "Machine.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <string>

class TInfo_win : public QDialog {
  Q_OBJECT
public:
  // Modal results of the pause.
  static constexpr int ResultContinue = 1;
  static constexpr int ResultStop = 3;

  explicit TInfo_win(soyka::MachineState& state, QWidget* parent = nullptr);

  // View operations answered by this window.
  void SetExecutedAddress(const std::string& text);
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3);
  void PauseForTact();
  void EnableInfoContinue();
  void SetInfoCommentsVisible(bool visible);
  void CloseInfoWindow();

  QFrame* Panel1;
  QLabel* Label1;
  QLabel* LabPCS;
  QFrame* Panel2;
  QLabel* Label2;
  QLabel* LabTakt;
  QFrame* Panel3;
  QLabel* Label3;
  QLabel* LabErrMess;
  QFrame* Panel4;
  QLabel* Label4;
  QLabel* LabCom1;
  QLabel* LabCom2;
  QLabel* LabCom3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* BitBtn3;

public slots:
  void BitBtn3Click();

private:
  void CreatePanels();
  void CreateButtons();

  soyka::MachineState& state_;
};
