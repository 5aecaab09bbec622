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
  // Within one cut of a face the advance shrinks in proportion to the stretch, but narrowed far
  // enough the face's own condensed cut takes over, narrower than the proportion says. So the
  // stretch is scaled from both cuts and the smaller kept. Each measurement is shared by every
  // caption of the same face and size, where trying stretch after stretch loads an engine each.
  QFont condensed = font;
  condensed.setStretch(QFont::SemiCondensed);
  const qreal condensedAdvance = QFontMetricsF(condensed).horizontalAdvance(text);
  const int stretch = std::min(static_cast<int>(fullStretch * room / fullAdvance),
                               static_cast<int>(QFont::SemiCondensed * room / condensedAdvance));
  QFont narrowed = font;
  narrowed.setStretch(std::max(NarrowestStretch, stretch));
  return narrowed;
}

} // namespace soyka::ui
