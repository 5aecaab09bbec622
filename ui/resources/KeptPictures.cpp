#include "KeptPictures.h"

#include <QResource>
#include <cstdint>

namespace soyka::ui {
namespace {

// The bytes of a kept picture; they stay in the program, so images point at them directly.
const uchar* keptBytes(const char* name) {
  const QResource file(QStringLiteral(":/soyka/") + QLatin1String(name));
  return file.data();
}

} // namespace

QImage boardPicture() {
  const uchar* bytes = keptBytes(kept::BoardFile);
  const auto* palette = reinterpret_cast<const QRgb*>(bytes);
  QImage board(bytes + kept::PaletteEntries * 4, BoardWidth, BoardHeight, kept::BoardRowBytes,
               QImage::Format_Indexed8);
  board.setColorTable(QList<QRgb>(palette, palette + kept::PaletteEntries));
  return board;
}

QIcon applicationIcon() {
  const uchar* at = keptBytes(kept::IconFile);
  QIcon icon;
  for (const int side : IconSides) {
    icon.addPixmap(
        QPixmap::fromImage(QImage(at, side, side, side * 4, QImage::Format_ARGB32_Premultiplied)));
    at += side * side * 4;
  }
  return icon;
}

QPixmap groupBoxFramePicture() {
  const uchar* bytes = keptBytes(kept::GroupBoxFile);
  const auto* size = reinterpret_cast<const std::uint32_t*>(bytes);
  const int width = static_cast<int>(size[0]);
  const int height = static_cast<int>(size[1]);
  return QPixmap::fromImage(QImage(bytes + 2 * sizeof(std::uint32_t), width, height, width * 4,
                                   QImage::Format_ARGB32_Premultiplied));
}

} // namespace soyka::ui
