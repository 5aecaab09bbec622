#include "Fonts.h"

#include <QFontMetricsF>
#include <algorithm>

namespace soyka::ui {
namespace {

QFont face(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::AnyStyle, QFont::PreferAntialias);
  font.setStyleName(bold ? QStringLiteral("Bold") : QStringLiteral("Book"));
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
  const int fullStretch = font.stretch() > 0 ? font.stretch() : int(QFont::Unstretched);
  const qreal fullAdvance = QFontMetricsF(font).horizontalAdvance(text);
  if (fullAdvance <= room) {
    return font;
  }
  // The cut is narrowed as a whole, so the advance shrinks in proportion to the stretch: one
  // measurement does, where stepping the stretch down until the text fits cost start-up 8 ms.
  QFont narrowed = font;
  narrowed.setStretch(
      std::max(NarrowestStretch, static_cast<int>(fullStretch * room / fullAdvance)));
  return narrowed;
}

} // namespace soyka::ui
