#pragma once
// Where a run stands between two tacts: the part of the command that comes next and the wait, if
// any, for the learner's answer. Held in the state, so a run can be copied at any pause and
// carried on from the copy.

namespace soyka {

enum class CycleStep {
  Fetch,       // tact 1
  Advance,     // tact 2: the counter moves on
  LoadOperand, // decode, then tact 3 (or the first display row of an output)
  Store,       // tact 4 of a copy
  Compute,     // tact 4 of an arithmetic command, or its error
  Result,      // tact 5 of an arithmetic command
  Compare,     // tact 4 of a conditional jump
  Jump,        // tact 5 of a conditional jump
  OutputRow2,  // tact 4 of the output
  OutputRow3,  // tact 5 of the output
  OutputDone,
  CommandEnd, // the memory redrawn, then the pause of Step mode or of an error
  TickEnd,    // the run goes on or ends
};

enum class Wait {
  None,
  TactPause,    // after a tact in Tact mode
  ErrorBox,     // the machine-error box
  CommandPause, // after a command in Step mode, or after an error
};

struct CycleProgress {
  CycleStep Next = CycleStep::Fetch;
  Wait Waiting = Wait::None;
  bool operator==(const CycleProgress&) const = default;
};

} // namespace soyka
