#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vemrik {

/// Exit code of `vemrik-eval challenge` when the work misses a level's goal; kept apart from the
/// codes for bad arguments and bad files so that a script can tell the three apart.
inline constexpr int kEvalGoalMissed = 5;

/// `vemrik-eval challenge` without the process: the arguments after "challenge", the verdict to
/// `out`, messages to `err`; returns one of vemrik-eval's exit codes.
int runChallengeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemrik
