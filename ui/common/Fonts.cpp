#include "Fonts.h"

namespace soyka::ui {
namespace {

QFont Face(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
  return font;
}

} // namespace

QFont SystemFont(int pixelSize, bool bold) {
  return Face(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont SmallFont(int pixelSize) { return Face(QStringLiteral("DejaVu Sans"), pixelSize, true); }

QFont SerifFont(int pixelSize, bool bold) {
  return Face(QStringLiteral("DejaVu Serif"), pixelSize, bold);
}

} // namespace soyka::ui
