#pragma once
// A file dropped on any window of the program is opened: every window accepts drops of one local
// file, and the drop is handed on once the drag has ended.

#include <QObject>
#include <functional>

namespace soyka::ui {

class FileDrops : public QObject {
  Q_OBJECT
public:
  // Watches every window of the application from now on.
  explicit FileDrops(std::function<void(const QString& file)> open);

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void(const QString& file)> open_;
};

} // namespace soyka::ui
