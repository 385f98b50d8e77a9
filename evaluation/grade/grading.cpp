#include "evaluation/grade/grading.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <tuple>

#include "engine/line_reading.h"
#include "evaluation/challenge/challenge_series.h"
#include "evaluation/run_setup.h"
#include "platform/decimal.h"
#include "platform/texts.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

/// The rules as a step reads them, sorted: "… 10" and "… 10.0" are one rule, in any place.
std::vector<std::string> readRules(const std::vector<std::string>& rules) {
    const std::vector<LineReading> read = readLines(rules);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rules.size(); ++i)
        out.push_back(read[i].readable
                          ? std::to_string(read[i].pattern) + ' ' + shortestText(read[i].angle)
                          : '\n' + rules[i]);  // no rule line holds a break, so no reading equals it
    std::sort(out.begin(), out.end());
    return out;
}

/// The student's workspace: the file itself, or from a challenge progress file the best solution
/// kept for the task's level.
ParsedWorkspace readWork(const Task& task, const std::string& path) {
    ParsedWorkspace read = readWorkspaceFile(path);
    if (read.workspace) return read;
    const FileText file = readTextFile(path);
    const ParsedProgress progress = file.text ? parseProgress(*file.text) : ParsedProgress{};
    if (!progress.progress) return read;
    const auto level = progress.progress->find(task.levelId);
    if (level == progress.progress->end())
        return {std::nullopt,
                say({"w pliku postępów nie ma poziomu „{1}”", "the progress file holds no level “{1}”"},
                    {task.levelId})};
    return parseWorkspace(level->second.workspace);
}

}  // namespace

double weightedScore(const Task& task, const std::vector<Summary>& tracks) {
    const std::size_t n = std::min(tracks.size(), task.tracks.size());
    // Only the ratios of the weights count. Taken against the largest they lie in [0, 1], the
    // largest exactly 1, so weights down to the smallest double keep every rate's share: a
    // product with a subnormal weight itself would round a rate to 0 or to the whole weight.
    double largest = 0.0;
    for (std::size_t i = 0; i < n; ++i) largest = std::max(largest, task.tracks[i].weight);
    if (!(largest > 0.0)) return 0.0;
    double sum = 0.0;
    double weights = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double w = task.tracks[i].weight / largest;
        sum += w * tracks[i].success.value;
        weights += w;
    }
    return sum / weights;
}

StudentResult gradeStudent(const Task& task, const std::string& name, const std::string& path) {
    StudentResult r{name, path, {}, 0, 0.0, {}, std::nullopt};
    const ParsedWorkspace read = readWork(task, path);
    if (!read.workspace) {
        r.error = read.error;
        return r;
    }
    r.ruleLines = static_cast<int>(read.workspace->rules.size());
    if (read.workspace->rules.empty()) {
        r.error = say({"brak reguł", "no rules"});
        return r;
    }
    const Grid& robot = task.robot ? *task.robot : read.workspace->robot;
    r.work = Work{robot, readRules(read.workspace->rules)};
    std::vector<RunSetup> setups;
    for (const TaskTrack& track : task.tracks) {
        PreparedRun p = withRobotAndRules(*track.setup, robot, read.workspace->rules);
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

std::vector<StudentResult> gradeClass(const Task& task, const std::vector<std::string>& files,
                                      const std::function<void(int, int)>& graded) {
    std::vector<StudentResult> results;
    for (const std::string& file : files) {
        results.push_back(gradeStudent(task, std::filesystem::path(file).stem().string(), file));
        if (graded) graded(static_cast<int>(results.size()), static_cast<int>(files.size()));
    }
    rankResults(results);
    return results;
}

namespace {

/// What places a result: names and paths only order the results of one place.
auto merit(const StudentResult& r) { return std::tuple(!r.graded(), r.graded() ? -r.score : 0.0); }

}  // namespace

std::vector<std::vector<std::string>> sameWork(const std::vector<StudentResult>& results) {
    std::vector<std::vector<std::string>> out(results.size());
    for (std::size_t i = 0; i < results.size(); ++i)
        for (std::size_t j = 0; j < results.size(); ++j)
            if (i != j && results[i].work && results[i].work == results[j].work)
                out[i].push_back(results[j].name);
    return out;
}

void rankResults(std::vector<StudentResult>& results) {
    std::stable_sort(results.begin(), results.end(), [](const StudentResult& a, const StudentResult& b) {
        return std::tuple_cat(merit(a), std::tie(a.name, a.path)) <
               std::tuple_cat(merit(b), std::tie(b.name, b.path));
    });
}

std::vector<int> places(const std::vector<StudentResult>& ranked) {
    std::vector<int> out(ranked.size());
    for (std::size_t i = 0; i < ranked.size(); ++i)
        out[i] = i > 0 && merit(ranked[i]) == merit(ranked[i - 1]) ? out[i - 1] : static_cast<int>(i) + 1;
    return out;
}

}  // namespace vemrik
