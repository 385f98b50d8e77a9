#include "web/bindings/evaluate.h"

#include <nlohmann/json.hpp>

#include "evaluation/evaluation_csv.h"
#include "evaluation/evaluation_job.h"
#include "evaluation/job_limits.h"
#include "evaluation/job_report.h"
#include "evaluation/summary.h"
#include "web/bindings/js_error.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

namespace {

// As many bars as the window's dialog draws.
constexpr int kHistogramBins = 30;

Noise noiseOf(const emscripten::val& v) {
    if (v.isNumber()) return {v.as<double>(), 0.0, 0.0};
    if (v.isUndefined() || v.isNull()) return {};
    const auto part = [&](const char* name) {
        const emscripten::val p = v[name];
        return p.isNumber() ? p.as<double>() : 0.0;
    };
    return {part("flip"), part("shift"), part("turn")};
}

std::uint32_t seedOf(double seed) {
    if (!(seed >= kSeedSetting.low && seed <= kSeedSetting.high) ||
        seed != static_cast<double>(static_cast<std::uint64_t>(seed)))
        throwJsError("Ziarno musi być liczbą całkowitą od " + std::to_string(kSeedSetting.low) + " do " +
                     std::to_string(kSeedSetting.high) + ".");
    return static_cast<std::uint32_t>(seed);
}

int countOf(int value, const SettingRange<int>& range, const char* what) {
    if (!range.holds(value))
        throwJsError(std::string(what) + " musi być od " + std::to_string(range.low) + " do " +
                     std::to_string(range.high) + ".");
    return value;
}

template <class T>
nlohmann::json rangeJson(const SettingRange<T>& range) {
    return {{"low", range.low}, {"high", range.high}, {"start", range.start}};
}

/// The job, or a JS Error with the reason in Polish.
PreparedJob preparedJob(const std::string& workspaceText, const JobSettings& settings) {
    const ParsedWorkspace read = parseWorkspace(workspaceText);
    if (!read.workspace) throwJsError(read.error);
    PreparedJob prepared = prepareJob(*read.workspace, settings);
    if (!prepared.job) throwJsError(prepared.error);
    return prepared;
}

JobSettings settingsOf(double firstSeed, int runs, int maxSteps, const Noise& noise) {
    JobSettings s;
    s.seed = seedOf(firstSeed);
    s.runs = countOf(runs, kRunsSetting, "Liczba przebiegów");
    s.maxSteps = countOf(maxSteps, kMaxStepsSetting, "Limit kroków");
    s.noise = noise;
    return s;
}

std::string reportText(const JobResult& result) {
    std::string text = settingsLine(result.settings);
    for (const std::string& line : reportLines(jobReport(result))) text += "\n" + line;
    return text;
}

}  // namespace

std::string evaluate(const std::string& workspaceText, double firstSeed, int runs, int maxSteps,
                     const emscripten::val& noise, const emscripten::val& progress) {
    const PreparedJob prepared =
        preparedJob(workspaceText, settingsOf(firstSeed, runs, maxSteps, noiseOf(noise)));
    EvaluationJob& job = *prepared.job;
    const bool tell = progress.typeOf().as<std::string>() == "function";
    const JobResult result = job.run(
        [&](int done, int total) {
            if (tell && progress(done, total).as<bool>()) job.cancel();
        },
        1);
    nlohmann::json out;
    out["summary"] = reportText(result);
    out["cancelled"] = result.cancelled();
    const Histogram bins = stepHistogram(result.evaluation.runs, kHistogramBins);
    out["histogram"] = {{"first", bins.first}, {"width", bins.width}, {"counts", bins.counts}};
    out["runs"] = nlohmann::json::array();
    for (const EvaluatedRun& r : result.evaluation.runs)
        out["runs"].push_back({{"seed", r.seed},
                               {"outcome", outcomeName(r.result.outcome)},
                               {"steps", r.result.steps},
                               {"x", r.result.x},
                               {"y", r.result.y},
                               {"heading", r.result.heading}});
    return out.dump();
}

std::string evaluationSettings() {
    return nlohmann::json{{"seed", rangeJson(kSeedSetting)},         {"runs", rangeJson(kRunsSetting)},
                          {"maxSteps", rangeJson(kMaxStepsSetting)}, {"flip", rangeJson(kFlipSetting)},
                          {"shift", rangeJson(kShiftSetting)},       {"turn", rangeJson(kTurnSetting)}}
        .dump();
}

std::string evaluateCsv(const std::string& workspaceText, double firstSeed, int runs, int maxSteps) {
    const PreparedJob prepared = preparedJob(workspaceText, settingsOf(firstSeed, runs, maxSteps, {}));
    return csvText(prepared.job->run(nullptr, 1).evaluation);
}

}  // namespace vemrik::web
