#pragma once
// Opening, saving and checking exercise files inside the program: the four commands, with their
// shortcuts in every window of the program, and what it keeps of the file it has open (the text,
// for a save to keep its header, checks and comments; the checks; whether bits were typed since).

#include "Exercise.h"
#include "Machine.h"
#include "ViewOperations.h"

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>
#include <optional>

class QWidget;

namespace soyka::ui {

class ExerciseCommands : public QObject {
  Q_OBJECT
public:
  // window: the one whose shortcuts work in every window, and the parent of the commands'
  // dialogs and messages.
  ExerciseCommands(MachineState& state, ViewOperations& views, QWidget& window);

  // The four commands after a separator at the end of a pop-up menu.
  void appendTo(QMenu& menu) const;
  // Takes a file already read into memory (the one the program started with) as the open one.
  void adopt(const QString& file, std::string text, Exercise exercise);
  // Replaces the memory with the file's program, as the example's load does, and reports a file
  // that cannot be used in one message, changing nothing.
  void openFile(const QString& file);
  // Asks whether to save changes typed since the last open or save, when there are any; false
  // when the learner chose «Отмена» or the save did not succeed.
  bool mayDiscardChanges();

  QAction* openAction_;
  QAction* saveAction_;
  QAction* saveAsAction_;
  QAction* checkAction_;

  // Each returns whether the program was written.
  bool saveProgram();
  bool saveProgramAs();

public slots:
  void openExercise();
  void checkProgram();
  void onSaveChosen();
  void onSaveAsChosen();
  void onBitTyped();

private:
  // A command that does nothing while a modal window waits for the learner.
  QAction* addCommand(const QString& text, const QKeySequence& keys,
                      void (ExerciseCommands::*command)());
  // Writes the open text with the memory's words; on failure tells why in one message.
  bool writeProgram(const QString& file, bool offerSaveAs);
  QString dialogFolder() const;

  MachineState& state_;
  ViewOperations& views_;
  QWidget& window_;
  std::optional<QString> file_;
  std::string text_;
  Exercise exercise_;
  bool changed_ = false;
  // Where the last dialog was left; the shipped exercises' folder before the first.
  QString lastFolder_;
};

// The message about a file that could not be used.
std::string notLoadedText(const QString& file, const ImageError& error);

} // namespace soyka::ui
