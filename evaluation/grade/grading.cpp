#include "evaluation/grade/grading.h"

#include <algorithm>
#include <atomic>
#include <tuple>

#include "evaluation/run_setup.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

/// The track's map, strokes and start heading with the student's rules and robot.
Workspace combine(const Task& task, const TaskTrack& track, const Workspace& student) {
    Workspace ws = track.workspace;
    ws.robot = task.robot ? *task.robot : student.robot;
    ws.rules = student.rules;
    return ws;
}

}  // namespace

double weightedScore(const Task& task, const std::vector<Summary>& tracks) {
    double sum = 0.0;
    double weights = 0.0;
    for (std::size_t i = 0; i < tracks.size() && i < task.tracks.size(); ++i) {
        sum += task.tracks[i].weight * tracks[i].success.value;
        weights += task.tracks[i].weight;
    }
    return weights > 0.0 ? sum / weights : 0.0;
}

StudentResult gradeStudent(const Task& task, const std::string& name, const std::string& path) {
    StudentResult r{name, path, {}, 0, 0.0, {}};
    const ParsedWorkspace read = readWorkspaceFile(path);
    if (!read.workspace) {
        r.error = read.error;
        return r;
    }
    r.ruleLines = static_cast<int>(read.workspace->rules.size());
    if (read.workspace->rules.empty()) {
        r.error = "brak reguł";
        return r;
    }
    std::vector<RunSetup> setups;
    for (const TaskTrack& track : task.tracks) {
        PreparedRun p = prepareRun(combine(task, track, *read.workspace));
        if (!p.setup) {
            r.error = "tor „" + track.name + "”: " + p.error;
            return r;
        }
        p.setup->noise = task.noise;
        setups.push_back(std::move(*p.setup));
    }
    const std::atomic<bool> never{false};
    for (const RunSetup& setup : setups)
        r.tracks.push_back(
            summarize(runMany(setup, task.runs, task.maxSteps, task.seed, nullptr, never).runs));
    r.score = weightedScore(task, r.tracks);
    return r;
}

void rankResults(std::vector<StudentResult>& results) {
    std::stable_sort(results.begin(), results.end(), [](const StudentResult& a, const StudentResult& b) {
        return std::tuple(!a.graded(), -a.score, a.name, a.path) <
               std::tuple(!b.graded(), -b.score, b.name, b.path);
    });
}

}  // namespace vemrik
