#include "PausePictures.h"

#include <QPainter>
#include <QPixmap>

namespace soyka::ui {
namespace {

constexpr int StyleIconSpacing = 4;

QPixmap canvas(int width) {
  QPixmap pixmap(width, PausePictureSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap withBlankAfter(const QPixmap& image, int gap) {
  QPixmap pixmap = canvas(PausePictureSize + gap);
  QPainter painter(&pixmap);
  painter.drawPixmap(0, 0, image);
  return pixmap;
}

} // namespace

QIcon continuePicture() {
  return greenGlyphIcon(QPolygonF({QPointF(1, 6), QPointF(8, 6), QPointF(8, 2), QPointF(15, 8),
                                   QPointF(8, 14), QPointF(8, 10), QPointF(1, 10)}));
}

QIcon backPicture() {
  return greenGlyphIcon(QPolygonF({QPointF(15, 6), QPointF(8, 6), QPointF(8, 2), QPointF(1, 8),
                                   QPointF(8, 14), QPointF(8, 10), QPointF(15, 10)}));
}

QSize withGapAfterSize(int gap) {
  return QSize(PausePictureSize + gap - StyleIconSpacing, PausePictureSize);
}

QIcon withGapAfter(const QIcon& icon, int gap) {
  const int padding = gap - StyleIconSpacing;
  const QSize size(PausePictureSize, PausePictureSize);
  QIcon padded;
  padded.addPixmap(withBlankAfter(icon.pixmap(size, QIcon::Normal), padding), QIcon::Normal);
  padded.addPixmap(withBlankAfter(icon.pixmap(size, QIcon::Disabled), padding), QIcon::Disabled);
  return padded;
}

} // namespace soyka::ui
