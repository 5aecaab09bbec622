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
  ++pauses_;
  // A pause whose Дальше is disabled can only be stopped.
  const bool stop = pauses_ == stopAtPause_ || !state_.View.Pause.ContinueEnabled;
  out_ << "PauseForTact " << (stop ? "stop" : "continue") << '\n';
  return stop ? PauseAnswer::Stop : PauseAnswer::Continue;
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
