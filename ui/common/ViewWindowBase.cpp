#include "ViewWindowBase.h"

#include "CloseButton.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace soyka::ui {

ViewWindowBase::ViewWindowBase(MachineState& state, ViewOperations& views, ViewWindow view,
                               QWidget* parent)
    : QWidget(parent), state_(state), views_(views), view_(view) {}

void ViewWindowBase::createCloseButton() {
  closeButton_ = new CloseButton(this);
  closeButton_->setObjectName(QStringLiteral("closeButton"));
  connect(closeButton_, &QPushButton::clicked, this, &ViewWindowBase::onCloseClicked);
}

void ViewWindowBase::onCloseClicked() {
  hide();
  SetViewWanted(state_, view_, false);
  views_.ShowWantedWindows();
}

void ViewWindowBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    closeButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ViewWindowBase::closeEvent(QCloseEvent* event) {
  event->ignore();
}

} // namespace soyka::ui
