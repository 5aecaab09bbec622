#pragma once
// View operations that print each call as one line instead of drawing it, answering every pause
// and error box at once. The console runner and the engine's tests both read these lines.

#include "Machine.h"
#include "ViewOperations.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace soyka {

class TraceViews : public ViewOperations {
public:
  // stopAtPause: the pause (counted from 1) answered with СТОП; 0 answers every pause with Дальше.
  // answers: one letter a pause, in order, c Дальше, s СТОП, b Назад; the pauses after them are
  // answered with Дальше. A button that the pause does not offer is not pressed: its Дальше is
  // taken instead, or СТОП where Дальше is disabled.
  TraceViews(MachineState& state, std::ostream& out, std::uint64_t stopAtPause = 0,
             std::string answers = {})
      : state_(state), out_(out), stopAtPause_(stopAtPause), answers_(std::move(answers)) {}

  std::uint64_t PauseCount() const { return pauses_; }

  void RefreshMemoryView() override;
  void MoveCellMarker(int from, int to) override;
  void ShowCellMarker(int cell) override;
  void HideCellMarker(int cell) override;
  void RefreshCommandRegisterView() override;
  void RefreshAccumulatorView() override;
  void RefreshCounterView() override;
  void ClearDisplay() override;
  void ShowDisplayRow(int row, int cell) override;
  void SetExecutedAddress(const std::string& text) override;
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3) override;
  std::optional<PauseAnswer> PauseForTact() override;
  void EnableInfoContinue() override;
  void SetInfoCommentsVisible(bool visible) override;
  void CloseInfoWindow() override;
  void DisablePanelStop() override;
  bool ShowErrorBox(const std::string& text) override;
  void SetInputLamps(bool on) override;
  void ShowWantedWindows() override;

private:
  MachineState& state_;
  std::ostream& out_;
  std::uint64_t stopAtPause_;
  std::string answers_;
  std::uint64_t pauses_ = 0;
};

// A trace split into its lines, one view call or state field each.
std::vector<std::string> TraceLines(const std::string& trace);
// The operation a trace line records: its first word.
std::string TraceOperation(const std::string& line);

// The whole state, one field a line, in the record's order.
void PrintMachineState(std::ostream& out, const MachineState& state, std::uint64_t commands);

} // namespace soyka
