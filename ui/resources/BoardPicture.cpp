#include "Pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cstdint>
#include <vector>

namespace soyka::ui {
namespace {

// A small fixed-seed generator: the picture must come out the same every time.
class Dice {
public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  int next(int limit) {
    state_ = state_ * 1664525U + 1013904223U;
    return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
  }

private:
  std::uint32_t state_;
};

const QColor BoardGreen(18, 96, 52);
const QColor TraceGreen(70, 150, 82);
const QColor Copper(214, 170, 84);
const QColor Silkscreen(236, 236, 222);

void drawBoardBase(QPainter& painter) {
  QLinearGradient shade(0, 0, BoardWidth, BoardHeight);
  shade.setColorAt(0.0, BoardGreen.lighter(118));
  shade.setColorAt(0.55, BoardGreen);
  shade.setColorAt(1.0, BoardGreen.darker(130));
  painter.fillRect(QRect(0, 0, BoardWidth, BoardHeight), shade);
}

// Several parallel traces along the same route, `gap` pixels apart.
void drawBus(QPainter& painter, const std::vector<QPointF>& route, int lines, double gap) {
  painter.setPen(QPen(TraceGreen, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  for (int i = 0; i < lines; ++i) {
    QPainterPath path;
    for (std::size_t p = 0; p < route.size(); ++p) {
      const QPointF point = route[p] + QPointF(i * gap * 0.7071, i * gap * 0.7071);
      if (p == 0) {
        path.moveTo(point);
      } else {
        path.lineTo(point);
      }
    }
    painter.drawPath(path);
  }
}

void drawVia(QPainter& painter, QPointF centre) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Copper);
  painter.drawEllipse(centre, 3.0, 3.0);
  painter.setBrush(QColor(20, 40, 25));
  painter.drawEllipse(centre, 1.2, 1.2);
}

void drawTraces(QPainter& painter) {
  drawBus(painter, {{0, 30}, {150, 30}, {175, 55}, {280, 55}}, 6, 6);
  drawBus(painter, {{20, 250}, {60, 250}, {90, 280}, {300, 280}, {330, 250}, {390, 250}}, 8, 5);
  drawBus(painter, {{250, 120}, {250, 200}, {275, 225}, {400, 225}}, 5, 6);
  drawBus(painter, {{420, 12}, {560, 12}, {585, 37}, {585, 160}}, 4, 5);
  drawBus(painter, {{300, 330}, {420, 330}, {450, 360}, {590, 360}}, 7, 5);
  drawBus(painter, {{10, 130}, {40, 130}, {60, 150}, {60, 240}}, 3, 6);
  drawBus(painter, {{180, 330}, {180, 350}, {200, 370}, {560, 370}}, 4, 6);
  Dice dice(7);
  for (int i = 0; i < 60; ++i) {
    drawVia(painter, QPointF(8 + dice.next(574), 8 + dice.next(340)));
  }
}

void drawDipChip(QPainter& painter, const QRectF& body, int pinsPerSide, const QString& mark) {
  const double pitch = body.width() / pinsPerSide;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(196, 196, 200));
  for (int i = 0; i < pinsPerSide; ++i) {
    const double x = body.left() + pitch * (i + 0.5) - 1.5;
    painter.drawRect(QRectF(x, body.top() - 4, 3, 4));
    painter.drawRect(QRectF(x, body.bottom(), 3, 4));
  }
  QLinearGradient shade(body.topLeft(), body.bottomLeft());
  shade.setColorAt(0.0, QColor(62, 62, 68));
  shade.setColorAt(0.15, QColor(38, 38, 42));
  shade.setColorAt(1.0, QColor(18, 18, 22));
  painter.setBrush(shade);
  painter.drawRoundedRect(body, 2, 2);
  painter.setBrush(QColor(12, 12, 14));
  painter.drawEllipse(QPointF(body.left() + 1, body.center().y()), 3.5, 3.5);
  painter.setPen(QColor(200, 200, 196));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(qBound(6, static_cast<int>(body.height() * 0.36), 10));
  painter.setFont(font);
  painter.drawText(body, Qt::AlignCenter, mark);
}

void drawElectrolytic(QPainter& painter, QPointF centre, double radius) {
  QRadialGradient can(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
  can.setColorAt(0.0, QColor(120, 140, 220));
  can.setColorAt(1.0, QColor(20, 30, 110));
  painter.setPen(QPen(QColor(10, 20, 60), 1));
  painter.setBrush(can);
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(200, 204, 212));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
  painter.setPen(QPen(QColor(120, 124, 132), 1.2));
  painter.drawLine(centre - QPointF(radius * 0.45, 0), centre + QPointF(radius * 0.45, 0));
  painter.drawLine(centre - QPointF(0, radius * 0.45), centre + QPointF(0, radius * 0.45));
}

void drawResistor(QPainter& painter, QPointF left, bool vertical, int code) {
  static const std::array<QColor, 5> Bands = {QColor(150, 75, 0), QColor(220, 30, 30),
                                              QColor(240, 140, 0), QColor(20, 20, 20),
                                              QColor(210, 180, 40)};
  painter.save();
  painter.translate(left);
  if (vertical) {
    painter.rotate(90);
  }
  painter.setPen(QPen(QColor(190, 190, 190), 1.5));
  painter.drawLine(QPointF(-5, 0), QPointF(27, 0));
  painter.setPen(QPen(QColor(120, 100, 70), 0.8));
  painter.setBrush(QColor(226, 204, 160));
  painter.drawRoundedRect(QRectF(2, -3.5, 18, 7), 3, 3);
  painter.setPen(Qt::NoPen);
  for (int b = 0; b < 3; ++b) {
    painter.setBrush(Bands[static_cast<std::size_t>((code + b * 2) % 5)]);
    painter.drawRect(QRectF(5 + b * 4, -3.5, 2, 7));
  }
  painter.restore();
}

void drawCeramic(QPainter& painter, QPointF centre) {
  painter.setPen(QPen(QColor(120, 70, 10), 0.8));
  painter.setBrush(QColor(214, 150, 50));
  painter.drawEllipse(centre, 4.5, 3.5);
}

void drawCrystal(QPainter& painter, const QRectF& body) {
  QLinearGradient metal(body.topLeft(), body.bottomRight());
  metal.setColorAt(0.0, QColor(240, 240, 244));
  metal.setColorAt(0.5, QColor(160, 162, 170));
  metal.setColorAt(1.0, QColor(220, 222, 228));
  painter.setPen(QPen(QColor(90, 90, 96), 1));
  painter.setBrush(metal);
  painter.drawRoundedRect(body, body.height() / 2, body.height() / 2);
}

void drawMountingHole(QPainter& painter, QPointF centre) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Copper);
  painter.drawEllipse(centre, 9, 9);
  painter.setBrush(QColor(30, 30, 30));
  painter.drawEllipse(centre, 5, 5);
}

