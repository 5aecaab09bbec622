#pragma once
// What must hold after every learner action, whatever the learner did: every word is made of
// bits, every view built so far (so every view on screen) shows the machine as it is, the panel
// shows the run state, no window is gone, and only the main window's closing ends the program. The
// checks build no window. Each check describes what it found broken, for a person to read; empty
// means all held.

#include "ProgramWindows.h"

#include <QString>

namespace soyka::monkey {

// The program's one window of this class if it has been built; builds none.
template <typename Window> Window* BuiltWindow(ui::ProgramWindows& windows) {
  for (QWidget* window : windows.builtWindows()) {
    if (auto* found = qobject_cast<Window*>(window)) {
      return found;
    }
  }
  return nullptr;
}

// A run that waits for an answer (state.Cycle.Waiting) has its pause or error box on screen.
// `strictInput` also asks that memory input end the moment the memory window stops being the
// active window.
QString BrokenInvariant(const MachineState& state, ui::ProgramWindows& windows,
                        bool strictInput = false);

// What must hold while `modal` is the window the learner has to answer.
QString BrokenModalInvariant(const MachineState& state, ui::ProgramWindows& windows,
                             const QWidget* modal);

// The machine's error box (the only box with the error icon).
bool IsErrorBox(const QWidget* modal);

} // namespace soyka::monkey
