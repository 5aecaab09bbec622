#pragma once
// View operations for the main window's tests: the main window answers none of them itself, so
// every call is only written down, in order.

#include "TraceViews.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace soyka::testing {

// Built before the recorder that writes into it.
struct MainWindowLog {
  std::ostringstream log;
};

class MainWindowTestViews : private MainWindowLog, public TraceViews {
public:
  explicit MainWindowTestViews(MachineState& state) : TraceViews(state, log) {}

  // Operation names, in call order.
  std::vector<std::string> Operations() const {
    std::vector<std::string> names;
    for (const std::string& line : TraceLines(log.str())) {
      names.push_back(TraceOperation(line));
    }
    return names;
  }

  int Count(const std::string& operation) const {
    const std::vector<std::string> names = Operations();
    return static_cast<int>(std::count(names.begin(), names.end(), operation));
  }

  void Clear() { log.str(""); }
};

} // namespace soyka::testing
