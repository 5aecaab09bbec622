#include "Pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace soyka::ui {
namespace {

// Every drawing here is made on a 100 x 100 canvas and stretched to the box it is given.
constexpr double Canvas = 100.0;

class Stretched {
public:
  Stretched(QPainter& painter, const QRectF& box) : painter_(painter) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.translate(box.topLeft());
    painter_.scale(box.width() / Canvas, box.height() / Canvas);
  }
  ~Stretched() { painter_.restore(); }
  Stretched(const Stretched&) = delete;
  Stretched& operator=(const Stretched&) = delete;

private:
  QPainter& painter_;
};

} // namespace

void drawDisplayPicture(QPainter& painter, const QRectF& box) {
  const Stretched canvas(painter, box);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(150, 146, 132));
  painter.drawRect(QRectF(40, 82, 20, 8));
  painter.drawRoundedRect(QRectF(22, 89, 56, 9), 3, 3);
  QLinearGradient case_(0, 0, 0, 84);
  case_.setColorAt(0.0, QColor(232, 228, 212));
  case_.setColorAt(1.0, QColor(182, 176, 156));
  painter.setPen(QPen(QColor(96, 92, 80), 0.8));
  painter.setBrush(case_);
  painter.drawRoundedRect(QRectF(2, 2, 96, 82), 6, 6);
  QRadialGradient glass(QPointF(40, 30), 60);
  glass.setColorAt(0.0, QColor(20, 70, 40));
  glass.setColorAt(1.0, QColor(4, 20, 10));
  painter.setPen(QPen(QColor(60, 58, 50), 1.2));
  painter.setBrush(glass);
  painter.drawRoundedRect(QRectF(10, 9, 80, 60), 7, 7);
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setPixelSize(8);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(90, 255, 120));
  painter.drawText(QRectF(14, 14, 72, 12), Qt::AlignLeft, QStringLiteral("000001111000"));
  painter.drawText(QRectF(14, 28, 72, 12), Qt::AlignLeft, QStringLiteral("000001111000"));
  painter.drawText(QRectF(14, 42, 72, 12), Qt::AlignLeft, QStringLiteral("000001111000"));
  painter.drawText(QRectF(14, 56, 72, 12), Qt::AlignRight, QStringLiteral("120"));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 160, 60));
  painter.drawEllipse(QPointF(88, 76), 2, 2);
  painter.setBrush(QColor(120, 116, 100));
  for (int slot = 0; slot < 4; ++slot) {
    painter.drawRect(QRectF(12 + slot * 6, 74, 4, 4));
  }
}

void drawProcessorPicture(QPainter& painter, const QRectF& box) {
  const Stretched canvas(painter, box);
  painter.fillRect(QRectF(0, 0, Canvas, Canvas), QColor(24, 92, 50));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 180, 80));
  constexpr int Pins = 10;
  for (int i = 0; i < Pins; ++i) {
    const double at = 17 + i * 7.0;
    painter.drawRect(QRectF(at, 3, 3, 12));
    painter.drawRect(QRectF(at, 85, 3, 12));
    painter.drawRect(QRectF(3, at, 12, 3));
    painter.drawRect(QRectF(85, at, 12, 3));
  }
  QLinearGradient body(0, 12, 0, 88);
  body.setColorAt(0.0, QColor(72, 72, 80));
  body.setColorAt(1.0, QColor(24, 24, 28));
  painter.setPen(QPen(QColor(10, 10, 12), 0.8));
  painter.setBrush(body);
  painter.drawRoundedRect(QRectF(12, 12, 76, 76), 4, 4);
  QLinearGradient lid(30, 30, 70, 70);
  lid.setColorAt(0.0, QColor(236, 236, 240));
  lid.setColorAt(1.0, QColor(150, 152, 160));
  painter.setBrush(lid);
  painter.drawRoundedRect(QRectF(28, 36, 44, 40), 3, 3);
  painter.setBrush(QColor(200, 40, 40));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPointF(20, 80), 3, 3);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(9);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(40, 40, 48));
  painter.drawText(QRectF(28, 40, 44, 16), Qt::AlignCenter, QStringLiteral("СОЙКА"));
  font.setPixelSize(7);
  painter.setFont(font);
  painter.drawText(QRectF(28, 56, 44, 14), Qt::AlignCenter, QStringLiteral("12 бит"));
}

void drawTeamPicture(QPainter& painter, const QRectF& box) {
  const Stretched canvas(painter, box);
  QLinearGradient sky(0, 0, 0, Canvas);
  sky.setColorAt(0.0, QColor(200, 224, 250));
  sky.setColorAt(1.0, QColor(240, 246, 252));
  painter.fillRect(QRectF(0, 0, Canvas, Canvas), sky);
  struct Person {
    double x;
    double scale;
    QColor shirt;
  };
  const Person people[] = {{26, 0.85, QColor(60, 110, 180)},
                           {74, 0.85, QColor(40, 140, 90)},
                           {50, 1.0, QColor(128, 0, 128)}};
  painter.setPen(Qt::NoPen);
  for (const Person& person : people) {
    const double s = person.scale;
    painter.setBrush(person.shirt);
    painter.drawRoundedRect(QRectF(person.x - 20 * s, 100 - 40 * s, 40 * s, 44 * s), 14 * s,
                            14 * s);
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(QPointF(person.x, 100 - 52 * s), 13 * s, 14 * s);
    painter.setBrush(QColor(90, 60, 30));
    painter.drawChord(QRectF(person.x - 13.5 * s, 100 - 67 * s, 27 * s, 20 * s), 0, 180 * 16);
  }
}

} // namespace soyka::ui
