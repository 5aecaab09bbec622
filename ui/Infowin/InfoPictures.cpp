#include "InfoPictures.h"

#include "Palette.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace soyka::ui {
namespace {

constexpr int StyleIconSpacing = 4;

QPolygonF Arrow(QPointF offset) {
  return QPolygonF({QPointF(1, 6), QPointF(8, 6), QPointF(8, 2), QPointF(15, 8), QPointF(8, 14),
                    QPointF(8, 10), QPointF(1, 10)})
      .translated(offset);
}

QPixmap Canvas(int width) {
  QPixmap pixmap(width, InfoPictureSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap EnabledImage() {
  QPixmap pixmap = Canvas(InfoPictureSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 64, 0), 1));
  painter.setBrush(LampGreen);
  painter.drawPolygon(Arrow(QPointF(0, 0)));
  return pixmap;
}

// The classic disabled look: a grey shape over its white shadow.
QPixmap DisabledImage() {
  QPixmap pixmap = Canvas(InfoPictureSize);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(Arrow(QPointF(1, 1)));
  painter.setBrush(LampGrey);
  painter.drawPolygon(Arrow(QPointF(0, 0)));
  return pixmap;
}

QPixmap Padded(const QPixmap& image, int gap) {
  QPixmap pixmap = Canvas(InfoPictureSize + gap);
  QPainter painter(&pixmap);
  painter.drawPixmap(0, 0, image);
  return pixmap;
}

} // namespace

QIcon ContinuePicture() {
  QIcon icon;
  icon.addPixmap(EnabledImage(), QIcon::Normal);
  icon.addPixmap(DisabledImage(), QIcon::Disabled);
  return icon;
}

QSize WithGapAfterSize(int gap) {
  return QSize(InfoPictureSize + gap - StyleIconSpacing, InfoPictureSize);
}

QIcon WithGapAfter(const QIcon& icon, int gap) {
  const int padding = gap - StyleIconSpacing;
  const QSize size(InfoPictureSize, InfoPictureSize);
  QIcon padded;
  padded.addPixmap(Padded(icon.pixmap(size, QIcon::Normal), padding), QIcon::Normal);
  padded.addPixmap(Padded(icon.pixmap(size, QIcon::Disabled), padding), QIcon::Disabled);
  return padded;
}

} // namespace soyka::ui
