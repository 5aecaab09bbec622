#include "Fonts.h"

namespace soyka::ui {
namespace {

QFont face(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
  return font;
}

} // namespace

QFont systemFont(int pixelSize, bool bold) {
  return face(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont smallFont(int pixelSize) {
  return face(QStringLiteral("DejaVu Sans"), pixelSize, true);
}

QFont serifFont(int pixelSize, bool bold) {
  return face(QStringLiteral("DejaVu Serif"), pixelSize, bold);
}

} // namespace soyka::ui
