#include "web/bindings/evaluate.h"

#include <nlohmann/json.hpp>

#include "evaluation/evaluation_csv.h"
#include "evaluation/evaluation_job.h"
#include "evaluation/job_report.h"
#include "web/bindings/js_error.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

namespace {

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
    if (!(seed >= 0 && seed <= 4294967295.0) || seed != static_cast<double>(static_cast<std::uint64_t>(seed)))
        throwJsError("Ziarno musi być liczbą całkowitą od 0 do 4294967295.");
    return static_cast<std::uint32_t>(seed);
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
    s.runs = runs;
    s.maxSteps = maxSteps;
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

std::string evaluateCsv(const std::string& workspaceText, double firstSeed, int runs, int maxSteps) {
    const PreparedJob prepared = preparedJob(workspaceText, settingsOf(firstSeed, runs, maxSteps, {}));
    return csvText(prepared.job->run(nullptr, 1).evaluation);
}

}  // namespace vemrik::web
