#pragma once
// The learner: every action a pupil can take on the program, drawn from the monkey's dice. An
// action is drawn first, with its description, and performed afterwards, because performing it
// may open a modal window that waits for the learner's next actions.

#include "Delivery.h"
#include "MonkeyRandom.h"
#include "ProgramWindows.h"

#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QMessageBox;

namespace soyka::monkey {

struct Action {
  QString text;
  std::function<void()> perform;
};

class LearnerActions {
public:
  // Puts `count` timer ticks in the event queue, as the panel's timer does.
  using TickPoster = std::function<void(int count)>;

  LearnerActions(ui::ProgramWindows& windows, MonkeyRandom& random, TickPoster postTicks);

  // No modal window and no pop-up menu: the whole program is within reach.
  Action Free();
  // A pop-up menu is open: it takes the pointer and the keys.
  Action InPopup(QWidget* popup);
  // `modal` waits for an answer and blocks the other windows.
  Action InModal(QWidget* modal);
  // The way out of a modal window or a pop-up menu, with no dice: for winding down.
  Action WayOut(QWidget* window);

  // A widget as the action list names it: its window, then the widget inside it.
  QString Name(const QWidget* widget) const;

private:
  QString WindowName(const QWidget* window) const;
  // The main window, the panel and the three views, those on screen.
  std::vector<QWidget*> LearnerWindows() const;
  LearnerKey DrawKey(bool typingBits);
  Click DrawClick();

  Action ClickSomewhere(QWidget* window, bool activate, const QString& prefix = {});
  Action KeyTo(QWidget* window, const LearnerKey& key);
  Action PressButton(QAbstractButton* button, bool activate);
  Action Ticks();
  Action PanelButton();
  Action ModeChoice();
  Action MenuChoice();
  Action WindowActivation();
  Action AnyButton();
  Action BlockedClick();
  Action ExitQuestion(QMessageBox* box);

  ui::ProgramWindows& windows_;
  MonkeyRandom& random_;
  TickPoster postTicks_;
};

} // namespace soyka::monkey
