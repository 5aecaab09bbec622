#include "ProcessFiguresTest.h"

#include "ProcessFigures.h"

#include <QTest>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>

using soyka::bench::CpuMicroseconds;
using soyka::bench::MonotonicMicroseconds;
using soyka::bench::PeakResidentKb;
using soyka::bench::ResidentKb;

void ProcessFiguresTest::residentMemoryFollowsTouchedPages_data() {
  QTest::addColumn<long>("megabytes");
  // Above the allocator's largest threshold, so each block is mapped and unmapped on its own.
  QTest::newRow("40 MB") << 40L;
  QTest::newRow("64 MB") << 64L;
}

void ProcessFiguresTest::residentMemoryFollowsTouchedPages() {
  QFETCH(long, megabytes);
  const long kb = megabytes * 1024;
  const long before = ResidentKb();
  QVERIFY(before > 0);
  long touched = 0;
  {
    const auto block = std::make_unique<char[]>(static_cast<std::size_t>(kb) * 1024);
    std::memset(block.get(), 1, static_cast<std::size_t>(kb) * 1024);
    touched = ResidentKb();
    QVERIFY2(touched - before >= kb * 9 / 10,
             qPrintable(
                 QStringLiteral("%1 kB more after touching %2 kB").arg(touched - before).arg(kb)));
  }
  // A block this large goes back to the system when freed; the peak remembers it.
  QVERIFY(ResidentKb() < touched - kb / 2);
  // The kernel keeps these counts loosely (per CPU), so the peak is checked against the block.
  const long peak = PeakResidentKb();
  QVERIFY2(peak >= before + kb * 9 / 10,
           qPrintable(QStringLiteral("peak %1 kB, %2 kB before").arg(peak).arg(before)));
}

void ProcessFiguresTest::cpuTimeCountsWorkNotWaiting() {
  using namespace std::chrono_literals;
  // A sleeping process uses no CPU, however busy the machine.
  const auto idleStart = CpuMicroseconds();
  std::this_thread::sleep_for(100ms);
  const auto idleCpu = CpuMicroseconds() - idleStart;
  QVERIFY2(idleCpu < 20'000, qPrintable(QString::number(idleCpu)));

  // Works until the CPU clock has counted some work: longer on a loaded machine, never shorter
  // than the wall clock allows. The bound only keeps a clock that never moves from hanging.
  constexpr std::int64_t WorkUs = 50'000;
  constexpr std::int64_t GiveUpUs = 20'000'000;
  const auto busyStart = CpuMicroseconds();
  const auto wallStart = MonotonicMicroseconds();
  volatile unsigned long long sum = 0;
  while (CpuMicroseconds() - busyStart < WorkUs && MonotonicMicroseconds() - wallStart < GiveUpUs) {
    sum = sum + 1;
  }
  const auto busyCpu = CpuMicroseconds() - busyStart;
  const auto wall = MonotonicMicroseconds() - wallStart;
  QVERIFY2(busyCpu >= WorkUs, qPrintable(QString::number(busyCpu)));
  // One thread's work cannot outrun the wall clock.
  QVERIFY2(busyCpu <= wall + 1'000, qPrintable(QStringLiteral("%1 > %2").arg(busyCpu).arg(wall)));
}

void ProcessFiguresTest::monotonicClockMeasuresASleep() {
  using namespace std::chrono;
  using namespace std::chrono_literals;
  const auto outerStart = steady_clock::now();
  const auto start = MonotonicMicroseconds();
  std::this_thread::sleep_for(30ms);
  const auto elapsed = MonotonicMicroseconds() - start;
  const auto outer = duration_cast<microseconds>(steady_clock::now() - outerStart).count();
  // In microseconds, at least the sleep, and within the standard clock's reading around it (one
  // microsecond for the rounding of each).
  QVERIFY2(elapsed >= 30'000 && elapsed <= outer + 1,
           qPrintable(QStringLiteral("%1 of %2").arg(elapsed).arg(outer)));
}
