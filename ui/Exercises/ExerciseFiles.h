#pragma once
// The file side of the exercise commands: where the shipped exercises lie, the toolkit's file
// dialogs for exercise files, and a save that replaces a file whole or not at all.

#include <QString>
#include <optional>

class QWidget;

namespace soyka::ui {

// The folder of the exercises installed beside the program, else the system's, else the home
// folder.
QString shippedExercisesFolder();

// The file chosen, or nothing when the learner cancelled.
std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& folder);
std::optional<QString> chooseFileToSave(QWidget* parent, const QString& suggested);

// Writes bytes atomically: the old file stays as it was unless the new one is complete. Gives
// why it could not, in a sentence, or nothing on success.
std::optional<std::string> writeWhole(const QString& file, const std::string& bytes);

} // namespace soyka::ui
