#include "ProgramDialog.h"

#include "Fonts.h"
#include "GlyphIcon.h"

#include <QGuiApplication>
#include <QScreen>

namespace soyka::ui {

ProgramDialog::ProgramDialog(const QString& caption, int clientWidth, int clientHeight,
                             TitleButtons buttons, QWidget* parent, Qt::WindowType kind)
    : QDialog(parent) {
  setUpFixedWindow(this, caption, clientWidth, clientHeight, buttons, true, kind);
  setFont(systemFont(13));
}

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

QPushButton* ProgramDialog::addOkButton(const QRect& geometry) {
  auto* button = new QPushButton(okGlyph(), QStringLiteral("OK"), this);
  button->setGeometry(geometry);
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, &QDialog::accept);
  return button;
}

QWidget* ProgramDialog::addPicture(PictureBox::Drawing drawing, const QString& name) {
  auto* picture = new PictureBox(std::move(drawing), this);
  picture->setGeometry(12, 12, 88, 88);
  picture->setAccessibleName(name);
  return picture;
}

} // namespace soyka::ui
