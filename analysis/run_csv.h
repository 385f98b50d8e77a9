#pragma once

#include <string>
#include <string_view>

#include "analysis/sheet_csv.h"
#include "engine/run_record.h"

namespace vemrik {

/// The header line of a run's CSV.
inline constexpr std::string_view kRunCsvHeader =
    "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop";

/// The kept steps of a run as CSV: the header, then one line per step, oldest first, each line
/// ended by "\n". Numbers are written so that they read back to the very same float; rule_index
/// counts lines from 1 as the status bar does, and 0 with an empty rule_text means no rule
/// acted; stop is 1 when the sensing the step acted on saw a stop cell. In the spreadsheet form the
/// same columns under names in the language spoken.
std::string runCsv(const RunRecord& record, CsvForm form = CsvForm::Plain);

/// A CSV field: as it is, or in double quotes with inner quotes doubled when it holds a comma,
/// a quote or a line break.
std::string csvField(std::string_view text);

}  // namespace vemrik
