#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "evaluation/run_many.h"
#include "evaluation/sweep.h"

namespace vemrik {

/// Exit codes of vemrik-eval.
inline constexpr int kEvalOk = 0;
inline constexpr int kEvalBadArguments = 1;
inline constexpr int kEvalBadWorkspace = 2;
inline constexpr int kEvalCsvNotWritten = 3;
inline constexpr int kEvalOutputLost = 4;  ///< the summary could not be written to `out`

/// The runs as CSV: a header "run,seed,outcome,steps,x,y,heading", then one row per run; the
/// pose in the shortest text that reads back as the same float.
std::string csvText(const Evaluation& e);

/// A sweep's runs as CSV: csvText's columns after a first one, "level".
std::string sweepCsvText(const std::vector<SweepPoint>& sweep);

/// vemrik-eval without the process: the arguments after the program's name, the summary to
/// `out`, messages to `err`; returns the exit code. A `--csv` file that cannot be written is refused
/// before any run.
int runEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vemrik
