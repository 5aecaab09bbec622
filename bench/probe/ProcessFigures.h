#pragma once
// What a harness reads about its own process: a monotonic clock that every process on the machine
// shares (so a launcher and its child can compare readings), the CPU time used so far, and the
// resident memory now and at its peak.

#include <cstdint>

namespace soyka::bench {

std::int64_t MonotonicMicroseconds();
std::int64_t CpuMicroseconds();
// Kibibytes, from the kernel's own account of the process; 0 if it cannot be read.
long ResidentKb();
long PeakResidentKb();

} // namespace soyka::bench
