#include "PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace soyka::app {
namespace {

using Value = std::optional<std::string>; // nullopt: the variable is not in the environment

struct Environment {
  const char* name;
  Value platform;       // QT_QPA_PLATFORM
  Value x11Display;     // DISPLAY
  Value waylandDisplay; // WAYLAND_DISPLAY
  Value sessionType;    // XDG_SESSION_TYPE
  Value expected;       // QT_QPA_PLATFORM once the choice is made
};

// Test names and failures show the row's name rather than its bytes.
void PrintTo(const Environment& row, std::ostream* out) {
  *out << row.name;
}

const Value Unset;
const Value Empty = std::string();
const Value X11Chosen = "xcb;wayland";

void Put(const char* variable, const Value& value) {
  if (value) {
    qputenv(variable, value->c_str());
  } else {
    qunsetenv(variable);
  }
}

Value Read(const char* variable) {
  return qEnvironmentVariableIsSet(variable) ? Value(qgetenv(variable).toStdString()) : Unset;
}

class PlatformChoice : public ::testing::TestWithParam<Environment> {};

TEST_P(PlatformChoice, LeavesTheToolkitThePlatformItShouldUse) {
  const Environment& row = GetParam();
  Put("QT_QPA_PLATFORM", row.platform);
  Put("DISPLAY", row.x11Display);
  Put("WAYLAND_DISPLAY", row.waylandDisplay);
  Put("XDG_SESSION_TYPE", row.sessionType);
  ChoosePlatform();
  EXPECT_EQ(Read("QT_QPA_PLATFORM"), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, PlatformChoice,
    ::testing::Values(
        Environment{"X11Only", Unset, ":0", Unset, "x11", X11Chosen},
        Environment{"BothDisplays", Unset, ":0", "wayland-0", Unset, X11Chosen},
        Environment{"WaylandSessionOffersX11", Unset, ":0", "wayland-0", "wayland", X11Chosen},
        Environment{"EmptyPlatformNamesNothing", Empty, ":1", "wayland-0", "wayland", X11Chosen},
        Environment{"WaylandOnly", Unset, Unset, "wayland-0", "wayland", Unset},
        Environment{"EmptyX11Display", Unset, Empty, "wayland-0", "wayland", Unset},
        Environment{"EmptyPlatformWithoutX11", Empty, Unset, "wayland-0", "wayland", Empty},
        Environment{"NoDisplayAtAll", Unset, Unset, Unset, Unset, Unset},
        Environment{"UserChoseWayland", "wayland", ":0", "wayland-0", "wayland", "wayland"},
        Environment{"UserChoseOffscreen", "offscreen", ":0", Unset, "x11", "offscreen"}),
    [](const ::testing::TestParamInfo<Environment>& info) { return info.param.name; });

} // namespace
} // namespace soyka::app
