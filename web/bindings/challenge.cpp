#include "web/bindings/challenge.h"

#include <emscripten/bind.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "ui/challenge_session.h"
#include "ui/challenge_texts.h"
#include "ui/evaluation_texts.h"
#include "web/bindings/js_error.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

ChallengeSession& session() {
    static ChallengeSession s;
    return s;
}

/// Writes the files into a folder of their own in the module's memory, as a folder of levels.
fs::path placed(const emscripten::val& files, const fs::path& folder) {
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    const int n = files["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const fs::path name = fs::path(files[i]["path"].as<std::string>()).filename();
        std::ofstream(folder / name, std::ios::binary) << files[i]["text"].as<std::string>();
    }
    return folder;
}

Workspace workspaceOf(const std::string& text) {
    ParsedWorkspace read = parseWorkspace(text);
    if (!read.workspace) throwJsError(read.error);
    return std::move(*read.workspace);
}

ChallengeVerdict::FailedRun failedRunOf(const std::string& verdictJson, int n) {
    const Json v = Json::parse(verdictJson);
    const Json& f = v.at("failed").at(static_cast<std::size_t>(n));
    ChallengeVerdict::FailedRun run;
    run.track = f.at("track").get<std::size_t>();
    run.run.seed = f.at("seed").get<std::uint32_t>();
    run.run.result.steps = f.at("steps").get<int>();
    return run;
}

Json verdictJson(const ChallengeVerdict& v) {
    Json failed = Json::array();
    for (const ChallengeVerdict::FailedRun& f : v.failed)
        failed.push_back({{"track", f.track}, {"seed", f.run.seed}, {"steps", f.run.result.steps}});
    return {{"stars", v.stars},
            {"goalMet", v.goalMet},
            {"sentence", v.sentence},
            {"medianSteps", v.medianSteps ? Json(*v.medianSteps) : Json()},
            {"failedRuns", v.failedRuns},
            {"failed", failed},
            {"hints", v.hints}};
}

}  // namespace

std::string challengeSeries(const emscripten::val& files) {
    // A new folder each time: a series opened before keeps nothing of its files in the new one.
    static int opened = 0;
    return session().openSeries(placed(files, "/vemrik-challenges/" + std::to_string(++opened)).string());
}

std::string challengeLevels() {
    Json captions = Json::array();
    for (std::size_t i = 0; i < session().levelCount(); ++i) captions.push_back(session().levelCaption(i));
    return captions.dump();
}

std::string challengeOpen(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= session().levelCount()) throwJsError("no such level");
    const ChallengeSession::Opened opened = session().openLevel(static_cast<std::size_t>(index));
    if (!opened.work) throwJsError(opened.error);
    return toJson(*opened.work);
}

int challengeOpenIndex() {
    const auto open = session().openIndex();
    return open ? static_cast<int>(*open) : -1;
}

std::string challengeLevelFile() {
    const Task* task = session().openTask();
    return task ? task->levelId + ".vemrik-task" : std::string();
}

std::string challengeHeading() { return session().openHeading(); }

void challengeRecord(const std::string& verdict, const std::string& workspaceText) {
    const Json v = Json::parse(verdict);
    ChallengeVerdict kept;
    kept.stars = v.at("stars").get<int>();
    if (v.at("medianSteps").is_number()) kept.medianSteps = v.at("medianSteps").get<int>();
    session().record(kept, workspaceOf(workspaceText));
}

std::string challengeRunRefusal(const std::string& verdict, int n, const std::string& judgedText,
                                const std::string& nowText) {
    return session().showRunRefusal(failedRunOf(verdict, n), workspaceOf(judgedText), workspaceOf(nowText));
}

emscripten::val challengeNoise() {
    const Task* task = session().openTask();
    const Noise noise = task ? task->noise : Noise{};
    emscripten::val v = emscripten::val::object();
    v.set("flip", noise.flip);
    v.set("shift", noise.shift);
    v.set("turn", noise.turn);
    return v;
}

std::string challengeProgress() { return session().progressText(); }

std::string challengeTakeProgress(const std::string& text) { return session().takeProgress(text); }

std::string challengeVerdict(const emscripten::val& files, const std::string& levelFile,
                             const std::string& workspaceText) {
    const fs::path folder = placed(files, "/vemrik-challenge-judged");
    ChallengeSession judge;
    const std::string error = judge.openSeries(folder.string());
    if (!error.empty()) throwJsError(error);
    for (std::size_t i = 0; i < judge.levelCount(); ++i) {
        judge.openLevel(i);
        const Task* task = judge.openTask();
        if (!task || task->levelId + ".vemrik-task" != levelFile) continue;
        const ChallengeSession::Checked checked = judge.check(workspaceOf(workspaceText));
        if (!checked.verdict) throwJsError(checked.error);
        return verdictJson(*checked.verdict).dump();
    }
    throwJsError(levelFile);
}

std::string challengeTextsJson() {
    using T = ChallengeTexts;
    Json texts = Json::object();
    for (const auto& [name, text] :
         std::initializer_list<std::pair<const char*, Text>>{{"title", T::title},
                                                             {"judging", T::judging},
                                                             {"noLevel", T::noLevel},
                                                             {"failedRuns", T::failedRuns},
                                                             {"hints", T::hints},
                                                             {"progressName", T::progressName},
                                                             {"folderTitle", T::folderTitle},
                                                             {"showRun", EvaluationTexts::showRun}})
        texts[name] = {{"pl", text.pl}, {"en", text.en}};
    return texts.dump();
}

void bindChallenges() {
    using emscripten::function;
    function("challengeSeries", &challengeSeries);
    function("challengeLevels", &challengeLevels);
    function("challengeOpen", &challengeOpen);
    function("challengeOpenIndex", &challengeOpenIndex);
    function("challengeLevelFile", &challengeLevelFile);
    function("challengeHeading", &challengeHeading);
    function("challengeRecord", &challengeRecord);
    function("challengeRunRefusal", &challengeRunRefusal);
    function("challengeNoise", &challengeNoise);
    function("challengeProgress", &challengeProgress);
    function("challengeTakeProgress", &challengeTakeProgress);
    function("challengeVerdict", &challengeVerdict);
    function("challengeTexts", &challengeTextsJson);
}

}  // namespace vemrik::web
