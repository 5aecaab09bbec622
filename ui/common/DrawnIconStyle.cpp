#include "DrawnIconStyle.h"

#include "Pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <algorithm>
#include <qdrawutil.h>

namespace soyka::ui {
namespace {

constexpr int ArrowIconSize = 8;
// The group box frame as the toolkit's own style draws it: its picture's corners kept, its edges
// stretched, the top lowered under the title.
constexpr int FrameCorner = 6;
constexpr int FrameTopGap = 3;

// Two chevrons pointing along the bar: right for a horizontal bar, down for a vertical one.
QIcon overflowArrows(bool horizontal, const QColor& colour) {
  QPixmap pixmap(ArrowIconSize, ArrowIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QPen(colour, 1));
  for (const int offset : {0, 4}) {
    const QPolygon chevron({QPoint(offset, 1), QPoint(offset + 2, 3), QPoint(offset, 5)});
    painter.drawPolyline(horizontal ? chevron : QTransform(0, 1, 1, 0, 0, 0).map(chevron));
  }
  painter.end();
  return QIcon(pixmap);
}

} // namespace

QIcon DrawnIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const {
  const QColor colour = standardPalette().color(QPalette::WindowText);
  switch (icon) {
  case SP_ToolBarHorizontalExtensionButton:
    return overflowArrows(true, colour);
  case SP_ToolBarVerticalExtensionButton:
    return overflowArrows(false, colour);
  default:
    return QProxyStyle::standardIcon(icon, option, widget);
  }
}

void DrawnIconStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  if (groupBoxFrame_.isNull()) {
    groupBoxFrame_ = groupBoxFramePicture();
  }
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
  const int top =
      bare ? FrameTopGap
           : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                 FrameTopGap;
  qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0),
                    QMargins(FrameCorner, FrameCorner, FrameCorner, FrameCorner), groupBoxFrame_);
}

void useDrawnIconStyle() {
  if (dynamic_cast<DrawnIconStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new DrawnIconStyle);
  }
}

} // namespace soyka::ui
