#include "ExerciseFiles.h"

#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace soyka::ui {
namespace {

const QString SystemExercisesFolder = QStringLiteral("/usr/share/soyka/exercises");

QString exerciseFilter() {
  return QStringLiteral("Упражнения «Сойки» (*.soyka)");
}

std::optional<QString> runDialog(QFileDialog& dialog) {
  // The toolkit's own dialog, in the program's Russian, whatever the desktop offers.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilter(exerciseFilter());
  keepAboveControlPanel(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst();
}

} // namespace

QString shippedExercisesFolder() {
  // Installed, the program is PREFIX/bin/Soyka and the exercises PREFIX/share/soyka/exercises.
  const QString beside =
      QDir(QCoreApplication::applicationDirPath()).filePath("../share/soyka/exercises");
  // A dialog started in a folder that is not there would take its name for a file's.
  for (const QString& folder : {beside, SystemExercisesFolder}) {
    if (QFileInfo(folder).isDir()) {
      return QDir::cleanPath(folder);
    }
  }
  return QDir::homePath();
}

std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Открыть упражнение"), folder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return runDialog(dialog);
}

std::optional<QString> chooseFileToSave(QWidget* parent, const QString& suggested) {
  QFileDialog dialog(parent, QStringLiteral("Сохранить программу как"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("soyka"));
  dialog.selectFile(suggested);
  return runDialog(dialog);
}

std::optional<std::string> writeWhole(const QString& file, const std::string& bytes) {
  const QFileInfo info(file);
  if (!info.absoluteDir().exists()) {
    return "Такой папки нет.";
  }
  if (info.exists() && !info.isFile()) {
    return info.isDir() ? "Это папка, а не файл." : "Это не обычный файл.";
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) {
    if (info.exists() && !info.isWritable()) {
      return "Файл только для чтения.";
    }
    return "Нет права записывать в эту папку.";
  }
  if (out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !out.commit()) {
    return "Файл не удалось записать до конца: возможно, диск заполнен. Старый файл не изменён.";
  }
  return std::nullopt;
}

} // namespace soyka::ui
