#include "ViewDispatcher.h"

#include "ControlPanel.h"
#include "DisplayWindow.h"
#include "MemoryWindow.h"
#include "MessageBoxes.h"
#include "PauseWindow.h"
#include "RegistersWindow.h"

#include <QApplication>

namespace soyka::ui {

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

void ViewDispatcher::PauseForTact() {
  if (pauseWindow_) {
    pauseWindow_->PauseForTact();
  } else {
    state_.Halted = true;
  }
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

void ViewDispatcher::ShowErrorBox(const std::string& text) {
  showErrorMessage(QApplication::activeWindow(), text);
}

void ViewDispatcher::SetInputLamps(bool on) {
  // Switching on, the panel's lamp lights first; switching off, the memory window's goes first.
  if (on) {
    if (controlPanel_) {
      controlPanel_->setInputLamp(true);
    }
    if (memoryWindow_) {
      memoryWindow_->setInputLamp(true);
    }
  } else {
    if (memoryWindow_) {
      memoryWindow_->setInputLamp(false);
    }
    if (controlPanel_) {
      controlPanel_->setInputLamp(false);
    }
  }
}

namespace {

void showAndRaise(QWidget* window) {
  if (window) {
    window->show();
    window->raise();
  }
}

} // namespace

void ViewDispatcher::ShowWantedWindows() {
  if (state_.MemoryWindowOpen) {
    showAndRaise(memoryWindow_);
  }
  if (state_.RegistersWindowOpen) {
    showAndRaise(registersWindow_);
  }
  if (state_.DisplayWindowOpen) {
    showAndRaise(displayWindow_);
  }
  if (state_.MemoryWindowOpen && memoryWindow_) {
    memoryWindow_->focusGrid();
  }
}

} // namespace soyka::ui
