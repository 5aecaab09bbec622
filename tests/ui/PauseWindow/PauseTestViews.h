#pragma once
// View operations for the window tests: the pause window's operations reach a real PauseWindow,
// the machine-error box is a real modal box, and every call is also logged, to be checked and
// counted. The answers to both go to `answerTo`, the panel or the test that stands in for it.

#include "MessageBoxes.h"
#include "PauseWindow.h"
#include "RecordingViews.h"

#include <QMessageBox>
#include <functional>
#include <string>

namespace soyka::testing {

class PauseTestViews : public RecordingViews {
public:
  PauseTestViews(MachineState& state, PauseWindow& pauseWindow)
      : RecordingViews(state), pauseWindow_(pauseWindow) {
    QObject::connect(&pauseWindow, &PauseWindow::answered, [this](PauseAnswer answer) {
      if (answerTo) {
        answerTo(answer);
      }
    });
  }

  std::function<void(PauseAnswer)> answerTo;

  void SetExecutedAddress(const std::string& text) override {
    RecordingViews::SetExecutedAddress(text);
    pauseWindow_.SetExecutedAddress(text);
  }
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3) override {
    RecordingViews::SetTactComment(tact, line1, line2, line3);
    pauseWindow_.SetTactComment(tact, line1, line2, line3);
  }
  // The learner, not the recorder, answers the pause.
  std::optional<PauseAnswer> PauseForTact() override {
    Log() << "PauseForTact\n";
    return pauseWindow_.PauseForTact();
  }
  void EnableInfoContinue() override {
    RecordingViews::EnableInfoContinue();
    pauseWindow_.EnableInfoContinue();
  }
  void SetInfoCommentsVisible(bool visible) override {
    RecordingViews::SetInfoCommentsVisible(visible);
    pauseWindow_.SetInfoCommentsVisible(visible);
  }
  void CloseInfoWindow() override {
    RecordingViews::CloseInfoWindow();
    pauseWindow_.CloseInfoWindow();
  }
  bool ShowErrorBox(const std::string& text) override {
    RecordingViews::ShowErrorBox(text);
    QObject::connect(ui::openErrorMessage(nullptr, text), &QDialog::finished, [this] {
      if (answerTo) {
        answerTo(PauseAnswer::Continue);
      }
    });
    return false;
  }

private:
  PauseWindow& pauseWindow_;
};

} // namespace soyka::testing
