#pragma once

#include <string>
#include <vector>

#include "evaluation/run_many.h"
#include "evaluation/sweep.h"

namespace vemrik {

/// The outcome as the CSV and the page name it: "success", "lost", "timeout", "cancelled".
const char* outcomeName(Outcome o);

/// The runs as CSV: a header "run,seed,outcome,steps,x,y,heading", then one row per run; the
/// pose in the shortest text that reads back as the same float.
std::string csvText(const Evaluation& e);

/// A sweep's runs as CSV: csvText's columns after a first one, "level".
std::string sweepCsvText(const std::vector<SweepPoint>& sweep);

}  // namespace vemrik
