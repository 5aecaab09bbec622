// Draws the pictures the program keeps as bare pixels into DIR, laid out as KeptPictures.h says:
// the board scene in 256 colours, the window icon, and the toolkit's group box frame decoded.
// Usage: soyka_pictures DIR
#include "BoardScene.h"
#include "KeptPictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

namespace {

using namespace soyka::ui;

bool Write(QFile& file, const void* data, qint64 bytes) {
  return file.write(static_cast<const char*>(data), bytes) == bytes;
}

bool WriteBoard(QFile& file) {
  const QImage board = board::inPaletteColours(board::drawScene());
  QList<QRgb> palette = board.colorTable();
  palette.resize(kept::PaletteEntries, qRgb(0, 0, 0));
  if (!Write(file, palette.constData(), qint64(palette.size()) * 4)) {
    return false;
  }
  for (int y = 0; y < board.height(); ++y) {
    QByteArray row(reinterpret_cast<const char*>(board.constScanLine(y)), board.width());
    row.resize(kept::BoardRowBytes, '\0');
    if (!Write(file, row.constData(), row.size())) {
      return false;
    }
  }
  return true;
}

bool WriteArgb(QFile& file, const QImage& image) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < pixels.height(); ++y) {
    if (!Write(file, pixels.constScanLine(y), qint64(pixels.width()) * 4)) {
      return false;
    }
  }
  return true;
}

bool WriteIcon(QFile& file) {
  for (const int side : IconSides) {
    if (!WriteArgb(file, drawApplicationIconImage(side))) {
      return false;
    }
  }
  return true;
}

bool WriteGroupBox(QFile& file) {
  const QImage frame(
      QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
  if (frame.isNull()) {
    std::fputs("soyka_pictures: the toolkit has no group box picture\n", stderr);
    return false;
  }
  const std::uint32_t size[2]{std::uint32_t(frame.width()), std::uint32_t(frame.height())};
  return Write(file, size, sizeof size) && WriteArgb(file, frame);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: soyka_pictures DIR\n", stderr);
    return 2;
  }
  int toolkitArgc = 1;
  // The group box picture is one of the widget toolkit's own resources.
  QApplication app(toolkitArgc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* name;
    bool (*write)(QFile&);
  } pictures[] = {{kept::BoardFile, WriteBoard},
                  {kept::IconFile, WriteIcon},
                  {kept::GroupBoxFile, WriteGroupBox}};
  for (const auto& picture : pictures) {
    QFile file(folder.filePath(QString::fromLatin1(picture.name)));
    if (!file.open(QIODevice::WriteOnly) || !picture.write(file) || !file.flush()) {
      std::fprintf(stderr, "soyka_pictures: cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
