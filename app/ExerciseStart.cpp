#include "ExerciseStart.h"

#include "MemoryImage.h"
#include "MessageBoxes.h"
#include "ProgramWindows.h"
#include "StateEdits.h"

namespace soyka::app {

ExerciseStart::ExerciseStart(MachineState& state,
                             const std::optional<std::filesystem::path>& exercise) {
  if (!exercise) {
    return;
  }
  const ImageReading reading = ReadMemoryImageFile(*exercise);
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    problem_ =
        "Файл упражнения не загружен:\r" + exercise->string() + "\r\r" + RussianDescription(*error);
    return;
  }
  LoadProgram(state, std::get<MemoryImage>(reading));
  SetViewWanted(state, ViewWindow::Memory, true);
  loaded_ = true;
}

void ExerciseStart::Present(ui::ProgramWindows& windows) const {
  if (loaded_) {
    windows.dispatcher_.RefreshMemoryView();
    windows.dispatcher_.ShowWantedWindows();
  }
  if (problem_) {
    ui::showPlainMessage(&windows.mainWindow_, *problem_);
  }
}

} // namespace soyka::app
