#include "ProjectorScale.h"

#include <gtest/gtest.h>

namespace soyka::app {
namespace {

TEST(ProjectorScale, IsCutDownToWhatTheScreenHolds) {
  const struct {
    double requested;
    QSize available;
    double expected;
  } cases[] = {
      {1.5, {1920, 1050}, 1.5},                                     // fits
      {3.0, {1920, 1050}, 2.1875},                                  // 1050 / 480
      {2.0, {1280, 770}, 770.0 / 480}, {2.0, {1000, 2000}, 1.5625}, // 1000 / 640
      {1.5, {600, 560}, 1.0}, // never smaller than the windows as they are
  };
  for (const auto& row : cases) {
    EXPECT_DOUBLE_EQ(FittingScale(row.requested, row.available), row.expected)
        << row.requested << " on " << row.available.width() << "x" << row.available.height();
  }
}

TEST(ProjectorScale, KeepsEveryFrameInsideTheAvailableArea) {
  const QRect area(0, 30, 800, 470); // a panel of 30 pixels at the top of an 800 x 500 screen
  const struct {
    QRect frame;
    QPoint expected;
  } cases[] = {
      {{100, 100, 300, 200}, {100, 100}}, // inside: unmoved
      {{332, 0, 290, 190}, {332, 30}},    // under the top panel
      {{600, 400, 300, 200}, {500, 300}}, // beyond the right and bottom edges
      {{-20, 40, 300, 200}, {0, 40}},
      {{100, 100, 900, 600}, {0, 30}}, // larger than the area: its title bar stays reachable
  };
  for (const auto& row : cases) {
    EXPECT_EQ(FittedPosition(row.frame, area), row.expected)
        << row.frame.x() << "," << row.frame.y();
  }
}

} // namespace
} // namespace soyka::app
