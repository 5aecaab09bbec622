#pragma once
// Turns a left click or a double click on a widget into one call, so that a label, a picture or
// the window's surface can each run a handler. Other buttons pass on (the pop-up menu needs the
// right one).

#include <QObject>
#include <functional>

class QWidget;

class ClickRelay : public QObject {
  Q_OBJECT
public:
  ClickRelay(QWidget* target, std::function<void()> handler);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::function<void()> handler_;
  bool pressed_ = false;
};
