#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/grade/task.h"
#include "evaluation/summary.h"

namespace vemrik {

/// What a student handed in, as graded: the robot driven and the rules as a step reads them,
/// sorted, so that the same rules in another order or spelling are the same work.
struct Work {
    Grid robot;
    std::vector<std::string> rules;
    bool operator==(const Work&) const = default;
};

/// How one student's workspace did on a task.
struct StudentResult {
    std::string name;  ///< the file's name without ".vemrik"
    std::string path;
    /// Empty when graded; otherwise, in Polish, why the workspace could not be run at all.
    std::string error;
    int ruleLines = 0;
    /// The weighted mean of the tracks' success rates, 0 … 1.
    double score = 0.0;
    /// One per track of the task, in its order; none when the workspace could not be run.
    std::vector<Summary> tracks;
    /// None when the file could not be read or holds no rules.
    std::optional<Work> work;

    bool graded() const { return error.empty(); }
};

/// Runs the student's rules (and robot, unless the task fixes one) on every track of the task:
/// the task's runs with its seeds, step limit and noise. A file that cannot be read, holds no
/// rules or cannot be run gives a result with the reason, never an exception.
StudentResult gradeStudent(const Task& task, const std::string& name, const std::string& path);

/// Grades every file, named by its file name without ".vemrik", and ranks the results; `graded`,
/// when given, hears (done, total) after each student.
std::vector<StudentResult> gradeClass(const Task& task, const std::vector<std::string>& files,
                                      const std::function<void(int, int)>& graded = nullptr);

/// The weighted mean of the success rates, the task's track weights as weights.
double weightedScore(const Task& task, const std::vector<Summary>& tracks);

/// Per result, the names of the others that handed in the same work, in their order.
std::vector<std::vector<std::string>> sameWork(const std::vector<StudentResult>& results);

/// Best first: graded before broken, then by score, then by name and path.
void rankResults(std::vector<StudentResult>& results);

/// The place of each ranked result, from 1; equal scores, and the broken among themselves, share
/// the place of the first of them and the next place counts them all (1, 2, 2, 4).
std::vector<int> places(const std::vector<StudentResult>& ranked);

}  // namespace vemrik
