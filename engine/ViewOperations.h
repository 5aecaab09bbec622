#pragma once
// Everything the engine and the run loop ask of the windows. Each window implements its share;
// a test or a console runner may implement all of it without any window.

#include <optional>
#include <string>

namespace soyka {

// The learner's answer to a pause: Дальше, СТОП or Назад.
enum class PauseAnswer { Continue, Stop, Back };

class ViewOperations {
public:
  virtual ~ViewOperations() = default;

  virtual void RefreshMemoryView() = 0;
  virtual void MoveCellMarker(int from, int to) = 0;
  virtual void ShowCellMarker(int cell) = 0;
  virtual void HideCellMarker(int cell) = 0;

  virtual void RefreshCommandRegisterView() = 0;
  virtual void RefreshAccumulatorView() = 0;
  virtual void RefreshCounterView() = 0;
  virtual void ClearDisplay() = 0;
  virtual void ShowDisplayRow(int row, int cell) = 0;

  virtual void SetExecutedAddress(const std::string& text) = 0;
  virtual void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                              const std::string& line3) = 0;
  // Shows the pause that the state's View.Pause describes. A view that knows the learner's answer
  // at once returns it; the windows return none and hand it to AnswerPause when it comes.
  virtual std::optional<PauseAnswer> PauseForTact() = 0;
  virtual void EnableInfoContinue() = 0;
  virtual void SetInfoCommentsVisible(bool visible) = 0;
  virtual void CloseInfoWindow() = 0;

  virtual void DisablePanelStop() = 0;
  // True when the box is closed at once; the windows return false and hand its closing to
  // AnswerPause.
  virtual bool ShowErrorBox(const std::string& text) = 0;
  virtual void SetInputLamps(bool on) = 0;
  virtual void ShowWantedWindows() = 0;
};

} // namespace soyka
