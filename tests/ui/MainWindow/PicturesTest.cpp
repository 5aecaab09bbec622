// The program's own pictures: what the program keeps of them, and that each shows what it should.
#include "Pictures.h"
#include "BoardScene.h"
#include "PictureBox.h"

#include <QSet>
#include <QtTest>

namespace {

using Drawing = void (*)(QPainter&, const QRectF&);

QImage Drawn(Drawing drawing, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  drawing(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect PaintedArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) {
        area |= QRect(x, y, 1, 1);
      }
    }
  }
  return area;
}

int DistinctColours(const QImage& image, const QRect& area) {
  QSet<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return static_cast<int>(colours.size());
}

// Mean colour of an area.
QColor Mean(const QImage& image, const QRect& area) {
  qint64 red = 0;
  qint64 green = 0;
  qint64 blue = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      red += qRed(pixel);
      green += qGreen(pixel);
      blue += qBlue(pixel);
    }
  }
  const qint64 count = qint64(area.width()) * area.height();
  return QColor(int(red / count), int(green / count), int(blue / count));
}

} // namespace

class PicturesTest : public QObject {
  Q_OBJECT

private slots:
  void boardIsTheSceneInPaletteColours() {
    const QImage shown = soyka::ui::boardPicture();
    QCOMPARE(shown.size(), QSize(590, 430));
    QVERIFY(DistinctColours(shown, shown.rect()) <= 256);
    // What the program holds is what the drawing makes, in its palette.
    const QImage scene = soyka::ui::board::drawScene();
    QVERIFY(shown ==
            soyka::ui::board::inPaletteColours(scene).convertToFormat(QImage::Format_RGB32));
    // And the palette keeps close to every colour of the drawing.
    int worst = 0;
    qint64 total = 0;
    for (int y = 0; y < scene.height(); ++y) {
      for (int x = 0; x < scene.width(); ++x) {
        const QRgb drawn = scene.pixel(x, y);
        const QRgb held = shown.pixel(x, y);
        const int error = std::abs(qRed(drawn) - qRed(held)) +
                          std::abs(qGreen(drawn) - qGreen(held)) +
                          std::abs(qBlue(drawn) - qBlue(held));
        worst = std::max(worst, error);
        total += error;
      }
    }
    qInfo("palette error: mean %.2f, worst %d", double(total) / (590 * 430), worst);
    QVERIFY(total < qint64(590) * 430 * 6);
    QVERIFY(worst < 96);
  }

  void fewColoursStayExact() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(18, 96, 52));
    image.setPixel(3, 4, qRgb(128, 0, 128));
    image.setPixel(39, 29, qRgb(255, 255, 0));
    const QImage palette = soyka::ui::board::inPaletteColours(image);
    QCOMPARE(palette.format(), QImage::Format_Indexed8);
    QCOMPARE(palette.convertToFormat(QImage::Format_RGB32), image);
  }

  void boardLooksLikeAPhotographOfAGreenBoard() {
    const QImage board = soyka::ui::boardPicture();
    // A photograph in 256 colours uses nearly all of them.
    QVERIFY(DistinctColours(board, board.rect()) > 200);
    // Bare board between the parts is green.
    const QColor bare = Mean(board, QRect(440, 138, 90, 20));
    QVERIFY(bare.green() > bare.red() + 30);
    QVERIFY(bare.green() > bare.blue() + 20);
  }

  void boardShowsKeyboardKeysAtItsLowerEdge() {
    const QImage board = soyka::ui::boardPicture();
    // Light key caps, unlike the green board above them.
    const QColor keys = Mean(board, QRect(12, 366, 22, 20));
    QVERIFY(keys.red() > 160 && keys.green() > 150 && keys.blue() > 120);
    QVERIFY(keys.red() >= keys.blue());
    const QColor above = Mean(board, QRect(12, 330, 22, 10));
    QVERIFY(above.green() > above.red());
  }

  void vectorPicturesFillTheirStretchedBox_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("display on the board") << 0 << QSize(153, 129);
    QTest::newRow("display wide") << 0 << QSize(300, 90);
    QTest::newRow("processor on the board") << 1 << QSize(121, 105);
    QTest::newRow("processor tall") << 1 << QSize(60, 200);
    QTest::newRow("team") << 2 << QSize(88, 88);
  }

  void vectorPicturesFillTheirStretchedBox() {
    QFETCH(int, picture);
    QFETCH(QSize, size);
    const Drawing drawings[] = {soyka::ui::drawDisplayPicture, soyka::ui::drawProcessorPicture,
                                soyka::ui::drawTeamPicture};
    const QImage image = Drawn(drawings[picture], size);
    const QRect painted = PaintedArea(image);
    // Stretched: the drawing reaches close to every side of its box, and never beyond.
    QVERIFY2(painted.left() <= size.width() / 20 && painted.top() <= size.height() / 20,
             qPrintable(QStringLiteral("%1,%2").arg(painted.left()).arg(painted.top())));
    QVERIFY(painted.right() >= size.width() * 19 / 20 - 1);
    QVERIFY(painted.bottom() >= size.height() * 19 / 20 - 1);
    QVERIFY(DistinctColours(image, image.rect()) > 20);
  }

  void pictureBoxDrawsItsDrawingOrNothing() {
    QWidget parent;
    parent.resize(200, 200);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, Qt::red);
    parent.setPalette(red);
    parent.setAutoFillBackground(true);
    auto* empty = new soyka::ui::PictureBox(nullptr, &parent);
    empty->setGeometry(10, 10, 50, 50);
    auto* display = new soyka::ui::PictureBox(soyka::ui::drawDisplayPicture, &parent);
    display->setGeometry(100, 100, 80, 80);
    const QImage shot = parent.grab().toImage();
    QCOMPARE(shot.pixelColor(35, 35), QColor(Qt::red));
    QVERIFY(shot.pixelColor(140, 130) != QColor(Qt::red));
  }

  void iconComesInTheUsualSizes() {
    const QIcon icon = soyka::ui::applicationIcon();
    QVERIFY(!icon.isNull());
    for (int side : {16, 32, 48}) {
      const QImage image = icon.pixmap(side, side).toImage();
      QCOMPARE(image.size(), QSize(side, side));
      QVERIFY(DistinctColours(image, image.rect()) > 4);
    }
  }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
