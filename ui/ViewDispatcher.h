#pragma once
// The view operations answered by the windows: the one place that knows which window answers
// which operation, and whether the memory, registers, display and pause windows exist yet. An
// operation reaches only the windows built so far; a window built later, when it is first shown,
// draws itself from the state, which keeps everything the windows were asked to show.

#include "Machine.h"
#include "ViewOperations.h"

#include <functional>
#include <memory>
#include <vector>

class QWidget;
class RegistersWindow;
class MemoryWindow;
class DisplayWindow;
class PauseWindow;
class ControlPanel;

namespace soyka::ui {

class ViewDispatcher : public ViewOperations {
public:
  explicit ViewDispatcher(MachineState& state);
  ~ViewDispatcher() override;
  ViewDispatcher(const ViewDispatcher&) = delete;
  ViewDispatcher& operator=(const ViewDispatcher&) = delete;

  void attach(ControlPanel* panel) { controlPanel_ = panel; }
  // Runs once, when the memory window has just been built.
  void whenMemoryWindowBuilt(std::function<void(MemoryWindow&)> setUp) {
    memoryWindowSetUp_ = std::move(setUp);
  }

  // Each builds its window on first use.
  RegistersWindow& registersWindow();
  MemoryWindow& memoryWindow();
  DisplayWindow& displayWindow();
  PauseWindow& pauseWindow();

  // The windows built so far, in the order they were built; builds none.
  std::vector<QWidget*> builtWindows() const;
  // Closes the windows built here, the pause window first, while the panel is still there for
  // anything they report on their way out.
  void destroyWindows();

  void RefreshMemoryView() override;
  void MoveCellMarker(int from, int to) override;
  void ShowCellMarker(int cell) override;
  void HideCellMarker(int cell) override;
  void RefreshCommandRegisterView() override;
  void RefreshAccumulatorView() override;
  void RefreshCounterView() override;
  void ClearDisplay() override;
  void ShowDisplayRow(int row, int cell) override;
  void SetExecutedAddress(const std::string& text) override;
  void SetTactComment(int tact, const std::string& line1, const std::string& line2,
                      const std::string& line3) override;
  std::optional<PauseAnswer> PauseForTact() override;
  void EnableInfoContinue() override;
  void SetInfoCommentsVisible(bool visible) override;
  void CloseInfoWindow() override;
  void DisablePanelStop() override;
  bool ShowErrorBox(const std::string& text) override;
  void SetInputLamps(bool on) override;
  void ShowWantedWindows() override;

private:
  void built(QWidget* window);
  // The window in `window`, built first if it is not yet.
  template <typename Window, typename... Arguments>
  Window& buildOnNeed(std::unique_ptr<Window>& window, Arguments&... arguments);
  // The memory window's companions are the registers and display windows built so far.
  void tellCompanions();

  MachineState& state_;
  std::unique_ptr<RegistersWindow> registersWindow_;
  std::unique_ptr<MemoryWindow> memoryWindow_;
  std::unique_ptr<DisplayWindow> displayWindow_;
  std::unique_ptr<PauseWindow> pauseWindow_;
  std::vector<QWidget*> buildOrder_;
  ControlPanel* controlPanel_ = nullptr;
  std::function<void(MemoryWindow&)> memoryWindowSetUp_;
};

} // namespace soyka::ui
