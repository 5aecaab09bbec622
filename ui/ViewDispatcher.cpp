#include "ViewDispatcher.h"

#include "ControlPanel.h"
#include "DisplayWindow.h"
#include "MemoryWindow.h"
#include "MessageBoxes.h"
#include "PauseWindow.h"
#include "RegistersWindow.h"

#include <QApplication>
#include <QMessageBox>

namespace soyka::ui {

ViewDispatcher::ViewDispatcher(MachineState& state) : state_(state) {}

ViewDispatcher::~ViewDispatcher() {
  destroyWindows();
}

void ViewDispatcher::built(QWidget* window) {
  buildOrder_.push_back(window);
}

void ViewDispatcher::tellCompanions() {
  if (!memoryWindow_) {
    return;
  }
  std::vector<const QWidget*> companions;
  if (registersWindow_) {
    companions.push_back(registersWindow_.get());
  }
  if (displayWindow_) {
    companions.push_back(displayWindow_.get());
  }
  memoryWindow_->setCompanionViews(std::move(companions));
}

template <typename Window, typename... Arguments>
Window& ViewDispatcher::buildOnNeed(std::unique_ptr<Window>& window, Arguments&... arguments) {
  if (!window) {
    window = std::make_unique<Window>(arguments...);
    built(window.get());
    tellCompanions();
  }
  return *window;
}

RegistersWindow& ViewDispatcher::registersWindow() {
  return buildOnNeed(registersWindow_, state_, *this);
}

MemoryWindow& ViewDispatcher::memoryWindow() {
  const bool building = !memoryWindow_;
  MemoryWindow& window = buildOnNeed(memoryWindow_, state_, *this);
  if (building && memoryWindowSetUp_) {
    memoryWindowSetUp_(window);
  }
  return window;
}

DisplayWindow& ViewDispatcher::displayWindow() {
  return buildOnNeed(displayWindow_, state_, *this);
}

PauseWindow& ViewDispatcher::pauseWindow() {
  const bool fresh = !pauseWindow_;
  PauseWindow& window = buildOnNeed(pauseWindow_, state_);
  if (fresh && controlPanel_) {
    QObject::connect(&window, &PauseWindow::answered, controlPanel_,
                     &ControlPanel::onPauseAnswered);
  }
  return window;
}

std::vector<QWidget*> ViewDispatcher::builtWindows() const {
  return buildOrder_;
}

void ViewDispatcher::destroyWindows() {
  buildOrder_.clear();
  pauseWindow_.reset();
  displayWindow_.reset();
  memoryWindow_.reset();
  registersWindow_.reset();
}

void ViewDispatcher::RefreshMemoryView() {
  if (memoryWindow_) {
    memoryWindow_->RefreshMemoryView();
  }
}

void ViewDispatcher::MoveCellMarker(int from, int to) {
  if (memoryWindow_) {
    memoryWindow_->MoveCellMarker(from, to);
  }
}

void ViewDispatcher::ShowCellMarker(int cell) {
  if (memoryWindow_) {
    memoryWindow_->ShowCellMarker(cell);
  }
}

void ViewDispatcher::HideCellMarker(int cell) {
  if (memoryWindow_) {
    memoryWindow_->HideCellMarker(cell);
  }
}

void ViewDispatcher::RefreshCommandRegisterView() {
  if (registersWindow_) {
    registersWindow_->RefreshCommandRegisterView();
  }
}

void ViewDispatcher::RefreshAccumulatorView() {
  if (registersWindow_) {
    registersWindow_->RefreshAccumulatorView();
  }
}

void ViewDispatcher::RefreshCounterView() {
  if (registersWindow_) {
    registersWindow_->RefreshCounterView();
  }
  if (controlPanel_) {
    controlPanel_->setCounterLamps(state_.CounterBits);
  }
}

void ViewDispatcher::ClearDisplay() {
  if (displayWindow_) {
    displayWindow_->ClearDisplay();
  }
}

void ViewDispatcher::ShowDisplayRow(int row, int cell) {
  if (displayWindow_) {
    displayWindow_->ShowDisplayRow(row, cell);
  }
}

void ViewDispatcher::SetExecutedAddress(const std::string& text) {
  if (pauseWindow_) {
    pauseWindow_->SetExecutedAddress(text);
  }
}

void ViewDispatcher::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                                    const std::string& line3) {
  if (pauseWindow_) {
    pauseWindow_->SetTactComment(tact, line1, line2, line3);
  }
}

std::optional<PauseAnswer> ViewDispatcher::PauseForTact() {
  return pauseWindow().PauseForTact();
}

void ViewDispatcher::EnableInfoContinue() {
  if (pauseWindow_) {
    pauseWindow_->EnableInfoContinue();
  }
}

void ViewDispatcher::SetInfoCommentsVisible(bool visible) {
  if (pauseWindow_) {
    pauseWindow_->SetInfoCommentsVisible(visible);
  }
}

void ViewDispatcher::CloseInfoWindow() {
  if (pauseWindow_) {
    pauseWindow_->CloseInfoWindow();
  }
}

void ViewDispatcher::DisablePanelStop() {
  if (controlPanel_) {
    controlPanel_->DisablePanelStop();
  }
}

bool ViewDispatcher::ShowErrorBox(const std::string& text) {
  QMessageBox* box = openErrorMessage(QApplication::activeWindow(), text);
  if (controlPanel_) {
    QObject::connect(box, &QDialog::finished, controlPanel_,
                     [panel = controlPanel_] { panel->onPauseAnswered(PauseAnswer::Continue); });
  }
  return false;
}

void ViewDispatcher::SetInputLamps(bool on) {
  // Switching on, the panel's lamp lights first; switching off, the memory window's goes first.
  if (on && controlPanel_) {
    controlPanel_->setInputLamp(true);
  }
  if (memoryWindow_) {
    memoryWindow_->setInputLamp(on);
  }
  if (!on && controlPanel_) {
    controlPanel_->setInputLamp(false);
  }
}

namespace {

void showAndRaise(QWidget& window) {
  window.show();
  window.raise();
}

} // namespace

void ViewDispatcher::ShowWantedWindows() {
  if (state_.MemoryWindowOpen) {
    showAndRaise(memoryWindow());
  }
  if (state_.RegistersWindowOpen) {
    showAndRaise(registersWindow());
  }
  if (state_.DisplayWindowOpen) {
    showAndRaise(displayWindow());
  }
  if (state_.MemoryWindowOpen) {
    memoryWindow().focusGrid();
  }
}

} // namespace soyka::ui
