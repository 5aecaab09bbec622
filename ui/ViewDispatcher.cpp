#include "ViewDispatcher.h"

#include "ControlPanel.h"
#include "DisplayWindow.h"
#include "MemoryWindow.h"
#include "MessageBoxes.h"
#include "PauseWindow.h"
#include "RegistersWindow.h"

#include <QApplication>

namespace soyka::ui {

void WindowViews::RefreshMemoryView() {
  if (memory_) {
    memory_->RefreshMemoryView();
  }
}

void WindowViews::MoveCellMarker(int from, int to) {
  if (memory_) {
    memory_->MoveCellMarker(from, to);
  }
}

void WindowViews::ShowCellMarker(int cell) {
  if (memory_) {
    memory_->ShowCellMarker(cell);
  }
}

void WindowViews::HideCellMarker(int cell) {
  if (memory_) {
    memory_->HideCellMarker(cell);
  }
}

void WindowViews::RefreshCommandRegisterView() {
  if (registers_) {
    registers_->RefreshCommandRegisterView();
  }
}

void WindowViews::RefreshAccumulatorView() {
  if (registers_) {
    registers_->RefreshAccumulatorView();
  }
}

void WindowViews::RefreshCounterView() {
  if (registers_) {
    registers_->RefreshCounterView();
  }
  if (panel_) {
    panel_->setCounterLamps(state_.CounterBits);
  }
}

void WindowViews::ClearDisplay() {
  if (display_) {
    display_->ClearDisplay();
  }
}

void WindowViews::ShowDisplayRow(int row, int cell) {
  if (display_) {
    display_->ShowDisplayRow(row, cell);
  }
}

void WindowViews::SetExecutedAddress(const std::string& text) {
  if (info_) {
    info_->SetExecutedAddress(text);
  }
}

void WindowViews::SetTactComment(int tact, const std::string& line1, const std::string& line2,
                                 const std::string& line3) {
  if (info_) {
    info_->SetTactComment(tact, line1, line2, line3);
  }
}

void WindowViews::PauseForTact() {
  if (info_) {
    info_->PauseForTact();
  } else {
    state_.Halted = true;
  }
}

void WindowViews::EnableInfoContinue() {
  if (info_) {
    info_->EnableInfoContinue();
  }
}

void WindowViews::SetInfoCommentsVisible(bool visible) {
  if (info_) {
    info_->SetInfoCommentsVisible(visible);
  }
}

void WindowViews::CloseInfoWindow() {
  if (info_) {
    info_->CloseInfoWindow();
  }
}

void WindowViews::DisablePanelStop() {
  if (panel_) {
    panel_->DisablePanelStop();
  }
}

void WindowViews::ShowErrorBox(const std::string& text) {
  showErrorMessage(QApplication::activeWindow(), text);
}

void WindowViews::SetInputLamps(bool on) {
  // Switching on, the panel's lamp lights first; switching off, the memory window's goes first.
  if (on) {
    if (panel_) {
      panel_->setInputLamp(true);
    }
    if (memory_) {
      memory_->setInputLamp(true);
    }
  } else {
    if (memory_) {
      memory_->setInputLamp(false);
    }
    if (panel_) {
      panel_->setInputLamp(false);
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

void WindowViews::ShowWantedWindows() {
  if (state_.MemoryWindowOpen) {
    showAndRaise(memory_);
  }
  if (state_.RegistersWindowOpen) {
    showAndRaise(registers_);
  }
  if (state_.DisplayWindowOpen) {
    showAndRaise(display_);
  }
  if (state_.MemoryWindowOpen && memory_) {
    memory_->focusGrid();
  }
}

} // namespace soyka::ui
