#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "evaluation/evaluation_job.h"
#include "evaluation/summary.h"

namespace vemrik {

/// What a job says to people, in Polish, with decimal commas. Every front end shows these texts as
/// they are; only how the table is laid out is theirs.
struct JobReport {
    /// One plain sentence of how often the robot arrived and how many steps it usually needed,
    /// read before any statistics; empty for a sweep.
    std::string headline;
    /// The lines before the table: the noise, a cancel, one evaluation's summary.
    std::vector<std::string> lines;
    /// A sweep's column names, then one row a level; empty for one evaluation.
    std::vector<std::vector<std::string>> table;
    /// How long the runs took, as "Czas: 0,012 s".
    std::string time;
};

JobReport jobReport(const JobResult& r);

/// "Robot dojechał do mety w 196 z 200 prób (98 %); zwykle potrzebował 446 kroków."
std::string headline(const Summary& s);

/// The report as a terminal shows it: the headline, the lines, the table's columns padded with spaces to line
/// up in a fixed-width font, the time.
std::vector<std::string> reportLines(const JobReport& report);

/// The step limit and the seeds of the runs, as "Limit kroków 5000, ziarna 1 … 500".
std::string settingsLine(const JobSettings& s);

/// A run that did not reach its stop, as "przebieg 3, ziarno 5491: zgubiony po 120 krokach"
/// (the run counted from 1).
std::string failedRunLine(const EvaluatedRun& r);

/// The runs of one evaluation that did not reach their stop, in run order, at most `most`.
std::vector<EvaluatedRun> failedRuns(const JobResult& r, std::size_t most);

}  // namespace vemrik
