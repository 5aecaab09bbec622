#include "ProgramDialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace soyka::ui {

void ProgramDialog::setVisible(bool visible) {
  // The first showing places the frame where it was moved to; every later one would place the
  // client where the window manager reported it on the last hiding, which icewm reports off by
  // the frame, so a dialog shown again and again would creep down by its title bar.
  if (visible) {
    move(place());
  }
  QDialog::setVisible(visible);
}

QPoint ProgramDialog::place() const {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  return screen.center() - QPoint(width() / 2, height() / 2);
}

} // namespace soyka::ui
