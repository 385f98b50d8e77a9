#include "simulation/run_status.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/sensing.h"

namespace vemrik {

namespace {

// One decimal and a decimal comma, as Polish writes numbers.
std::string tenths(float v) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
    std::string out(buf, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof buf) - 1)));
    std::replace(out.begin(), out.end(), '.', ',');
    return out;
}

// The heading as a compass reads it, to the tenth that is shown: 359.96 is 0,0, not 360,0.
float compassHeading(float heading) {
    if (!std::isfinite(heading)) return heading;
    double d = std::fmod(static_cast<double>(heading), 360.0);
    if (d < 0.0) d += 360.0;
    d = std::round(d * 10.0) / 10.0;
    if (d >= 360.0) d -= 360.0;
    return static_cast<float>(d + 0.0);  // never "-0,0"
}

std::string stepsWord(std::uint64_t n) { return n == 1 ? "kroku" : "krokach"; }

}  // namespace

std::string stepsText(std::uint64_t steps) { return "kroki: " + std::to_string(steps); }

std::string simulatedTimeText(std::uint64_t steps) {
    // Whole tenths of a second, so no rounding creeps in however long the run.
    const std::uint64_t t = steps * (kSimulatedStepMs / 100);
    return "czas: " + std::to_string(t / 10) + "," + std::to_string(t % 10) + " s";
}

std::string runStateText(RunState state, bool paused) {
    switch (state) {
        case RunState::Held:
            return "stan: zatrzymany";
        case RunState::Ready:
            return paused ? "stan: pauza" : "stan: gotowy";
        case RunState::Running:
            return "stan: jedzie";
        case RunState::Stopping:
            return "stan: zatrzymuje się";
    }
    return "stan: ?";
}

std::string poseText(const ProgramState& s) {
    return "kierunek " + tenths(compassHeading(s.RobotHeading)) + "°, x " + tenths(s.RobotPosX) + ", y " +
           tenths(s.RobotPosY);
}

std::string runEventText(RunState state, const RunRecord& run, const ProgramState& s, bool startRefused) {
    if (startRefused && !hasStartCell(s.MapGrid)) return "Brak pola Start na mapie";
    const bool held = state == RunState::Held || state == RunState::Stopping;
    if (const auto stop = run.stopReachedAt(); held && stop)
        return *stop == 0 ? "czujnik widzi stop już na starcie"
                          : "dojechał do stopu w " + std::to_string(*stop) + " " + stepsWord(*stop);
    if (!held && run.offMapSince() > 0 && !onDrawnMap(s.RobotPosX, s.RobotPosY))
        return "poza mapą od kroku " + std::to_string(run.offMapSince());
    return {};
}

std::string lastRuleText(const LastRule& rule) {
    if (!rule.stepped) return {};
    if (rule.text.empty()) return "prosto";
    const std::string which = rule.line >= 0 ? "reguła " + std::to_string(rule.line + 1) : "reguła usunięta";
    return which + ": " + std::string(rule.text);
}

std::string seedText(std::uint32_t seed, bool repeatable) {
    return "ziarno " + std::to_string(seed) + (repeatable ? " (powtarzalne)" : "");
}

std::string historyText(const RunHistory& history) {
    if (history.active())
        return history.shown() < history.steps() ? "cofnięto do kroku " + std::to_string(history.shown()) +
                                                       " z " + std::to_string(history.steps())
                                                 : std::string();
    switch (history.endedBy()) {
        case HistoryEnd::Edited:
            return "nie można cofać: zmieniono robota, mapę lub reguły";
        case HistoryEnd::TooLong:
            return "nie można cofać: ponad " + std::to_string(kHistoryBound) + " kroków";
        default:
            return {};
    }
}

std::string hitsText(std::uint64_t hits) { return "trafienia od startu: " + std::to_string(hits); }

}  // namespace vemrik
