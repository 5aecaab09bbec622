#pragma once
// The pause window: the modal pause of a run, with the executed address, the tact, the commentary
// and any machine error. It opens and returns at once; the learner's answer comes as `answered`.

#include "Machine.h"
#include "ProgramDialog.h"
#include "ViewOperations.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <optional>
#include <string>

class PauseWindow : public soyka::ui::ProgramDialog {
  Q_OBJECT
public:
  // Modal results of the pause.
  static constexpr int ResultContinue = 1;
  static constexpr int ResultStop = 3;
  static constexpr int ResultBack = 4;

  explicit PauseWindow(soyka::MachineState& state, QWidget* parent = nullptr);

  // View operations answered by this window.
  void SetExecutedAddress(const std::string& text);
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3);
  std::optional<soyka::PauseAnswer> PauseForTact();
  void EnableInfoContinue();
  void SetInfoCommentsVisible(bool visible);
  void CloseInfoWindow();

  QFrame* commandPanel_;
  QLabel* commandCaption_;
  QLabel* addressLabel_;
  QFrame* tactPanel_;
  QLabel* tactCaption_;
  QLabel* tactLabel_;
  QFrame* errorPanel_;
  QLabel* errorCaption_;
  QLabel* errorLabel_;
  QFrame* commentsPanel_;
  QLabel* commentsCaption_;
  std::array<QLabel*, 3> commentLines_;
  QPushButton* continueButton_;
  QPushButton* stopButton_;
  QPushButton* helpButton_;
  QPushButton* backButton_;

signals:
  // Дальше is Continue, Назад Back; every other way the pause ends is Stop.
  void answered(soyka::PauseAnswer answer);

public slots:
  void onHelpClicked();

protected:
  QPoint place() const override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void createPanels();
  void createButtons();
  // What a screen reader says when the pause shows: address, tact, error and commentary, as
  // far as they are on screen, in reading order.
  QString spokenText() const;

  soyka::MachineState& state_;
};
