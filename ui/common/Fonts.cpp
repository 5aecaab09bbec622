#include "Fonts.h"

#include <QFontMetrics>
#include <algorithm>

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

QFont narrowedToFit(const QFont& font, const QString& text, int room) {
  constexpr int NarrowestStretch = 50;
  const int advance = QFontMetrics(font).horizontalAdvance(text);
  if (advance <= room) {
    return font;
  }
  // The advance shrinks about as the stretch does; the rounding of each letter may leave the
  // estimate a step or two too wide, which the check after it takes back.
  const int stretch = font.stretch() > 0 ? font.stretch() : int(QFont::Unstretched);
  QFont narrowed = font;
  narrowed.setStretch(std::max(NarrowestStretch, stretch * room / advance));
  while (narrowed.stretch() > NarrowestStretch &&
         QFontMetrics(narrowed).horizontalAdvance(text) > room) {
    narrowed.setStretch(narrowed.stretch() - 1);
  }
  return narrowed;
}

} // namespace soyka::ui
