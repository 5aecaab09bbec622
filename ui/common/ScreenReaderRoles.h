#pragma once
// Widgets that tell a screen reader a role other than the toolkit's default for their class.

#include <QFrame>
#include <QString>
#include <QWidget>

namespace soyka::ui {

// A framed panel that groups controls inside its window. The toolkit reports a plain frame as a
// window of its own, and Orca ignores focus inside a window it does not see active.
class GroupPanel : public QFrame {
  Q_OBJECT
public:
  explicit GroupPanel(QWidget* parent);
};

// Never seen: each announce makes Orca speak the text once, as a notification. Orca speaks
// neither a changed name nor a changed description that this toolkit version reports.
class Announcer : public QWidget {
  Q_OBJECT
public:
  explicit Announcer(QWidget* parent);
  void announce(const QString& text);
};

} // namespace soyka::ui
