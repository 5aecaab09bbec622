// Draws the board picture into FILE as bare pixels, the way the program holds it, so that the
// program shows it without drawing or decoding anything.
// Usage: soyka_board_image FILE
#include "Pictures.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: soyka_board_image FILE\n", stderr);
    return 2;
  }
  int toolkitArgc = 1;
  QGuiApplication app(toolkitArgc, argv);
  const QImage board = soyka::ui::drawBoardPicture().convertToFormat(soyka::ui::BoardFormat);
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "soyka_board_image: cannot write %s\n", argv[1]);
    return 1;
  }
  for (int y = 0; y < board.height(); ++y) {
    const auto* line = reinterpret_cast<const char*>(board.constScanLine(y));
    if (file.write(line, qint64(board.width()) * 4) != qint64(board.width()) * 4) {
      return 1;
    }
  }
  return file.flush() ? 0 : 1;
}
