// The harnesses' own parts, tested headless under the application object the run-time
// harnesses use.
#include "LaunchTest.h"
#include "PaintWatchTest.h"
#include "ProcessFiguresTest.h"
#include "ProfiledApplication.h"
#include "ProfiledApplicationTest.h"

#include <QTest>

int main(int argc, char** argv) {
  soyka::bench::ProfiledApplication app(argc, argv);
  int failures = 0;
  ProcessFiguresTest figures;
  failures += QTest::qExec(&figures, argc, argv);
  PaintWatchTest paintWatch;
  failures += QTest::qExec(&paintWatch, argc, argv);
  ProfiledApplicationTest profile;
  failures += QTest::qExec(&profile, argc, argv);
  LaunchTest launch;
  failures += QTest::qExec(&launch, argc, argv);
  return failures == 0 ? 0 : 1;
}
