#pragma once
// What the memory, registers and display windows share: the small close button in the top-left
// corner, which hides the view and clears its open flag; Escape, which presses it; and the
// window system's close, which is refused.

#include "Machine.h"
#include "StateEdits.h"
#include "ViewOperations.h"

#include <QPushButton>
#include <QWidget>

namespace soyka::ui {

class ViewWindowBase : public QWidget {
  Q_OBJECT
public:
  ViewWindowBase(MachineState& state, ViewOperations& views, ViewWindow view, QWidget* parent);

  QPushButton* closeButton_ = nullptr;

public slots:
  void onCloseClicked();

protected:
  // Made where the view wants it in its tab order.
  void createCloseButton();
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  MachineState& state_;
  ViewOperations& views_;

private:
  const ViewWindow view_;
};

} // namespace soyka::ui
