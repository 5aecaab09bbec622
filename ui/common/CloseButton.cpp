#include "CloseButton.h"

#include <QPainter>
#include <QPixmap>

namespace soyka::ui {
namespace {

QIcon crossIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(192, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(3, 3, 12, 12);
  painter.drawLine(12, 3, 3, 12);
  return QIcon(pixmap);
}

} // namespace

CloseButton::CloseButton(QWidget* parent) : QPushButton(QStringLiteral(" "), parent) {
  setGeometry(8, 0, 25, 25);
  setIcon(crossIcon());
  setIconSize(QSize(14, 14));
  setToolTip(QStringLiteral("Закрыть"));
  setAccessibleName(QStringLiteral("Закрыть"));
}

} // namespace soyka::ui
