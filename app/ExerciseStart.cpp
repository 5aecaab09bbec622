#include "ExerciseStart.h"

#include "ExerciseCommands.h"
#include "MessageBoxes.h"
#include "ProgramWindows.h"
#include "StateEdits.h"

namespace soyka::app {

ExerciseStart::ExerciseStart(MachineState& state,
                             const std::optional<std::filesystem::path>& exercise) {
  if (!exercise) {
    return;
  }
  file_ = QString::fromStdString(exercise->string());
  auto reading = ReadExerciseFileText(*exercise);
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    problem_ = ui::notLoadedText(file_, *error);
    return;
  }
  loaded_ = std::move(std::get<ExerciseText>(reading));
  LoadProgram(state, loaded_->exercise.memory);
  SetViewWanted(state, ViewWindow::Memory, true);
}

void ExerciseStart::Present(ui::ProgramWindows& windows) const {
  if (loaded_) {
    windows.exercises_.adopt(file_, loaded_->text, loaded_->exercise);
    windows.dispatcher_.RefreshMemoryView();
    windows.dispatcher_.ShowWantedWindows();
  }
  if (problem_) {
    ui::showPlainMessage(&windows.mainWindow_, *problem_);
  }
}

} // namespace soyka::app
