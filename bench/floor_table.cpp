#include "bench/floor_table.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace vemrik::bench {

namespace {

std::string timeText(double seconds) {
    char buf[32];
    if (seconds >= 1e-3)
        std::snprintf(buf, sizeof buf, "%.2f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(buf, sizeof buf, "%.1f us", seconds * 1e6);
    else
        std::snprintf(buf, sizeof buf, "%.1f ns", seconds * 1e9);
    return buf;
}

std::string ratioText(double r) {
    char buf[32];
    if (r >= 0.1)
        std::snprintf(buf, sizeof buf, "%.2f", r);
    else
        std::snprintf(buf, sizeof buf, "%.5f (%.3f %%)", r, r * 100.0);
    return buf;
}

std::string rateText(double perSecond) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f M", perSecond * 1e-6);
    return buf;
}

}  // namespace

void FloorTableReporter::compareSteps(std::string figure, std::string reference) {
    stepComparisons_.emplace_back(std::move(figure), std::move(reference));
}

void FloorTableReporter::compare(std::string figure, std::string reference) {
    comparisons_.emplace_back(std::move(figure), std::move(reference));
}

const FloorTableReporter::Figure* FloorTableReporter::find(const std::string& name) const {
    const auto it =
        std::find_if(figures_.begin(), figures_.end(), [&](const Figure& f) { return f.name == name; });
    return it == figures_.end() ? nullptr : &*it;
}

void FloorTableReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!single && !median) continue;
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto steps = run.counters.find(kStepsCounter);
        figures_.push_back({run.run_name.str(), run.GetAdjustedCPUTime() / unit,
                            run.GetAdjustedRealTime() / unit,
                            steps == run.counters.end() ? 0.0 : steps->second.value});
    }
}

void FloorTableReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    if (const Figure* floor = find(kFloorName)) {
        out << "\n| figure | CPU time | x floor |\n|---|---:|---:|\n";
        for (const Figure& f : figures_)
            out << "| " << f.name << " | " << timeText(f.seconds) << " | "
                << ratioText(f.seconds / floor->seconds) << " |\n";
    }
    const bool anySteps =
        std::any_of(figures_.begin(), figures_.end(), [](const Figure& f) { return f.steps > 0; });
    if (anySteps) {
        const Figure* floor = find(kFloorName);
        out << "\n| figure | steps per CPU second | steps per second | one step x floor "
               "|\n|---|---:|---:|---:|\n";
        for (const Figure& f : figures_)
            if (f.steps > 0)
                out << "| " << f.name << " | " << rateText(f.steps / f.seconds) << " | "
                    << rateText(f.steps / f.wallSeconds) << " | "
                    << (floor ? ratioText(f.seconds / f.steps / floor->seconds) : std::string("-")) << " |\n";
    }
    for (const auto& [figure, reference] : stepComparisons_) {
        const Figure* a = find(figure);
        const Figure* b = find(reference);
        if (a && b && a->steps > 0 && b->steps > 0)
            out << "\n"
                << figure << " / " << reference << ": steps per second "
                << ratioText((a->steps / a->wallSeconds) / (b->steps / b->wallSeconds)) << ", per CPU second "
                << ratioText((a->steps / a->seconds) / (b->steps / b->seconds)) << "\n";
    }
    for (const auto& [figure, reference] : comparisons_) {
        const Figure* a = find(figure);
        const Figure* b = find(reference);
        if (a && b)
            out << "\n"
                << figure << " / " << reference << " = " << ratioText(a->seconds / b->seconds) << "\n";
    }
}

}  // namespace vemrik::bench
