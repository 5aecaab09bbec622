#include "TraceViews.h"

#include <sstream>

namespace soyka {
namespace {

std::string Quoted(const std::string& text) {
  return '"' + text + '"';
}

} // namespace

void TraceViews::RefreshMemoryView() {
  out_ << "RefreshMemoryView";
  for (const Word12& cell : state_.Memory) {
    out_ << ' ' << BitsText(cell);
  }
  out_ << '\n';
}

void TraceViews::MoveCellMarker(int from, int to) {
  out_ << "MoveCellMarker " << from << ' ' << to << '\n';
}

void TraceViews::ShowCellMarker(int cell) {
  out_ << "ShowCellMarker " << cell << '\n';
}

void TraceViews::HideCellMarker(int cell) {
  out_ << "HideCellMarker " << cell << '\n';
}

void TraceViews::RefreshCommandRegisterView() {
  out_ << "RefreshCommandRegisterView " << BitsText(state_.CommandRegister) << '\n';
}

void TraceViews::RefreshAccumulatorView() {
  out_ << "RefreshAccumulatorView " << BitsText(state_.Accumulator) << '\n';
}

void TraceViews::RefreshCounterView() {
  out_ << "RefreshCounterView " << BitsText(state_.CounterBits) << '\n';
}

void TraceViews::ClearDisplay() {
  out_ << "ClearDisplay\n";
}

void TraceViews::ShowDisplayRow(int row, int cell) {
  const Word12& word = state_.Memory[static_cast<std::size_t>(cell)];
  out_ << "ShowDisplayRow " << row << ' ' << cell << ' ' << BitsText(word) << ' ' << WordValue(word)
       << '\n';
}

void TraceViews::SetExecutedAddress(const std::string& text) {
  out_ << "SetExecutedAddress " << Quoted(text) << '\n';
}

void TraceViews::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                                const std::string& line3) {
  out_ << "SetTactComment " << tact << ' ' << Quoted(line1) << ' ' << Quoted(line2) << ' '
       << Quoted(line3) << '\n';
}

std::optional<PauseAnswer> TraceViews::PauseForTact() {
  const PauseView& pause = state_.View.Pause;
  const char letter = pauses_ < answers_.size() ? answers_[pauses_] : 'c';
  ++pauses_;
  PauseAnswer answer = PauseAnswer::Continue;
  if (pauses_ == stopAtPause_ || letter == 's') {
    answer = PauseAnswer::Stop;
  } else if (letter == 'b' && pause.BackEnabled) {
    answer = PauseAnswer::Back;
  }
  if (answer == PauseAnswer::Continue && !pause.ContinueEnabled) {
    answer = PauseAnswer::Stop;
  }
  static constexpr const char* Names[] = {"continue", "stop", "back"};
  out_ << "PauseForTact " << Names[static_cast<int>(answer)] << '\n';
  return answer;
}

void TraceViews::EnableInfoContinue() {
  out_ << "EnableInfoContinue\n";
}

void TraceViews::SetInfoCommentsVisible(bool visible) {
  out_ << "SetInfoCommentsVisible " << (visible ? 1 : 0) << '\n';
}

void TraceViews::CloseInfoWindow() {
  out_ << "CloseInfoWindow\n";
}

void TraceViews::DisablePanelStop() {
  out_ << "DisablePanelStop\n";
}

bool TraceViews::ShowErrorBox(const std::string& text) {
  out_ << "ShowErrorBox " << Quoted(text) << '\n';
  return true;
}

void TraceViews::SetInputLamps(bool on) {
  out_ << "SetInputLamps " << (on ? 1 : 0) << '\n';
}

void TraceViews::ShowWantedWindows() {
  out_ << "ShowWantedWindows\n";
}

std::vector<std::string> TraceLines(const std::string& trace) {
  std::vector<std::string> lines;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

std::string TraceOperation(const std::string& line) {
  return line.substr(0, line.find(' '));
}

void PrintMachineState(std::ostream& out, const MachineState& state, std::uint64_t commands) {
  out << "Memory";
  for (const Word12& cell : state.Memory) {
    out << ' ' << BitsText(cell);
  }
  out << "\nCommandRegister " << BitsText(state.CommandRegister) << "\nAccumulator "
      << BitsText(state.Accumulator) << "\nCounter " << state.Counter << "\nCounterBits "
      << BitsText(state.CounterBits) << "\nPreviousCounter " << state.PreviousCounter
      << "\nRunMode " << state.RunMode << "\nHalted " << (state.Halted ? 1 : 0) << "\nConditionMet "
      << (state.ConditionMet ? 1 : 0) << "\nErrorMessage " << Quoted(state.ErrorMessage)
      << "\nTargetCell " << state.TargetCell << "\nOpcode " << state.Opcode << "\nA1 " << state.A1
      << "\nFirstOperand " << state.FirstOperand << "\nA2 " << state.A2 << "\nA3 " << state.A3
      << "\nSecondOperand " << state.SecondOperand << "\nCommands " << commands << '\n';
}

} // namespace soyka
