// Draws the pictures the program keeps as bare pixels into DIR, laid out as KeptPictures.h says:
// the board scene cut to 256 colours, and the window icon.
// Usage: soyka_pictures DIR
#include "BoardScene.h"
#include "KeptPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace soyka::ui;

bool Write(QFile& file, const void* data, qint64 bytes) {
  return file.write(static_cast<const char*>(data), bytes) == bytes;
}

bool WritePixels(QFile& file, const QImage& image, QImage::Format format) {
  const QImage pixels = image.convertToFormat(format);
  for (int y = 0; y < pixels.height(); ++y) {
    if (!Write(file, pixels.constScanLine(y), qint64(pixels.width()) * 4)) {
      return false;
    }
  }
  return true;
}

// The board keeps the look of a 256-colour photograph; the cut costs only the build its time.
bool WriteBoard(QFile& file) {
  return WritePixels(file, board::inPaletteColours(board::drawScene()), QImage::Format_RGB32);
}

bool WriteIcon(QFile& file) {
  for (const int side : IconSides) {
    if (!WritePixels(file, drawApplicationIconImage(side), QImage::Format_ARGB32_Premultiplied)) {
      return false;
    }
  }
  return true;
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: soyka_pictures DIR\n", stderr);
    return 2;
  }
  int toolkitArgc = 1;
  // The board's drawing writes with the windows' faces.
  QGuiApplication app(toolkitArgc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* name;
    bool (*write)(QFile&);
  } pictures[] = {{kept::BoardFile, WriteBoard}, {kept::IconFile, WriteIcon}};
  for (const auto& picture : pictures) {
    QFile file(folder.filePath(QString::fromLatin1(picture.name)));
    if (!file.open(QIODevice::WriteOnly) || !picture.write(file) || !file.flush()) {
      std::fprintf(stderr, "soyka_pictures: cannot write %s\n", qPrintable(file.fileName()));
      return 1;
    }
  }
  return 0;
}
