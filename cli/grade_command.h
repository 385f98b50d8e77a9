#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vemrik {

/// `vemrik-eval grade` without the process: the arguments after "grade", the ranked table to
/// `out`, messages to `err`; returns one of vemrik-eval's exit codes. A student file that cannot be
/// run gets its row with the reason and does not stop the others.
int runGradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemrik
