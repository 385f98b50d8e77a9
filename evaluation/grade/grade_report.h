#pragma once

#include <string>
#include <vector>

#include "analysis/sheet_csv.h"
#include "evaluation/grade/grading.h"

namespace vemrik {

/// The ranked results for people, in Polish with decimal commas: the task's settings, then per
/// student a line with the place, score, rule lines and name, the students who handed in the same
/// work, and a line per track.
std::string gradeTableText(const Task& task, const std::string& taskPath,
                           const std::vector<StudentResult>& ranked);

/// Why the task file at `path` cannot be graded, with the reader's `error`, for people.
std::string taskErrorText(const std::string& path, const std::string& error);

/// The results for other programs: a header, then one row per student and track, numbers with a
/// decimal point; a student that could not be run has a row per track with the reason and no
/// numbers. The spreadsheet form has one row per student instead, the score and each track's success
/// as percentages, then the reason a file could not be run and the students with the same work.
std::string gradeCsvText(const Task& task, const std::vector<StudentResult>& ranked,
                         CsvForm form = CsvForm::Plain);

/// One self-contained HTML page: the table, the same work marked, and a bar chart of the success rates per
/// student, as inline SVG. No scripts, nothing fetched.
std::string gradeHtmlText(const Task& task, const std::string& taskPath,
                          const std::vector<StudentResult>& ranked);

}  // namespace vemrik
