#include "FixedWindow.h"

namespace soyka::ui {

void setUpFixedWindow(QWidget* window, const QString& caption, int clientWidth, int clientHeight,
                      TitleButtons buttons, bool stayOnTop, Qt::WindowType kind) {
  Qt::WindowFlags flags = kind | Qt::MSWindowsFixedSizeDialogHint;
  if (buttons != TitleButtons::Standard) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  }
  if (buttons == TitleButtons::CloseOnly) {
    flags |= Qt::WindowCloseButtonHint;
  }
  if (stayOnTop) {
    flags |= Qt::WindowStaysOnTopHint;
  }
  window->setWindowFlags(flags);
  window->setWindowTitle(caption);
  window->setFixedSize(clientWidth, clientHeight);
  window->setAttribute(Qt::WA_QuitOnClose, false);
}

} // namespace soyka::ui
