#include "ui/challenge_session.h"

#include <filesystem>

#include "evaluation/challenge/challenge_judge.h"
#include "platform/texts.h"
#include "ui/challenge_texts.h"
#include "ui/evaluation_texts.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

std::string twoDigits(std::size_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string stars(int earned) {
    std::string shown;
    for (int i = 0; i < 3; ++i) shown += i < earned ? "★" : "☆";
    return shown;
}

// A level's name in the list: its goal without the full stop, which ends a sentence, not a title.
std::string title(const Task& task) {
    std::string goal = challengeGoal(task);
    if (!goal.empty() && goal.back() == '.') goal.pop_back();
    return goal;
}

}  // namespace

std::string ChallengeSession::openSeries(const std::string& folder) {
    const ChallengeSeries series = readChallengeSeries(folder);
    if (!series.error.empty()) return series.error;
    if (series.levels.empty()) return say(ChallengeTexts::noLevels, {folder});
    levels_.clear();
    open_.reset();
    for (const std::string& path : series.levels) {
        ParsedTask read = readTaskFile(path);
        levels_.push_back({path, std::move(read.task), std::move(read.error)});
    }
    return {};
}

std::string ChallengeSession::levelCaption(std::size_t index) const {
    const Level& l = levels_.at(index);
    const std::string id = l.task ? l.task->levelId : std::filesystem::path(l.path).stem().string();
    const auto kept = progress_.find(id);
    const std::string name = l.task && l.task->challenge ? title(*l.task) : id;
    return twoDigits(index + 1) + ". " + name + " " + stars(kept == progress_.end() ? 0 : kept->second.stars);
}

ChallengeSession::Opened ChallengeSession::openLevel(std::size_t index) {
    const Level& l = levels_.at(index);
    const std::string name = std::filesystem::path(l.path).filename().string();
    if (!l.task) return {std::nullopt, say(ChallengeTexts::badLevel, {name, l.error})};
    ParsedWorkspace track = readWorkspaceFile(l.task->tracks.at(0).path);
    if (!track.workspace) return {std::nullopt, say(ChallengeTexts::badLevel, {name, track.error})};
    if (l.task->robot) track.workspace->robot = *l.task->robot;
    open_ = index;
    return {std::move(track.workspace), {}};
}

std::string ChallengeSession::openHeading() const {
    const Task* task = openTask();
    return task ? say(ChallengeTexts::level, {std::to_string(*open_ + 1), challengeGoal(*task)})
                : std::string();
}

const Task* ChallengeSession::openTask() const {
    return open_ && levels_.at(*open_).task ? &*levels_[*open_].task : nullptr;
}

ChallengeSession::Checked ChallengeSession::check(const Workspace& work, int threads) {
    const Task* task = openTask();
    if (!task) return {std::nullopt, say(ChallengeTexts::noLevel)};
    ChallengeVerdict verdict = judgeChallenge(*task, work, threads);
    record(verdict, work);
    return {std::move(verdict), {}};
}

void ChallengeSession::record(const ChallengeVerdict& verdict, const Workspace& work) {
    if (const Task* task = openTask()) recordProgress(progress_, task->levelId, verdict, toJson(work));
}

std::string ChallengeSession::showRunRefusal(const ChallengeVerdict::FailedRun& failed,
                                             const Workspace& judged, const Workspace& now) const {
    // The form holds the level's first track; a run on another would replay on the wrong one.
    if (failed.track != 0) return say(ChallengeTexts::otherTrack);
    return evaluatedRunRefusal(!(now == judged), failed.run.result.steps);
}

std::string ChallengeSession::progressText() const { return vemrik::progressText(progress_); }

std::string ChallengeSession::takeProgress(std::string_view text) {
    ParsedProgress read = parseProgress(text);
    if (!read.progress) return read.error;
    progress_ = std::move(*read.progress);
    return {};
}

}  // namespace vemrik
