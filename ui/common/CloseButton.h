#pragma once
// The small button with a red cross in a view's top-left corner: the only way to close the view.

#include <QPushButton>

namespace soyka::ui {

class CloseButton : public QPushButton {
  Q_OBJECT
public:
  explicit CloseButton(QWidget* parent);
};

} // namespace soyka::ui
