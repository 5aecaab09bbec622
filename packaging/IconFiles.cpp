// Writes the program's icon for the hicolor theme, drawn by the same code as the window icon:
// DIR/hicolor/scalable/apps/NAME.svg and DIR/hicolor/SxS/apps/NAME.png for every side S given.
// Usage: soyka_icon_files DIR NAME SIDE...
#include "Pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

// The side the drawing is laid out on, in its own units.
constexpr int DrawingSide = 32;

QString AppsFolder(const QString& root, const QString& size) {
  const QString folder = QStringLiteral("%1/hicolor/%2/apps").arg(root, size);
  QDir().mkpath(folder);
  return folder;
}

bool WriteScalable(const QString& root, const QString& name) {
  QSvgGenerator svg;
  svg.setFileName(AppsFolder(root, QStringLiteral("scalable")) + QLatin1Char('/') + name +
                  QStringLiteral(".svg"));
  svg.setSize(QSize(DrawingSide, DrawingSide));
  svg.setViewBox(QRect(0, 0, DrawingSide, DrawingSide));
  svg.setTitle(QStringLiteral("Сойка"));
  svg.setDescription(QStringLiteral("Учебная ЭВМ «Сойка»"));
  QPainter painter;
  if (!painter.begin(&svg)) {
    return false;
  }
  soyka::ui::drawApplicationIcon(painter, QRectF(0, 0, DrawingSide, DrawingSide));
  return painter.end();
}

bool WritePixels(const QString& root, const QString& name, int side) {
  const QImage image = soyka::ui::drawApplicationIconImage(side);
  const QString size = QStringLiteral("%1x%1").arg(side);
  return image.save(AppsFolder(root, size) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s DIR NAME SIDE...\n", argv[0]);
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  bool written = WriteScalable(root, name);
  for (int index = 3; index < argc; ++index) {
    const int side = std::atoi(argv[index]);
    written = side > 0 && WritePixels(root, name, side) && written;
  }
  if (!written) {
    std::fprintf(stderr, "%s: cannot write the icons under %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
