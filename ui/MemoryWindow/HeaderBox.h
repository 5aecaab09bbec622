#pragma once
// A caption box over or under one 3-column field of the memory grid ("К О П", "A 1", ...):
// white letters on the dark shadow colour, or black letters on the light face colour inside a
// white frame, so neighbouring fields stand apart.

#include <QColor>
#include <QWidget>

namespace soyka::ui {

inline const QColor HeaderDarkShadow(64, 64, 64);
inline const QColor HeaderLightFace(212, 208, 200);

class HeaderBox : public QWidget {
  Q_OBJECT
public:
  enum class Shade { Dark, Light };

  HeaderBox(const QString& text, Shade shade, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString text_;
  Shade shade_;
};

} // namespace soyka::ui
