#include "web/bindings/evaluate_shares.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "evaluation/job_shares.h"
#include "web/bindings/evaluate.h"
#include "web/bindings/js_error.h"

namespace vemrik::web {

namespace {

// A share crosses between workers as bytes: a worker's objects cannot, and JSON of a million runs
// is many times larger. Only this file writes and reads them.
struct PackedRun {
    std::int32_t run;
    std::uint32_t seed;
    std::int32_t steps;
    float x, y, heading;
    std::uint8_t outcome, stepFailed, unused[2];
};

class Bytes {
public:
    template <class T>
    void put(const T& value) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
        data_.insert(data_.end(), p, p + sizeof(T));
    }
    const std::vector<std::uint8_t>& data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

class Reader {
public:
    explicit Reader(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
    template <class T>
    T get() {
        T value{};
        if (at_ + sizeof(T) > data_.size()) throwJsError("Uszkodzony wynik części oceny.");
        std::memcpy(&value, data_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

private:
    std::vector<std::uint8_t> data_;
    std::size_t at_ = 0;
};

void putEvaluation(Bytes& out, const Evaluation& e) {
    out.put(static_cast<std::int32_t>(e.cancelled));
    out.put(static_cast<std::int32_t>(e.runs.size()));
    for (const EvaluatedRun& r : e.runs)
        out.put(PackedRun{r.run,
                          r.seed,
                          r.result.steps,
                          r.result.x,
                          r.result.y,
                          r.result.heading,
                          static_cast<std::uint8_t>(r.result.outcome),
                          r.result.stepFailed,
                          {}});
}

Evaluation getEvaluation(Reader& in, int requested) {
    Evaluation e;
    e.requested = requested;
    e.cancelled = in.get<std::int32_t>() != 0;
    const auto count = in.get<std::int32_t>();
    for (std::int32_t i = 0; i < count; ++i) {
        const auto p = in.get<PackedRun>();
        e.runs.push_back(
            {p.run,
             p.seed,
             {static_cast<Outcome>(p.outcome), p.steps, p.x, p.y, p.heading, p.stepFailed != 0}});
    }
    return e;
}

JobResult shareResult(const JobSettings& whole, int part, int parts, const emscripten::val& bytes) {
    JobResult r;
    r.settings = shareSettings(whole, runShare(whole.runs, part, parts));
    Reader in(emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes));
    r.seconds = in.get<double>();
    const auto levels = in.get<std::int32_t>();
    if (!whole.sweeps()) r.evaluation = getEvaluation(in, r.settings.runs);
    for (std::int32_t i = 0; i < levels; ++i) {
        const Noise noise{in.get<double>(), in.get<double>(), in.get<double>()};
        Evaluation e = getEvaluation(in, r.settings.runs);
        r.sweep.push_back({whole.levels.at(static_cast<std::size_t>(i)), noise, std::move(e), {}});
    }
    return r;
}

}  // namespace

emscripten::val evaluateShare(const std::string& workspaceText, const std::string& jobJson, int part,
                              int parts, const emscripten::val& progress) {
    const JobSettings whole = jobSettingsOf(jobJson);
    if (!(parts >= 1 && parts <= whole.runs && part >= 0 && part < parts))
        throwJsError("Zła część oceny: " + std::to_string(part) + " z " + std::to_string(parts) + ".");
    const PreparedJob prepared =
        preparedJob(workspaceText, shareSettings(whole, runShare(whole.runs, part, parts)));
    EvaluationJob& job = *prepared.job;
    const bool tell = progress.typeOf().as<std::string>() == "function";
    // A call out to JavaScript after every run cost the share a few per cent; the bar needs no
    // more than about two hundred steps.
    const auto due = [](int done, int total) {
        return done == total || done % std::max(1, total / 200) == 0;
    };
    const JobResult r = job.run(
        [&](int done, int total) {
            if (tell && due(done, total) && progress(done, total).as<bool>()) job.cancel();
        },
        1);
    Bytes out;
    out.put(r.seconds);
    out.put(static_cast<std::int32_t>(r.sweep.size()));
    if (!whole.sweeps()) putEvaluation(out, r.evaluation);
    for (const SweepPoint& p : r.sweep) {
        out.put(p.noise.flip), out.put(p.noise.shift), out.put(p.noise.turn);
        putEvaluation(out, p.evaluation);
    }
    const std::vector<std::uint8_t>& data = out.data();
    return emscripten::val(emscripten::typed_memory_view(data.size(), data.data()))
        .call<emscripten::val>("slice");
}

std::string evaluationResult(const std::string& jobJson, const emscripten::val& shares) {
    const JobSettings whole = jobSettingsOf(jobJson);
    const int parts = shares["length"].as<int>();
    if (parts < 1) throwJsError("Ocena bez części.");
    std::vector<JobResult> results;
    double seconds = 0.0;
    for (int part = 0; part < parts; ++part) {
        results.push_back(shareResult(whole, part, parts, shares[part]));
        seconds = std::max(seconds, results.back().seconds);
    }
    return resultJson(mergedShares(whole, results, seconds));
}

}  // namespace vemrik::web
