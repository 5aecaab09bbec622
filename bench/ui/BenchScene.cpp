#include "BenchScene.h"

#include "PaintWatch.h"

#include <QAbstractButton>

#include <array>

namespace soyka::bench {
namespace {

Word12 Command(int opcode, int a1, int a2, int a3) {
  return WordFromValue(opcode * 512 + a1 * 64 + a2 * 8 + a3);
}

// Rotates three cells for ever: three copies and a jump back that is always taken, so every
// tick moves the markers, fills the registers and, three ticks in four, changes a memory cell.
std::array<Word12, CellCount> EndlessProgram() {
  return {Command(OpcodeMove, 6, 0, 5),
          Command(OpcodeMove, 7, 0, 6),
          Command(OpcodeMove, 5, 0, 7),
          Command(OpcodeJumpIfEqual, 4, 4, 0),
          WordFromValue(0),
          WordFromValue(0),
          WordFromValue(0b101010101010),
          WordFromValue(0b010101010101)};
}

} // namespace

BenchScene::BenchScene() : state(MakeState()), windows(state) {
  state.Memory = EndlessProgram();
  windows.dispatcher_.RefreshMemoryView();
  windows.show();
}

MachineState BenchScene::MakeState() {
  MachineState fresh;
  InitializeMachine(fresh);
  return fresh;
}

bool BenchScene::OpenEveryView() {
  if (!WaitUntilPainted({&windows.mainWindow_, &windows.controlPanel_})) {
    return false;
  }
  windows.mainWindow_.onMemoryAreaClicked();
  windows.mainWindow_.onProcessorAreaClicked();
  windows.mainWindow_.onDisplayAreaClicked();
  return WaitUntilPainted(
      {&windows.memoryWindow(), &windows.registersWindow(), &windows.displayWindow()});
}

void BenchScene::StartAutoRun() {
  StartRun(0);
}

void BenchScene::StartRun(int modeItem) {
  windows.controlPanel_.modeButtons_->button(modeItem)->setChecked(true);
  windows.controlPanel_.onStartClicked();
}

} // namespace soyka::bench
