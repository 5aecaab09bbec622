#pragma once
// The console runner: reads options and a memory image, runs the program, prints every view call
// and the final state. Kept apart from main() so tests can drive it with string streams.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace soyka {

inline constexpr int TraceBadInputStatus = 2;

// Returns the process exit status: 0 after any run, TraceBadInputStatus for bad options or input.
int RunTrace(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err);

} // namespace soyka