void drawLabel(QPainter& painter, QPointF at, const QString& text) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(8);
  painter.setFont(font);
  painter.setPen(Silkscreen);
  painter.drawText(at, text);
}

void drawParts(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  drawDipChip(painter, QRectF(20, 70, 70, 22), 8, QStringLiteral("К155ЛА3"));
  drawDipChip(painter, QRectF(110, 70, 90, 22), 10, QStringLiteral("К155ИЕ7"));
  drawDipChip(painter, QRectF(20, 110, 40, 18), 5, QStringLiteral("ЛН1"));
  drawDipChip(painter, QRectF(440, 50, 120, 26), 14, QStringLiteral("К580ВВ55"));
  drawDipChip(painter, QRectF(440, 100, 90, 22), 10, QStringLiteral("К155ТМ2"));
  drawDipChip(painter, QRectF(290, 170, 90, 22), 10, QStringLiteral("К565РУ2"));
  drawDipChip(painter, QRectF(290, 300, 90, 22), 10, QStringLiteral("К155ИР1"));
  drawDipChip(painter, QRectF(60, 300, 110, 24), 12, QStringLiteral("К573РФ2"));
  drawDipChip(painter, QRectF(190, 300, 80, 22), 9, QStringLiteral("К155ЛП5"));
  drawDipChip(painter, QRectF(490, 320, 80, 20), 8, QStringLiteral("К155ЛЕ1"));
  drawCrystal(painter, QRectF(230, 110, 40, 14));
  drawCrystal(painter, QRectF(330, 148, 34, 12));
  drawElectrolytic(painter, QPointF(210, 30), 13);
  drawElectrolytic(painter, QPointF(30, 200), 11);
  drawElectrolytic(painter, QPointF(575, 210), 10);
  drawElectrolytic(painter, QPointF(260, 160), 9);
  drawElectrolytic(painter, QPointF(410, 30), 8);
  Dice dice(11);
  for (int i = 0; i < 9; ++i) {
    drawResistor(painter, QPointF(20 + i * 28, 150 - (i % 2) * 2), false, dice.next(5));
  }
  for (int i = 0; i < 4; ++i) {
    drawResistor(painter, QPointF(275 + i * 12, 240), true, dice.next(5));
    drawResistor(painter, QPointF(570 - i * 12, 240), true, dice.next(5));
  }
  for (int i = 0; i < 12; ++i) {
    drawCeramic(painter, QPointF(100 + i * 30, 262 + (i % 3) * 3));
  }
  drawMountingHole(painter, QPointF(16, 16));
  drawMountingHole(painter, QPointF(574, 16));
  drawMountingHole(painter, QPointF(574, 340));
  drawLabel(painter, QPointF(22, 66), QStringLiteral("D1"));
  drawLabel(painter, QPointF(112, 66), QStringLiteral("D2"));
  drawLabel(painter, QPointF(442, 44), QStringLiteral("D7"));
  drawLabel(painter, QPointF(62, 296), QStringLiteral("D12  ПЗУ"));
  drawLabel(painter, QPointF(228, 106), QStringLiteral("ZQ1"));
  drawLabel(painter, QPointF(190, 12), QStringLiteral("C1 +"));
  drawLabel(painter, QPointF(20, 168), QStringLiteral("R1...R9"));
  drawLabel(painter, QPointF(14, 345), QStringLiteral("СОЙКА-1  ПЛАТА ПРОЦЕССОРА"));
}

