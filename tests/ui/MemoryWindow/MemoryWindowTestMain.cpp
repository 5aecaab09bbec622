#include "MemoryWindowTests.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  for (auto* run : {RunMemoryDecodingTest, RunBitEntryTest, RunMemoryLayoutTest, RunMemoryInputTest,
                    RunMemoryMenuTest, RunMemoryRunTest}) {
    failures += run(argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
