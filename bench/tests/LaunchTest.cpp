#include "LaunchTest.h"

#include "ProcessFigures.h"

#include <QProcess>
#include <QTest>

namespace {

struct Launched {
  QStringList lines;
  int status = -1;
};

Launched Launch(const QStringList& arguments) {
  QProcess launcher;
  launcher.start(QStringLiteral(SOYKA_BENCH_LAUNCH), arguments);
  launcher.waitForFinished(30'000);
  Launched launched;
  launched.lines = QString::fromUtf8(launcher.readAllStandardOutput())
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  launched.status = launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
  return launched;
}

} // namespace

void LaunchTest::convertsReadingsAndPassesTheRest() {
  // A reading 2 s ahead comes back as 2000 ms less the time from then to the spawn, which fell
  // between the two readings around the launch.
  const long long before = soyka::bench::MonotonicMicroseconds();
  const long long ahead = before + 2'000'000;
  const Launched launched =
      Launch({QStringLiteral("/bin/sh"), QStringLiteral("-c"),
              QStringLiteral("echo peak_kb=1234; echo painted_us=%1; printf 'last=7'").arg(ahead)});
  const long long after = soyka::bench::MonotonicMicroseconds();
  QCOMPARE(launched.status, 0);
  QCOMPARE(launched.lines.size(), 3);
  QCOMPARE(launched.lines[0], QStringLiteral("peak_kb=1234"));
  QVERIFY2(launched.lines[1].startsWith(QStringLiteral("painted_ms=")),
           qPrintable(launched.lines[1]));
  const double ms = launched.lines[1].section(QLatin1Char('='), 1).toDouble();
  // Printed to the microsecond.
  constexpr double RoundingMs = 0.001;
  QVERIFY2(ms >= static_cast<double>(ahead - after) / 1000.0 - RoundingMs &&
               ms <= static_cast<double>(ahead - before) / 1000.0 + RoundingMs,
           qPrintable(launched.lines[1]));
  // A last line without its line break is kept whole.
  QCOMPARE(launched.lines[2], QStringLiteral("last=7"));
}

void LaunchTest::returnsTheProgramsStatus_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("status");
  QTest::newRow("success") << QStringList{QStringLiteral("/bin/true")} << 0;
  QTest::newRow("failure") << QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                                          QStringLiteral("exit 3")}
                           << 3;
  QTest::newRow("killed") << QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                                         QStringLiteral("kill -9 $$")}
                          << 2;
  QTest::newRow("no such program") << QStringList{QStringLiteral("/nonexistent/harness")} << 2;
  QTest::newRow("no program given") << QStringList{} << 2;
}

void LaunchTest::returnsTheProgramsStatus() {
  QFETCH(QStringList, arguments);
  QFETCH(int, status);
  QCOMPARE(Launch(arguments).status, status);
}
