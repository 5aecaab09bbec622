#pragma once
// The harnesses' output: one "name=value" pair per line on standard output, read by bench/run.
// A name ending in "_us" carries a reading of the shared monotonic clock, which the launcher
// turns into milliseconds since it started the process.

#include <QString>

namespace soyka::bench {

void Report(const char* name, double value);
void Report(const char* name, long long value);
void ReportText(const char* name, const QString& text);

} // namespace soyka::bench
