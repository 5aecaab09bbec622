#pragma once
// The teacher's console check of a class: an exercise's checks run on each learner's file. Kept
// apart from main() so tests can drive it with string streams.

#include <ostream>
#include <string>
#include <vector>

namespace soyka {

inline constexpr int CheckAllPassedStatus = 0;
inline constexpr int CheckSomeFailedStatus = 1;
inline constexpr int CheckUnusableStatus = 2;

// The arguments after the program's name: [--csv] EXERCISE [FILE...].
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace soyka
