#include "simulation/run_status.h"

#include <algorithm>
#include <cstdio>

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

}  // namespace

std::string stepsText(std::uint64_t steps) { return "kroki: " + std::to_string(steps); }

std::string simulatedTimeText(std::uint64_t steps) {
    // Whole tenths of a second, so no rounding creeps in however long the run.
    const std::uint64_t t = steps * (kSimulatedStepMs / 100);
    return "czas: " + std::to_string(t / 10) + "," + std::to_string(t % 10) + " s";
}

std::string runStateText(RunState state) {
    switch (state) {
        case RunState::Held:
            return "stan: zatrzymany";
        case RunState::Ready:
            return "stan: gotowy";
        case RunState::Running:
            return "stan: jedzie";
        case RunState::Stopping:
            return "stan: zatrzymuje się";
    }
    return "stan: ?";
}

std::string poseText(const ProgramState& s) {
    return "kierunek " + tenths(s.RobotHeading) + "°, x " + tenths(s.RobotPosX) + ", y " +
           tenths(s.RobotPosY);
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
