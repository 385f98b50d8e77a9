#include "ui/race_board.h"

#include <algorithm>

#include "evaluation/grade/grading.h"
#include "platform/files.h"
#include "platform/texts.h"
#include "ui/form.h"
#include "ui/race_texts.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

std::string resultWord(const Entrant& e) {
    if (!e.result) return say(RaceTexts::running);
    switch (e.result->outcome) {
        case Outcome::Success:
            return say(RaceTexts::atStop);
        case Outcome::Timeout:
            return say(RaceTexts::noStop);
        default:
            return say(RaceTexts::lost);
    }
}

}  // namespace

std::string RaceBoard::chooseTrack(const Workspace& track, const std::string& name) {
    std::string why = race.setTrack(track);
    if (why.empty()) trackName = name;
    running_ = false;
    return why;
}

std::string RaceBoard::start() {
    std::string why = race.refusal();
    if (why.empty() && race.finished()) race.reset();
    running_ = why.empty();
    return why;
}

void RaceBoard::stepOnce() {
    running_ = false;
    race.step();
}

void RaceBoard::reset() {
    running_ = false;
    race.reset();
}

void RaceBoard::timerTick() {
    if (running_ && !race.step()) running_ = false;
    if (race.finished()) running_ = false;
}

std::vector<std::vector<std::string>> RaceBoard::rows() const {
    std::vector<std::vector<std::string>> rows;
    int place = 0;
    for (const int i : race.order()) {
        const Entrant& e = race.entrants()[static_cast<std::size_t>(i)];
        const bool atStop = e.result && e.result->outcome == Outcome::Success;
        rows.push_back({atStop ? std::to_string(++place) : std::string(), e.name,
                        std::to_string(e.run->steps()), resultWord(e)});
    }
    return rows;
}

std::vector<std::string> RaceBoard::header() {
    return {say(RaceTexts::place), say(RaceTexts::robot), say(RaceTexts::steps), say(RaceTexts::result)};
}

std::string RaceBoard::summary() const {
    int steps = 0;
    for (const Entrant& e : race.entrants()) steps = std::max(steps, e.run->steps());
    const std::string track = race.hasTrack() ? say(RaceTexts::track, {trackName}) : say(RaceTexts::noTrack);
    return track + "   " + say(RaceTexts::seed, {std::to_string(race.seed())}) + "   " +
           say(RaceTexts::stepCount, {std::to_string(steps)});
}

void showRaceRun(TForm1& form, const Race& race, int i) {
    applyWorkspace(form, race.raceWork(i));
    // A work of no file: saving it must not overwrite the file the form held before.
    form.document = Document{{}, form.engine.workVersion()};
    form.engine.setRepeatableRuns(true);
    form.ReplaySeededRun(race.seed(), 0);
}

std::string raceTheBest(const Task& task, const std::vector<StudentResult>& ranked, RaceBoard& board) {
    std::vector<EntrantFile> files;
    for (const StudentResult& r : ranked) {
        if (!r.graded() || files.size() == static_cast<std::size_t>(Race::kMost)) continue;
        ParsedWorkspace read = readWorkspaceFile(r.path);
        if (!read.workspace) continue;
        if (task.robot) read.workspace->robot = *task.robot;
        files.push_back({r.name, toJson(*read.workspace)});
    }
    if (files.size() < static_cast<std::size_t>(Race::kFewest) || task.tracks.empty())
        return say({"do wyścigu potrzeba co najmniej {1} ocenionych uczniów",
                    "a race needs at least {1} graded students"},
                   {std::to_string(Race::kFewest)});
    const TaskTrack& first = task.tracks.front();
    const ParsedWorkspace track = readWorkspaceFile(first.path);
    if (!track.workspace) return track.error;
    RaceBoard fresh;
    if (std::string why = fresh.chooseTrack(*track.workspace, first.name); !why.empty()) return why;
    fresh.race.setSeed(task.seed);
    if (std::string why = fresh.race.add(files); !why.empty()) return why;
    board.pause();
    board.race = std::move(fresh.race);
    board.trackName = fresh.trackName;
    return {};
}

}  // namespace vemrik
