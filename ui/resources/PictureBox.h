#pragma once
// A picture on a window: a vector drawing stretched to the widget's box, or nothing at all
// (then whatever lies beneath shows through).

#include <QWidget>
#include <functional>

namespace soyka::ui {

class PictureBox : public QWidget {
  Q_OBJECT
public:
  using Drawing = std::function<void(QPainter&, const QRectF&)>;

  explicit PictureBox(Drawing drawing, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  Drawing drawing_;
};

} // namespace soyka::ui
