#include "Report.h"

#include <cstdio>

namespace soyka::bench {

void Report(const char* name, double value) {
  std::printf("%s=%.4f\n", name, value);
  std::fflush(stdout);
}

void Report(const char* name, long long value) {
  std::printf("%s=%lld\n", name, value);
  std::fflush(stdout);
}

void ReportText(const char* name, const QString& text) {
  std::printf("%s=%s\n", name, text.toUtf8().constData());
  std::fflush(stdout);
}

} // namespace soyka::bench
