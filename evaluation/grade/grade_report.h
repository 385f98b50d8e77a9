#pragma once

#include <string>
#include <vector>

#include "evaluation/grade/grading.h"

namespace vemrik {

/// The ranked results for people, in Polish with decimal commas: the task's settings, then per
/// student a line with the place, score, rule lines and name, and a line per track.
std::string gradeTableText(const Task& task, const std::string& taskPath,
                           const std::vector<StudentResult>& ranked);

/// The results for other programs: a header, then one row per student and track, numbers with a
/// decimal point; a student that could not be run has a row per track with the reason and no
/// numbers.
std::string gradeCsvText(const Task& task, const std::vector<StudentResult>& ranked);

/// One self-contained HTML page: the table and a bar chart of the success rates per student, as
/// inline SVG. No scripts, nothing fetched.
std::string gradeHtmlText(const Task& task, const std::string& taskPath,
                          const std::vector<StudentResult>& ranked);

}  // namespace vemrik