// The edge of a keyboard in front of the board, its keys cut off by the frame.
void drawKeyboardEdge(QPainter& painter) {
  const QRectF keyboard(0, 352, 330, 80);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(58, 56, 52));
  painter.drawRoundedRect(keyboard.adjusted(0, 0, 0, 12), 6, 6);
  static const std::array<QString, 2> Rows = {QStringLiteral("ЙЦУКЕНГШЩ"),
                                              QStringLiteral("ФЫВАПРОЛД")};
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  for (int row = 0; row < 2; ++row) {
    const QString& letters = Rows[static_cast<std::size_t>(row)];
    for (int k = 0; k < letters.size(); ++k) {
      const QRectF key(8 + row * 12 + k * 34, 360 + row * 36, 30, 30);
      QLinearGradient cap(key.topLeft(), key.bottomLeft());
      cap.setColorAt(0.0, QColor(236, 230, 210));
      cap.setColorAt(1.0, QColor(190, 182, 160));
      painter.setPen(QPen(QColor(110, 104, 90), 1));
      painter.setBrush(cap);
      painter.drawRoundedRect(key, 4, 4);
      painter.setPen(QColor(40, 40, 40));
      painter.drawText(key.adjusted(5, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, letters.mid(k, 1));
    }
  }
}

// Fine grain, as a photograph has; a fixed hash keeps it the same every time.
void addGrain(QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const std::uint32_t hash =
          (static_cast<std::uint32_t>(x) * 73856093U) ^ (static_cast<std::uint32_t>(y) * 19349663U);
      const int delta = static_cast<int>((hash >> 4) % 13U) - 6;
      const QRgb pixel = line[x];
      line[x] = qRgb(qBound(0, qRed(pixel) + delta, 255), qBound(0, qGreen(pixel) + delta, 255),
                     qBound(0, qBlue(pixel) + delta, 255));
    }
  }
}

} // namespace

QImage drawBoardPicture() {
  QImage image(BoardWidth, BoardHeight, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    drawBoardBase(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    drawTraces(painter);
    drawParts(painter);
    drawKeyboardEdge(painter);
  }
  addGrain(image);
  return image;
}

} // namespace soyka::ui
