#pragma once
// Starting with an exercise file: its program is in memory before the first window shows, and
// once the windows exist the memory window shows it, as after loading the example. A file that
// cannot be used leaves the memory all zeros and is reported in one plain message box.

#include "Exercise.h"
#include "Machine.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace soyka::ui {
class ProgramWindows;
}

namespace soyka::app {

class ExerciseStart {
public:
  // Runs before any window exists.
  ExerciseStart(MachineState& state, const std::optional<std::filesystem::path>& exercise);

  // Runs once the windows are created and the main window shown; returns when the learner has
  // closed the message about a bad file.
  void Present(ui::ProgramWindows& windows) const;

private:
  QString file_;
  // The file's text and checks, which the program keeps as the open exercise's.
  std::optional<ExerciseText> loaded_;
  // The message about a file that could not be used.
  std::optional<std::string> problem_;
};

} // namespace soyka::app
