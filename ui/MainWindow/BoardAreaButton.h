#pragma once
// A board area as a keyboard control. The area's pictures and label stay as they are; this
// button lies over them, invisible and transparent to the mouse, so a click still lands on them.
// It takes the focus with Tab, draws a frame around the area while it has it, answers Enter and
// Space with a click, and is the push button a screen reader finds for the area.

#include <QAbstractButton>
#include <QPainterPath>
#include <vector>

namespace soyka::ui {

class BoardAreaButton : public QAbstractButton {
  Q_OBJECT
public:
  // parts: the widgets the area is made of, all children of parent.
  BoardAreaButton(const QString& name, const std::vector<const QWidget*>& parts, QWidget* parent);

signals:
  // The Menu key or Shift+F10: the board's pop-up menu is asked for at this point of the screen.
  void menuRequested(const QPoint& globalPosition);

protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  QPainterPath frame_;
};

} // namespace soyka::ui
