#include "simulation/run_status.h"

#include <cmath>

#include "engine/sensing.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

std::string tenths(float v) { return spokenDecimal(static_cast<double>(v), 1); }

// The heading as a compass reads it, to the tenth that is shown: 359.96 is 0,0, not 360,0.
float compassHeading(float heading) {
    if (!std::isfinite(heading)) return heading;
    double d = std::fmod(static_cast<double>(heading), 360.0);
    if (d < 0.0) d += 360.0;
    d = std::round(d * 10.0) / 10.0;
    if (d >= 360.0) d -= 360.0;
    return static_cast<float>(d + 0.0);  // never "-0,0"
}

constexpr Text kInSteps{"w {1} krokach", "in {1} steps"};
constexpr Text kInStep{"w {1} kroku", "in {1} step"};

}  // namespace

std::string stepsText(std::uint64_t steps) {
    return say({"kroki: {1}", "steps: {1}"}, {std::to_string(steps)});
}

std::string simulatedTimeText(std::uint64_t steps) {
    // Whole tenths of a second, so no rounding creeps in however long the run.
    const std::uint64_t t = steps * (kSimulatedStepMs / 100);
    const std::string seconds = std::to_string(t / 10) + std::string(decimalSign()) + std::to_string(t % 10);
    return say({"czas: {1} s", "time: {1} s"}, {seconds});
}

std::string runStateText(RunState state, bool paused) {
    switch (state) {
        case RunState::Held:
            return say({"stan: zatrzymany", "state: held"});
        case RunState::Ready:
            return paused ? say({"stan: pauza", "state: paused"}) : say({"stan: gotowy", "state: ready"});
        case RunState::Running:
            return say({"stan: jedzie", "state: driving"});
        case RunState::Stopping:
            return say({"stan: zatrzymuje się", "state: stopping"});
    }
    return say({"stan: ?", "state: ?"});
}

std::string poseText(const ProgramState& s) {
    return say({"kierunek {1}°, x {2}, y {3}", "heading {1}°, x {2}, y {3}"},
               {tenths(compassHeading(s.RobotHeading)), tenths(s.RobotPosX), tenths(s.RobotPosY)});
}

std::string runEventText(RunState state, const RunRecord& run, const ProgramState& s, bool startRefused) {
    if (startRefused && !hasStartCell(s.MapGrid))
        return say({"Brak pola Start na mapie", "No start cell on the map"});
    const bool held = state == RunState::Held || state == RunState::Stopping;
    if (const auto stop = run.stopReachedAt(); held && stop)
        return *stop == 0
                   ? say({"czujnik widzi stop już na starcie", "a sensor sees the stop at the start already"})
                   : say({"dojechał do stopu {1}", "reached the stop {1}"},
                         {say(*stop == 1 ? kInStep : kInSteps, {std::to_string(*stop)})});
    if (!held && run.offMapSince() > 0 && !onDrawnMap(s.RobotPosX, s.RobotPosY))
        return say({"poza mapą od kroku {1}", "off the map since step {1}"},
                   {std::to_string(run.offMapSince())});
    return {};
}

std::string stopStepsText(const RunRecord& run) {
    const auto stop = run.stopReachedAt();
    if (!stop || *stop + 1 != run.steps()) return {};
    return say(
        {"czujnik zobaczył stop po kroku {1}; zegar przebiegu zrobił jeszcze krok {2}, zanim robot stanął",
         "a sensor saw the stop after step {1}; the run timer made step {2} before the robot stopped"},
        {std::to_string(*stop), std::to_string(run.steps())});
}

std::string lastRuleText(const LastRule& rule) {
    if (!rule.stepped) return {};
    if (rule.text.empty()) return say({"prosto", "straight on"});
    const std::string which = rule.line >= 0
                                  ? say({"reguła {1}", "rule {1}"}, {std::to_string(rule.line + 1)})
                                  : say({"reguła usunięta", "rule deleted"});
    return which + ": " + std::string(rule.text);
}

std::string seedText(std::uint32_t seed, bool repeatable) {
    return repeatable ? say({"ziarno {1} (powtarzalne)", "seed {1} (repeatable)"}, {std::to_string(seed)})
                      : say({"ziarno {1}", "seed {1}"}, {std::to_string(seed)});
}

std::string historyText(const RunHistory& history) {
    if (history.active())
        return history.shown() < history.steps()
                   ? say({"cofnięto do kroku {1} z {2}", "back at step {1} of {2}"},
                         {std::to_string(history.shown()), std::to_string(history.steps())})
                   : std::string();
    switch (history.endedBy()) {
        case HistoryEnd::Edited:
            return say({"nie można cofać: zmieniono robota, mapę lub reguły",
                        "cannot step back: the robot, the map or the rules changed"});
        case HistoryEnd::TooLong:
            return say({"nie można cofać: ponad {1} kroków", "cannot step back: more than {1} steps"},
                       {std::to_string(kHistoryBound)});
        default:
            return {};
    }
}

std::string hitsText(std::uint64_t hits) {
    return say({"trafienia od startu: {1}", "hits since the start: {1}"}, {std::to_string(hits)});
}

}  // namespace vemrik
