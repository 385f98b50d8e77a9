#pragma once

#include <string>
#include <vector>

#include "analysis/sheet_csv.h"
#include "evaluation/run_many.h"
#include "evaluation/sweep.h"

namespace vemrik {

/// The outcome as the CSV and the page name it: "success", "lost", "timeout", "cancelled".
const char* outcomeName(Outcome o);

/// The runs as CSV: a header "run,seed,outcome,steps,x,y,heading", then one row per run; the
/// pose in the shortest text that reads back as the same float. The spreadsheet form names the
/// columns and outcomes in the language spoken.
std::string csvText(const Evaluation& e, CsvForm form = CsvForm::Plain);

/// A sweep's runs as CSV: csvText's columns after a first one, "level".
std::string sweepCsvText(const std::vector<SweepPoint>& sweep, CsvForm form = CsvForm::Plain);

}  // namespace vemrik
