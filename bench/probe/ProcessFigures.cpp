#include "ProcessFigures.h"

#include <ctime>
#include <fstream>
#include <string>

namespace soyka::bench {
namespace {

std::int64_t Microseconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1'000;
}

// One "Name:   1234 kB" line of /proc/self/status.
long StatusKb(const std::string& name) {
  std::ifstream status("/proc/self/status");
  const std::string prefix = name + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(prefix)) {
      return std::stol(line.substr(prefix.size()));
    }
  }
  return 0;
}

} // namespace

std::int64_t MonotonicMicroseconds() {
  return Microseconds(CLOCK_MONOTONIC);
}

std::int64_t CpuMicroseconds() {
  return Microseconds(CLOCK_PROCESS_CPUTIME_ID);
}

long ResidentKb() {
  return StatusKb("VmRSS");
}

long PeakResidentKb() {
  return StatusKb("VmHWM");
}

} // namespace soyka::bench
