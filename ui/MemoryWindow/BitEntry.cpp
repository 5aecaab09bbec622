#include "BitEntry.h"

#include "Machine.h"

#include <QKeyEvent>

namespace soyka::ui {
namespace {

constexpr int GridCells = CellCount * WordBits;

// Hardware key codes of the digit row's 0 and 1 keys (X11 and Wayland: evdev code + 8).
constexpr quint32 XkbKeycodeZero = 19;
constexpr quint32 XkbKeycodeOne = 10;
// Windows virtual-key codes of the same keys.
constexpr quint32 VirtualKeyZero = 0x30;
constexpr quint32 VirtualKeyOne = 0x31;

std::optional<int> bitOfNativeKey(const QKeyEvent& key, const QString& platformName) {
  if (platformName == QLatin1String("xcb") || platformName == QLatin1String("wayland")) {
    if (key.nativeScanCode() == XkbKeycodeZero) {
      return 0;
    }
    if (key.nativeScanCode() == XkbKeycodeOne) {
      return 1;
    }
  } else if (platformName == QLatin1String("windows")) {
    if (key.nativeVirtualKey() == VirtualKeyZero) {
      return 0;
    }
    if (key.nativeVirtualKey() == VirtualKeyOne) {
      return 1;
    }
  }
  return std::nullopt;
}

} // namespace

GridCell stepCell(GridCell cell, bool forward) {
  const int index = cell.row * WordBits + cell.column;
  const int next = (index + (forward ? 1 : GridCells - 1)) % GridCells;
  return {next / WordBits, next % WordBits};
}

std::optional<int> typedBit(const QKeyEvent& key, const QString& platformName) {
  if (key.modifiers().testFlag(Qt::KeypadModifier)) {
    return std::nullopt;
  }
  if (key.key() == Qt::Key_0) {
    return 0;
  }
  if (key.key() == Qt::Key_1) {
    return 1;
  }
  return bitOfNativeKey(key, platformName);
}

} // namespace soyka::ui
