#include "FileDrops.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace soyka::ui {
namespace {

// The one local file a drag carries, or an empty text.
QString droppedFile(const QDropEvent& drop) {
  const QList<QUrl> urls = drop.mimeData()->urls();
  return urls.size() == 1 && urls.constFirst().isLocalFile() ? urls.constFirst().toLocalFile()
                                                             : QString();
}

} // namespace

FileDrops::FileDrops(std::function<void(const QString& file)> open) : open_(std::move(open)) {
  qApp->installEventFilter(this);
}

bool FileDrops::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
  case QEvent::Show:
    if (auto* window = qobject_cast<QWidget*>(watched); window && window->isWindow() &&
                                                        window->windowType() != Qt::Popup &&
                                                        window->windowType() != Qt::ToolTip) {
      window->setAcceptDrops(true);
    }
    return false;
  case QEvent::DragEnter:
  case QEvent::DragMove: {
    auto& drag = static_cast<QDragMoveEvent&>(*event);
    // A modal window waiting for the learner takes no file.
    if (droppedFile(drag).isEmpty() || QApplication::activeModalWidget()) {
      return false;
    }
    drag.acceptProposedAction();
    return true;
  }
  case QEvent::Drop: {
    auto& drop = static_cast<QDropEvent&>(*event);
    const QString file = droppedFile(drop);
    if (file.isEmpty() || QApplication::activeModalWidget()) {
      return false;
    }
    drop.acceptProposedAction();
    // The drag's source waits for the drop to end; the questions and messages come after.
    QTimer::singleShot(0, this, [this, file] { open_(file); });
    return true;
  }
  default:
    return false;
  }
}

} // namespace soyka::ui
