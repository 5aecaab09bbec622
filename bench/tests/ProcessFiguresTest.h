#pragma once
// The process figures every harness reports: memory that follows the pages a process touches,
// CPU time that counts work and not waiting, and a clock that only goes forward.

#include <QObject>

class ProcessFiguresTest : public QObject {
  Q_OBJECT
private slots:
  void residentMemoryFollowsTouchedPages_data();
  void residentMemoryFollowsTouchedPages();
  void cpuTimeCountsWorkNotWaiting();
  void monotonicClockMeasuresASleep();
};
