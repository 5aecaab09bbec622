#pragma once
// View operations for the window tests: the pause window's operations reach a real PauseWindow,
// the machine-error box is a real modal box, and every call is also logged, to be checked and
// counted.

#include "MessageBoxes.h"
#include "PauseWindow.h"
#include "TraceViews.h"

#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Holds the log, so that it exists before the recorder that writes into it.
struct CallLog {
  std::ostringstream log;
};

class PauseTestViews : private CallLog, public TraceViews {
public:
  PauseTestViews(MachineState& state, PauseWindow& pauseWindow)
      : TraceViews(state, CallLog::log), pauseWindow_(pauseWindow) {}

  void SetExecutedAddress(const std::string& text) override {
    TraceViews::SetExecutedAddress(text);
    pauseWindow_.SetExecutedAddress(text);
  }
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3) override {
    TraceViews::SetTactComment(tact, line1, line2, line3);
    pauseWindow_.SetTactComment(tact, line1, line2, line3);
  }
  void PauseForTact() override {
    CallLog::log << "PauseForTact\n";
    pauseWindow_.PauseForTact();
  }
  void EnableInfoContinue() override {
    TraceViews::EnableInfoContinue();
    pauseWindow_.EnableInfoContinue();
  }
  void SetInfoCommentsVisible(bool visible) override {
    TraceViews::SetInfoCommentsVisible(visible);
    pauseWindow_.SetInfoCommentsVisible(visible);
  }
  void CloseInfoWindow() override {
    TraceViews::CloseInfoWindow();
    pauseWindow_.CloseInfoWindow();
  }
  void ShowErrorBox(const std::string& text) override {
    TraceViews::ShowErrorBox(text);
    ui::showErrorMessage(nullptr, text);
  }

  std::vector<std::string> Lines() const { return TraceLines(CallLog::log.str()); }

  // Logged calls of one operation (lines that begin with its name).
  std::vector<std::string> Calls(const std::string& operation) const {
    std::vector<std::string> lines = Lines();
    std::erase_if(lines, [&](const std::string& line) {
      return line.compare(0, operation.size(), operation) != 0;
    });
    return lines;
  }

  int Count(const std::string& operation) const {
    return static_cast<int>(Calls(operation).size());
  }

  void ClearLog() { CallLog::log.str(""); }

private:
  PauseWindow& pauseWindow_;
};

} // namespace soyka::testing
