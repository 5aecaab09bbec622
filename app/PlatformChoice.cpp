#include "PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace soyka::app {

namespace {

constexpr char PlatformVariable[] = "QT_QPA_PLATFORM";
constexpr char X11DisplayVariable[] = "DISPLAY";
// X11 first; should its display not answer, Wayland rather than no window at all.
constexpr char X11ThenWayland[] = "xcb;wayland";

} // namespace

void ChoosePlatform() {
  // An empty value names nothing: the toolkit itself reads it as unset.
  if (!qEnvironmentVariableIsEmpty(PlatformVariable) ||
      qEnvironmentVariableIsEmpty(X11DisplayVariable)) {
    return;
  }
  qputenv(PlatformVariable, X11ThenWayland);
}

} // namespace soyka::app
