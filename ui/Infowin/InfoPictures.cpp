#include "InfoPictures.h"

#include <QPainter>
#include <QPixmap>

namespace soyka::ui {
namespace {

constexpr int StyleIconSpacing = 4;

QPixmap Canvas(int width) {
  QPixmap pixmap(width, InfoPictureSize);
  pixmap.fill(Qt::transparent);
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
  return GreenGlyphIcon(QPolygonF({QPointF(1, 6), QPointF(8, 6), QPointF(8, 2), QPointF(15, 8),
                                   QPointF(8, 14), QPointF(8, 10), QPointF(1, 10)}));
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
