// Feeds the engine and the run loop any memory image, run mode and pause answers, and checks
// after every view call that the machine stays sound: bits are bits, the counter agrees with its
// bits, every number handed to a view is in range, modal waits are entered halted, a nested timer
// tick never runs a command, and a tick ends the run exactly when it should.
//
// Input: byte 0 picks the mode; 16 bytes give the eight cells (two bytes each, 12 bits used);
// every later bit answers one pause (1 = СТОП); when they run out, pauses are answered Дальше.

#include "InstructionCycle.h"
#include "Machine.h"
#include "RunLoop.h"
#include "ViewOperations.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int CommandLimit = 400;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

void Check(bool holds, const char* what) {
  if (!holds) {
    Fail(what);
  }
}

bool InCell(int n) {
  return n >= 0 && n < soyka::CellCount;
}

class CheckingViews : public soyka::ViewOperations {
public:
  CheckingViews(soyka::MachineState& state, const std::uint8_t* answers, std::size_t size)
      : s_(state), answers_(answers), answerBits_(size * 8) {}

  void CheckState() const {
    auto bitsOk = [](const auto& row) {
      for (std::uint8_t b : row.bits) {
        if (b > 1) {
          return false;
        }
      }
      return true;
    };
    for (const soyka::Word12& cell : s_.Memory) {
      Check(bitsOk(cell), "memory bit is 0 or 1");
    }
    Check(bitsOk(s_.CommandRegister) && bitsOk(s_.Accumulator) && bitsOk(s_.CounterBits),
          "register bit is 0 or 1");
    Check(InCell(s_.Counter) && InCell(s_.PreviousCounter), "counter in 0..7");
    Check(s_.Counter == s_.CounterBits[1] + 2 * s_.CounterBits[2] + 4 * s_.CounterBits[3],
          "counter equals its bits");
    Check(InCell(s_.TargetCell) && InCell(s_.A1) && InCell(s_.A2) && InCell(s_.A3) &&
              s_.Opcode >= 0 && s_.Opcode < 8,
          "fields in range");
    Check(s_.FirstOperand >= 0 && s_.FirstOperand < soyka::WordLimit, "first operand is a word");
  }

  // A timer tick delivered during a modal wait must find the machine halted.
  void NestedTick() {
    Check(s_.Halted, "halted during a modal wait");
    Check(soyka::RunTick(s_, *this) == soyka::TickOutcome::Idle, "nested tick ran nothing");
  }

  void AfterStop() const { Check(!stopped_, "nothing of the command follows a stop"); }

  void RefreshMemoryView() override {
    CheckState();
    // A store writes the result cell and nothing else.
    for (int cell = 0; cell < soyka::CellCount; ++cell) {
      const auto i = static_cast<std::size_t>(cell);
      Check(cell == s_.TargetCell || s_.Memory[i] == snapshot_[i], "only the result cell changes");
    }
    snapshot_ = s_.Memory;
  }
  void MoveCellMarker(int from, int to) override {
    AfterStop();
    Check(InCell(from) && InCell(to), "marker cells in range");
    Check(snapshot_ == s_.Memory, "memory changes only by stores");
    CheckState();
  }
  void ShowCellMarker(int cell) override { Check(InCell(cell), "shown marker in range"); }
  void HideCellMarker(int cell) override { Check(InCell(cell), "hidden marker in range"); }
  void RefreshCommandRegisterView() override { CheckState(); }
  void RefreshAccumulatorView() override { CheckState(); }
  void RefreshCounterView() override { CheckState(); }
  void ClearDisplay() override {}
  void ShowDisplayRow(int row, int cell) override {
    AfterStop();
    Check(row >= 1 && row <= soyka::DisplayRowCount && InCell(cell), "display row and cell");
  }
  void SetExecutedAddress(const std::string& text) override {
    Check(text == soyka::AddressText(s_.Counter), "executed address is the counter's");
  }
  void SetTactComment(int tact, const std::string&, const std::string&,
                      const std::string&) override {
    AfterStop();
    Check(s_.RunMode == soyka::RunModeTact, "commentary only in tact mode");
    Check(tact >= 1 && tact <= 5, "tact in 1..5");
  }
  std::optional<soyka::PauseAnswer> PauseForTact() override {
    AfterStop();
    NestedTick();
    const bool error = !s_.ErrorMessage.empty();
    Check(s_.View.Pause.ContinueEnabled != error, "Дальше offered exactly when there is no error");
    bool stop = error;
    if (next_ < answerBits_) {
      stop = stop || ((answers_[next_ / 8] >> (next_ % 8)) & 1) != 0;
      ++next_;
    }
    stopped_ = stop;
    return stop ? soyka::PauseAnswer::Stop : soyka::PauseAnswer::Continue;
  }
  void EnableInfoContinue() override {}
  void SetInfoCommentsVisible(bool) override {}
  void CloseInfoWindow() override {}
  void DisablePanelStop() override { Check(s_.Halted, "error reported halted"); }
  bool ShowErrorBox(const std::string& text) override {
    Check(text == soyka::OverflowMessage || text == soyka::DivisionByZeroMessage, "error text");
    Check(s_.ErrorMessage == text, "error stored before the box");
    NestedTick();
    return true;
  }
  void SetInputLamps(bool on) override { Check(!on, "a run never enables input"); }
  void ShowWantedWindows() override { Fail("a run never shows windows"); }

  void BeginTick() {
    stopped_ = false;
    snapshot_ = s_.Memory;
  }

private:
  soyka::MachineState& s_;
  const std::uint8_t* answers_;
  std::size_t answerBits_;
  std::size_t next_ = 0;
  bool stopped_ = false;
  std::array<soyka::Word12, soyka::CellCount> snapshot_{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t ImageBytes = 1 + 2 * soyka::CellCount;
  if (size < ImageBytes) {
    return 0;
  }
  soyka::MachineState state;
  soyka::InitializeMachine(state);
  soyka::SelectRunMode(state, data[0] % 3);
  for (int cell = 0; cell < soyka::CellCount; ++cell) {
    const int value = (data[1 + 2 * cell] | (data[2 + 2 * cell] << 8)) & (soyka::WordLimit - 1);
    state.Memory[static_cast<std::size_t>(cell)] = soyka::WordFromValue(value);
  }
  CheckingViews views(state, data + ImageBytes, size - ImageBytes);
  soyka::StartRun(state, views);
  Check(!state.Halted && state.Counter == 0 && state.ErrorMessage.empty(), "run start");

  for (int command = 0; command < CommandLimit; ++command) {
    views.BeginTick();
    const soyka::TickOutcome outcome = soyka::RunTick(state, views);
    views.CheckState();
    Check(outcome != soyka::TickOutcome::Idle, "a running machine runs");
    const bool shouldEnd =
        !state.ErrorMessage.empty() || state.Opcode == soyka::OpcodeOutputAndStop;
    Check((outcome == soyka::TickOutcome::RunEnded) == shouldEnd, "the run ends when it should");
    Check(state.Halted == shouldEnd, "halted exactly when the run has ended");
    Check(state.ErrorMessage.empty() || state.ErrorMessage == soyka::AbortMessage,
          "every error ends in a stop");
    if (shouldEnd) {
      Check(soyka::RunTick(state, views) == soyka::TickOutcome::Idle, "an ended run stays idle");
      break;
    }
  }
  return 0;
}
