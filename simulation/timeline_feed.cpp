#include "simulation/timeline_feed.h"

#include <algorithm>
#include <cmath>

#include "platform/texts.h"
#include "simulation/unseen_stop.h"

namespace vemrik {

namespace {

std::string patternText(std::uint8_t sensors, int count) {
    std::string s;
    for (int k = 0; k < 8; ++k) {
        if (k > 0) s += ' ';
        s += k >= count ? "–" : (sensors >> k) & 1 ? "1" : "0";
    }
    return s;
}

std::string ruleLine(int line, const std::vector<std::string>& rules) {
    std::string s = say({"reguła {1}", "rule {1}"}, {std::to_string(line + 1)});
    if (line < static_cast<int>(rules.size())) s += ": " + rules[static_cast<std::size_t>(line)];
    return s;
}

constexpr Text kMarkNames[] = {{"zjechał z mapy", "left the map"},
                               {"wrócił na mapę", "came back onto the map"},
                               {"żadna reguła nie pasuje", "no rule matches"},
                               {"stop", "stop"},
                               {"przejechał nad polem Stop, którego żaden czujnik nie dotknął",
                                "drove over a Stop cell no sensor touched"}};
static_assert(std::size(kMarkNames) == kMarkFacts.size());

bool overUnseenStop(const RunRow& row, const TimelineFeed& feed) {
    return feed.boards &&
           stopPassedUnseen(feed.boards->RobotGrid, feed.boards->MapGrid, row.x, row.y, row.heading);
}

}  // namespace

std::array<bool, 256> matchedPatterns(const std::vector<LineReading>& reading) {
    std::array<bool, 256> matched{};
    for (const LineReading& line : reading)
        if (line.pattern >= 0 && line.pattern < 256) matched[static_cast<std::size_t>(line.pattern)] = true;
    return matched;
}

void followRun(RunTimeline& timeline, const RunRecord& record, const TimelineFeed& feed) {
    const std::uint64_t recorded = record.steps();
    const std::uint64_t run = std::max(feed.runSteps, recorded);
    const auto end = [&] { return timeline.firstStep() + timeline.size(); };  // step after the last
    if (end() > run + 1) {
        if (run < timeline.firstStep())
            timeline.clear();
        else
            timeline.truncate(static_cast<std::size_t>(run + 1 - timeline.firstStep()));
    }
    const std::size_t rows = record.rowCount();
    if (rows == 0) {
        // At "Start", or shown again at it with the run still ahead.
        if (run == 0) timeline.clear();
        return;
    }
    // The last step both hold: another pose there means another run.
    const std::uint64_t oldest = record.row(0).step;
    if (timeline.size() > 0) {
        const std::uint64_t both = std::min(end() - 1, record.row(rows - 1).step);
        if (both >= oldest && both >= timeline.firstStep() &&
            timeline.step(static_cast<std::size_t>(both - timeline.firstStep())).pose !=
                poseDigest(record.row(static_cast<std::size_t>(both - oldest))))
            timeline.clear();
    }
    if (timeline.size() == 0 || end() < oldest) timeline.clear(oldest);
    const std::size_t first = static_cast<std::size_t>(end() - oldest);
    // One mark, at the step the body comes over the stop.
    bool overBefore = first > 0 && overUnseenStop(record.row(first - 1), feed);
    for (std::size_t i = first; i < rows; ++i) {
        const RunRow& row = record.row(i);
        TimelineStep step =
            timelineStepOf(row, feed.sensorCount, feed.matched[row.sensors], feed.width, feed.height);
        const bool over = overUnseenStop(row, feed);
        if (over && !overBefore) step.facts |= kFactUnseenStop;
        overBefore = over;
        timeline.append(step);
    }
}

void showRecordedSteps(RunTimeline& timeline, const std::vector<RunRow>& rows, bool headingKnown) {
    // As many of the last steps as it keeps: appending more would drop half of them.
    const std::size_t first = rows.size() > RunTimeline::kCapacity ? rows.size() - RunTimeline::kCapacity : 0;
    timeline.clear(rows.empty() ? 1 : rows[first].step);
    timeline.setHeadingKnown(headingKnown);
    for (std::size_t i = first; i < rows.size(); ++i) {
        const RunRow& row = rows[i];
        TimelineStep s;
        s.heading = headingKnown ? row.heading : 0.0f;
        s.pose = poseDigest(row);
        s.rule =
            row.rule >= 0 && row.rule <= INT16_MAX ? static_cast<std::int16_t>(row.rule) : std::int16_t{-1};
        s.sensors = row.sensors;
        s.sensorCount = 8;  // a log gives s1…s8 in every row
        if (row.stop) s.facts |= kFactStopSignal;
        if (row.rule < 0) s.facts |= kFactNoRule;
        timeline.append(s);
    }
}

std::vector<std::string> loggedRuleTexts(const RunLog& log) {
    std::vector<std::string> texts;
    for (const LoggedStep& s : log.steps) {
        // Lines past what the chart can colour are not named there either.
        if (s.ruleIndex < 1 || s.ruleIndex > INT16_MAX + 1) continue;
        const std::size_t line = static_cast<std::size_t>(s.ruleIndex - 1);
        if (line >= texts.size()) texts.resize(line + 1);
        if (texts[line].empty()) texts[line] = std::string(log.ruleText(s));
    }
    return texts;
}

std::string columnTooltip(const RunTimeline& timeline, std::size_t a, std::size_t b,
                          const TimelineSummary& sum, const std::vector<std::string>& rules) {
    const std::uint64_t first = timeline.firstStep() + a;
    std::string text;
    std::uint8_t facts = 0;
    if (b == a + 1) {
        const TimelineStep& s = timeline.step(a);
        facts = s.facts;
        text = say({"krok {1}\nwzorzec: {2}\n", "step {1}\npattern: {2}\n"},
                   {std::to_string(first), patternText(s.sensors, s.sensorCount)}) +
               (s.rule >= 0 ? ruleLine(s.rule, rules) : say({"prosto", "straight on"}));
        text += timeline.headingKnown() ? say({"\nkierunek: {1}°", "\nheading: {1}°"},
                                              {std::to_string(static_cast<long>(std::lround(s.heading)))})
                                        : say({"\nkierunek: nieznany", "\nheading: unknown"});
    } else {
        text = say({"kroki {1}–{2} ({3})\nczujniki na linii (kroków):",
                    "steps {1}–{2} ({3})\nsensors on the line (steps):"},
                   {std::to_string(first), std::to_string(first + (b - a) - 1), std::to_string(b - a)});
        for (std::size_t k = 0; k < 8; ++k)
            text += sum.present[k] == 0 ? std::string(" –") : " " + std::to_string(sum.on[k]);
        text += sum.rule >= 0 ? say({"\nnajczęściej {1} ({2} razy)", "\nmostly {1} ({2} times)"},
                                    {ruleLine(sum.rule, rules), std::to_string(sum.ruleSteps)})
                              : "\n" + say({"prosto", "straight on"});
        for (std::size_t m = 0; m < kMarkFacts.size(); ++m)
            if (sum.marks[m] > 0) facts |= kMarkFacts[m];
    }
    for (std::size_t m = 0; m < kMarkFacts.size(); ++m)
        if (facts & kMarkFacts[m]) text += "\n" + say(kMarkNames[m]);
    return text;
}

}  // namespace vemrik
