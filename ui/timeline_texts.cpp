#include "ui/timeline_texts.h"

#include <algorithm>
#include <iterator>

#include "simulation/timeline_chart.h"

namespace vemrik {

namespace {

using namespace chart_rows;

// Shorter than the tooltip's, for the legend's one line.
constexpr Text kMarkNames[] = {
    {"zjechał z mapy", "left the map"},
    {"wrócił na mapę", "came back onto the map"},
    {"żadna reguła nie pasuje", "no rule matches"},
    {"stop", "stop"},
    {"nad polem Stop, żaden czujnik go nie dotknął", "over a Stop cell, no sensor touched it"}};
static_assert(std::size(kMarkNames) == kMarkFacts.size());

}  // namespace

std::vector<TimelineRowName> timelineRowNames() {
    std::vector<TimelineRowName> names{{kMarkTop, kMarkLanes * kMarkHeight, say({"zdarzenia", "events"})}};
    for (int k = 0; k < 8; ++k)
        names.push_back({kSensorTop + k * kRowPitch, kRowPitch,
                         say({"czujnik {1}", "sensor {1}"}, {std::to_string(k + 1)})});
    names.push_back({kStopTop, kRowPitch, say({"stop", "stop"})});
    names.push_back({kRuleTop, kRuleHeight, say({"reguła", "rule"})});
    names.push_back({kHeadingTop, kHeadingHeight, say({"kierunek", "heading"})});
    return names;
}

TimelineLegend timelineLegend(const RunTimeline& timeline, const std::vector<std::string>& rules) {
    TimelineLegend legend;
    legend.rulesHeading = say({"Reguły (pasek „reguła”; puste miejsce: robot jechał prosto): ",
                               "Rules (the “rule” strip; an empty place: the robot drove straight on): "});
    std::vector<int> lines = timeline.rules();
    std::sort(lines.begin(), lines.end());
    for (const int line : lines) {
        const std::string text =
            line < static_cast<int>(rules.size()) ? rules[static_cast<std::size_t>(line)] : "";
        legend.rules.push_back(
            {ruleColour(line), say({" linia {1}: {2}", " line {1}: {2}"}, {std::to_string(line + 1), text})});
    }
    legend.noRule = say({"żadna jeszcze nie zadziałała", "none has acted yet"});
    legend.marksHeading = say({"Zdarzenia: ", "Events: "});
    for (std::size_t m = 0; m < kMarkFacts.size(); ++m)
        legend.marks.push_back({kChartMarks[m], " " + say(kMarkNames[m])});
    legend.sensors =
        say({"Im ciemniejszy zielony, tym częściej czujnik widział linię "
             "(szare paski: robot nie ma tego czujnika).",
             "The darker the green, the more often the sensor saw the line "
             "(grey strips: the robot has no such sensor)."});
    return legend;
}

}  // namespace vemrik
