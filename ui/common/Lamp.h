#pragma once
// A lamp: a filled circle whose colour tells a state. Its accessible name says what it shows.

#include <QColor>
#include <QWidget>

namespace soyka::ui {

class Lamp : public QWidget {
  Q_OBJECT
public:
  Lamp(const QString& caption, QColor color, QWidget* parent);

  void setColor(const QColor& color);
  QColor color() const { return color_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString caption_;
  QColor color_;
};

} // namespace soyka::ui
