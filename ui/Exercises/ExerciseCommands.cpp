#include "ExerciseCommands.h"

#include "CheckRun.h"
#include "ExerciseFiles.h"
#include "MessageBoxes.h"
#include "StateEdits.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace soyka::ui {
namespace {

std::string shownPath(const QString& file) {
  return QDir::toNativeSeparators(file).toStdString();
}

std::string checkResultText(const CheckSummary& summary) {
  const std::string counted =
      std::to_string(summary.passed) + " из " + std::to_string(summary.total) + ".";
  if (summary.firstFailure.empty()) {
    return "Все проверки пройдены: " + counted;
  }
  // The engine words a failure for a line of the teacher's table; here it begins a sentence.
  const std::string lower = "проверка";
  std::string failure = summary.firstFailure;
  if (failure.starts_with(lower)) {
    failure.replace(0, lower.size(), "Проверка");
  }
  return "Пройдено проверок: " + counted + "\r" + failure + ".";
}

} // namespace

std::string notLoadedText(const QString& file, const ImageError& error) {
  return "Файл упражнения не загружен:\r" + shownPath(file) + "\r\r" + RussianDescription(error);
}

ExerciseCommands::ExerciseCommands(MachineState& state, ViewOperations& views, QWidget& window)
    : state_(state), views_(views), window_(window), lastFolder_(shippedExercisesFolder()) {
  openAction_ = addCommand(QStringLiteral("Открыть упражнение…"), QKeySequence::Open,
                           &ExerciseCommands::openExercise);
  saveAction_ = addCommand(QStringLiteral("Сохранить программу"), QKeySequence::Save,
                           &ExerciseCommands::onSaveChosen);
  saveAsAction_ =
      addCommand(QStringLiteral("Сохранить программу как…"),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &ExerciseCommands::onSaveAsChosen);
  checkAction_ = addCommand(QStringLiteral("Проверить программу"), QKeySequence(Qt::Key_F9),
                            &ExerciseCommands::checkProgram);
  checkAction_->setEnabled(false);
}

QAction* ExerciseCommands::addCommand(const QString& text, const QKeySequence& keys,
                                      void (ExerciseCommands::*command)()) {
  auto* action = new QAction(text, this);
  connect(action, &QAction::triggered, this, [this, command] {
    // Within a pause or a message the learner answers that first.
    if (!QApplication::activeModalWidget()) {
      (this->*command)();
    }
  });
  action->setShortcut(keys);
  // Added to the window, the shortcut works while any window of the program is active.
  action->setShortcutContext(Qt::ApplicationShortcut);
  window_.addAction(action);
  return action;
}

void ExerciseCommands::appendTo(QMenu& menu) const {
  menu.addSeparator();
  menu.addActions({openAction_, saveAction_, saveAsAction_, checkAction_});
}

void ExerciseCommands::adopt(const QString& file, std::string text, Exercise exercise) {
  file_ = file;
  text_ = std::move(text);
  exercise_ = std::move(exercise);
  changed_ = false;
  lastFolder_ = QFileInfo(file).absolutePath();
  checkAction_->setEnabled(!exercise_.checks.empty());
}

void ExerciseCommands::openFile(const QString& file) {
  auto reading = ReadExerciseFileText(file.toStdString());
  if (const auto* error = std::get_if<ImageError>(&reading)) {
    showPlainMessage(&window_, notLoadedText(file, *error));
    views_.ShowWantedWindows();
    return;
  }
  ExerciseText& opened = std::get<ExerciseText>(reading);
  LoadProgram(state_, opened.exercise.memory);
  views_.RefreshMemoryView();
  SetViewWanted(state_, ViewWindow::Memory, true);
  adopt(file, std::move(opened.text), std::move(opened.exercise));
  views_.ShowWantedWindows();
}

bool ExerciseCommands::mayDiscardChanges() {
  if (!changed_) {
    return true;
  }
  const Answer answer =
      askYesNoCancel(&window_, "В памяти есть изменения, не сохранённые в файле\r" +
                                   shownPath(file_.value_or(QString())) + "\r\rСохранить их?");
  return answer == Answer::No || (answer == Answer::Yes && saveProgram());
}

void ExerciseCommands::onBitTyped() {
  changed_ = file_.has_value();
}

void ExerciseCommands::openExercise() {
  if (!mayDiscardChanges()) {
    return;
  }
  const std::optional<QString> file = chooseFileToOpen(&window_, lastFolder_);
  if (file) {
    openFile(*file);
  } else {
    views_.ShowWantedWindows();
  }
}

void ExerciseCommands::onSaveChosen() {
  saveProgram();
}

void ExerciseCommands::onSaveAsChosen() {
  saveProgramAs();
}

bool ExerciseCommands::saveProgram() {
  if (!file_) {
    return saveProgramAs();
  }
  return writeProgram(*file_, true);
}

bool ExerciseCommands::saveProgramAs() {
  const QString name = file_ ? QFileInfo(*file_).fileName() : QStringLiteral("программа.soyka");
  const std::optional<QString> file =
      chooseFileToSave(&window_, QDir(dialogFolder()).filePath(name));
  const bool saved = file && writeProgram(*file, false);
  views_.ShowWantedWindows();
  return saved;
}

QString ExerciseCommands::dialogFolder() const {
  // A shipped exercise lies where a learner may not write: the home folder takes its copy.
  const QFileInfo folder(file_ ? QFileInfo(*file_).absolutePath() : lastFolder_);
  return folder.isDir() && folder.isWritable() ? folder.absoluteFilePath() : QDir::homePath();
}

bool ExerciseCommands::writeProgram(const QString& file, bool offerSaveAs) {
  const std::string text = WithWords(text_, state_.Memory);
  if (const std::optional<std::string> problem = writeWhole(file, text)) {
    const std::string message =
        "Программа не сохранена в файл\r" + shownPath(file) + "\r\r" + *problem;
    if (!offerSaveAs) {
      showPlainMessage(&window_, message);
      return false;
    }
    if (askYesNo(&window_, message + "\r\rСохранить её в другой файл?")) {
      return saveProgramAs();
    }
    views_.ShowWantedWindows();
    return false;
  }
  file_ = file;
  text_ = text;
  changed_ = false;
  lastFolder_ = QFileInfo(file).absolutePath();
  return true;
}

void ExerciseCommands::checkProgram() {
  if (exercise_.checks.empty()) {
    return;
  }
  // The checks run on copies: the machine on screen is not touched.
  showPlainMessage(&window_, checkResultText(RunChecks(exercise_, state_.Memory)));
  views_.ShowWantedWindows();
}

} // namespace soyka::ui
