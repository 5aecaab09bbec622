#include "Pictures.h"

#include <QResource>

namespace soyka::ui {

QImage boardPicture() {
  // Kept uncompressed in the program: the image only points at bytes already in memory.
  const QResource pixels(QStringLiteral(":/soyka/board.rgb32"));
  return QImage(pixels.data(), BoardWidth, BoardHeight, BoardWidth * 4, BoardFormat);
}

} // namespace soyka::ui
