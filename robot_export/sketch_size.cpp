#include "robot_export/sketch_size.h"

#include <algorithm>

#include "analysis/run_csv.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

// Measured with avr-g++ 5.4 and Debian's Arduino core 1.8.7 for the Uno: the code and the fixed
// data take at most 5,192 bytes of flash besides the tables (a sketch that stops on a pattern), and
// RAM is 211 bytes with one sensor, 233 with eight. A margin on each, so that what is let through
// surely builds.
constexpr std::size_t kCodeFlash = 5250;
constexpr std::size_t kFixedRam = 224;
constexpr std::size_t kRamPerSensor = 3;

}  // namespace

bool wideLineNumbers(const SketchPlan& plan) {
    return std::any_of(plan.rules.begin(), plan.rules.end(),
                       [](const SketchRule& r) { return r.line > 65535; });
}

std::size_t ruleTextBytes(const SketchRule& rule) { return csvField(rule.text).size() + 1; }

SketchSize sketchSize(const SketchPlan& plan) {
    // A rule: its line, a float angle and a two-byte pointer to its text; an entry of the table: the
    // pattern, the count and four rule indices. An empty list still has one of each.
    const std::size_t rule = (wideLineNumbers(plan) ? 4 : 2) + 4 + 2;
    const std::size_t choices = 2 + 4 * (plan.rules.size() > 255 ? 2 : 1);
    std::size_t texts = plan.rules.empty() ? 1 : 0;
    for (const SketchRule& r : plan.rules) texts += ruleTextBytes(r);
    const std::size_t flash = kCodeFlash + texts + rule * std::max<std::size_t>(plan.rules.size(), 1) +
                              choices * std::max<std::size_t>(plan.table.size(), 1) + plan.draws.size();
    return {flash, kFixedRam + kRamPerSensor * plan.sensors.size()};
}

std::optional<std::string> unoSizeProblem(const SketchPlan& plan) {
    const SketchSize size = sketchSize(plan);
    if (size.flash <= kUnoFlashBytes && size.ram <= kUnoRamBytes) return std::nullopt;
    return say(
        {"szkic nie zmieści się w Arduino Uno: zajmie do {1} B pamięci programu z {2} B i do {3} B RAM z "
         "{4} B; zmniejszy go mniej reguł, które mogą zadziałać",
         "the sketch will not fit an Arduino Uno: it takes up to {1} B of program memory of {2} B and up to "
         "{3} B of RAM of {4} B; fewer rules that can act make it smaller"},
        {std::to_string(size.flash), std::to_string(kUnoFlashBytes), std::to_string(size.ram),
         std::to_string(kUnoRamBytes)});
}

}  // namespace vemrik
