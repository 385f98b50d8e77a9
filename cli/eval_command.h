#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "evaluation/evaluation_csv.h"

namespace vemrik {

/// Exit codes of vemrik-eval.
inline constexpr int kEvalOk = 0;
inline constexpr int kEvalBadArguments = 1;
inline constexpr int kEvalBadWorkspace = 2;
inline constexpr int kEvalCsvNotWritten = 3;
inline constexpr int kEvalOutputLost = 4;  ///< the summary could not be written to `out`

/// vemrik-eval without the process: the arguments after the program's name, the summary to
/// `out`, messages to `err`; returns the exit code. A `--csv` file that cannot be written is refused
/// before any run.
int runEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemrik
