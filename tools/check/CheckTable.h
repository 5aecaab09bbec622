#pragma once
// One row a learner's file and how it is printed: as lines for the teacher's eyes or as CSV.

#include "CheckRun.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace soyka {

struct CheckedFile {
  std::string file;
  // Why the file could not be read; otherwise its checks' outcome.
  std::optional<std::string> unreadable;
  CheckSummary summary;

  bool Passed() const { return !unreadable && summary.passed == summary.total; }
};

void PrintLines(std::ostream& out, const std::vector<CheckedFile>& files);
void PrintCsv(std::ostream& out, const std::vector<CheckedFile>& files);

} // namespace soyka
