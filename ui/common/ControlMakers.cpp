#include "ControlMakers.h"

#include "GlyphIcon.h"

namespace soyka::ui {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QIcon& icon,
                        const QRect& geometry, const QString& hint) {
  auto* button = new QPushButton(icon, text, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->setIconSize(QSize(GlyphIconSize, GlyphIconSize));
  button->setToolTip(hint);
  return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment horizontal) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(horizontal | Qt::AlignTop);
  return label;
}

} // namespace soyka::ui
