#include "ProcessFiguresTest.h"

#include "ProcessFigures.h"

#include <QTest>

#include <chrono>
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
  const auto idleStart = CpuMicroseconds();
  std::this_thread::sleep_for(100ms);
  const auto idleCpu = CpuMicroseconds() - idleStart;
  QVERIFY2(idleCpu < 20'000, qPrintable(QString::number(idleCpu)));

  const auto busyStart = CpuMicroseconds();
  const auto wallStart = MonotonicMicroseconds();
  volatile unsigned long long sum = 0;
  while (MonotonicMicroseconds() - wallStart < 100'000) {
    sum = sum + 1;
  }
  const auto busyCpu = CpuMicroseconds() - busyStart;
  // On a loaded machine the loop may lose part of its core to others, not most of it.
  QVERIFY2(busyCpu >= 20'000, qPrintable(QString::number(busyCpu)));
  QVERIFY(busyCpu <= MonotonicMicroseconds() - wallStart + 1'000);
}

void ProcessFiguresTest::monotonicClockMeasuresASleep() {
  using namespace std::chrono_literals;
  const auto start = MonotonicMicroseconds();
  std::this_thread::sleep_for(30ms);
  const auto elapsed = MonotonicMicroseconds() - start;
  QVERIFY2(elapsed >= 30'000 && elapsed < 5'000'000, qPrintable(QString::number(elapsed)));
}
