#pragma once
// The learner's pointer and keyboard: input delivered through the windows as a real screen
// delivers it, so that a modal window blocks the others, an open pop-up menu takes the pointer,
// and two quick presses make a double click.

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;
class QWindow;

namespace soyka::monkey {

enum class Click { Left, Right, Double };

QString ClickName(Click kind);

// What a window manager does when the learner clicks a window that is not the active one.
void Activate(QWidget* window);

// A click at `point` of `window`'s client area; it reaches the child under the point.
void ClickAt(QWidget* window, QPoint point, Click kind);

struct LearnerKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  QString text;
  QString name;
};

// A key pressed and released while `window` has the keyboard: it goes to the window's focused
// widget, or to the open pop-up menu.
void PressKey(QWindow* window, const LearnerKey& key);

// A message box answers a key like "o" with a click delayed by a timer; waiting for it here keeps
// a seed's actions the same on a fast and on a slow machine.
void SettleDelayedClicks();

} // namespace soyka::monkey
