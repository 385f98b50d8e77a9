#include "web/bindings/evaluate.h"

#include <nlohmann/json.hpp>

#include "evaluation/evaluation_csv.h"
#include "evaluation/evaluation_job.h"
#include "evaluation/job_limits.h"
#include "evaluation/job_report.h"
#include "evaluation/summary.h"
#include "evaluation/sweep.h"
#include "ui/evaluation_texts.h"
#include "web/bindings/js_error.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

namespace {

// As many bars and failed runs as the window's dialog shows.
constexpr int kHistogramBins = 30;
constexpr std::size_t kFailedRunsListed = 1000;

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

PreparedJob preparedJob(const std::string& workspaceText, const JobSettings& settings) {
    const ParsedWorkspace read = parseWorkspace(workspaceText);
    if (!read.workspace) throwJsError(read.error);
    PreparedJob prepared = prepareJob(*read.workspace, settings);
    if (!prepared.job) throwJsError(prepared.error);
    return prepared;
}

Noise noiseOf(const emscripten::val& v) {
    if (v.isNumber()) return {v.as<double>(), 0.0, 0.0};
    if (v.isUndefined() || v.isNull()) return {};
    const auto part = [&](const char* name) {
        const emscripten::val p = v[name];
        return p.isNumber() ? p.as<double>() : 0.0;
    };
    return {part("flip"), part("shift"), part("turn")};
}

JobSettings jobSettingsOf(const std::string& jobJson) {
    const nlohmann::json job = nlohmann::json::parse(jobJson, nullptr, false);
    if (!job.is_object()) throwJsError("Nieczytelne ustawienia oceny.");
    const auto number = [&](const char* name, double otherwise) {
        const auto it = job.find(name);
        return it != job.end() && it->is_number() ? it->get<double>() : otherwise;
    };
    const auto noisePart = [&](const char* name, const SettingRange<double>& range) {
        const auto noise = job.find("noise");
        const double value =
            noise != job.end() && noise->is_object() && noise->contains(name) && (*noise)[name].is_number()
                ? (*noise)[name].get<double>()
                : 0.0;
        if (!range.holds(value))
            throwJsError(std::string(name) + " musi być od " + decimalText(range.low, 3) + " do " +
                         decimalText(range.high, 3) + ".");
        return value;
    };
    const auto whole = [&](const char* name) {
        const double v = number(name, -1.0);
        return v == static_cast<double>(static_cast<int>(v)) ? static_cast<int>(v) : -1;
    };
    JobSettings s = settingsOf(number("seed", -1.0), whole("runs"), whole("maxSteps"),
                               {noisePart("flip", kFlipSetting), noisePart("shift", kShiftSetting),
                                noisePart("turn", kTurnSetting)});
    if (job.value("sweep", false)) {
        if (const std::string refusal = sweepRefusal(s.noise); !refusal.empty()) throwJsError(refusal);
        s.levels = defaultSweepLevels();
    }
    return s;
}

std::string resultJson(const JobResult& result) {
    nlohmann::json out;
    out["summary"] = reportText(result);
    out["cancelled"] = result.cancelled();
    const Histogram bins = stepHistogram(result.evaluation.runs, kHistogramBins);
    out["histogram"] = {{"first", bins.first}, {"width", bins.width}, {"counts", bins.counts}};
    out["failed"] = nlohmann::json::array();
    for (const EvaluatedRun& r : failedRuns(result, kFailedRunsListed))
        out["failed"].push_back({{"seed", r.seed}, {"steps", r.result.steps}, {"line", failedRunLine(r)}});
    out["sweep"] = nlohmann::json::array();
    for (const SweepPoint& p : result.sweep)
        out["sweep"].push_back({{"level", p.level},
                                {"value", p.summary.success.value},
                                {"low", p.summary.success.low},
                                {"high", p.summary.success.high}});
    return out.dump();
}

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
    nlohmann::json out = nlohmann::json::parse(resultJson(result));
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

std::string evaluationTexts() {
    using T = EvaluationTexts;
    const std::pair<const char*, Text> texts[] = {{"runs", T::runs},
                                                  {"maxSteps", T::maxSteps},
                                                  {"firstSeed", T::firstSeed},
                                                  {"seedNote", T::seedNote},
                                                  {"noise", T::noise},
                                                  {"flip", T::flip},
                                                  {"shift", T::shift},
                                                  {"turn", T::turn},
                                                  {"noiseNote", T::noiseNote},
                                                  {"sweep", T::sweep},
                                                  {"evaluating", T::evaluating},
                                                  {"sweeping", T::sweeping},
                                                  {"failedRuns", T::failedRuns},
                                                  {"failedRunsName", T::failedRunsName},
                                                  {"showRun", T::showRun},
                                                  {"chartTitle", T::chartTitle},
                                                  {"chartName", T::chartName},
                                                  {"chartLevel", T::chartLevel},
                                                  {"chartShare", T::chartShare},
                                                  {"cannotEvaluate", T::cannotEvaluate},
                                                  {"needsNoise", T::needsNoise}};
    nlohmann::json out;
    for (const auto& [key, text] : texts) out[key] = {{"pl", text.pl}, {"en", text.en}};
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
