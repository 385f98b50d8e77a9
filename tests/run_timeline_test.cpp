#include "simulation/run_timeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <tuple>

#include "simulation/timeline_chart.h"
#include "simulation/timeline_feed.h"

using namespace vemrik;

namespace {

TimelineStep makeStep(float heading, int rule, std::uint8_t sensors, int count, std::uint8_t facts = 0) {
    TimelineStep s;
    s.heading = heading;
    s.rule = static_cast<std::int16_t>(rule);
    s.sensors = sensors;
    s.sensorCount = static_cast<std::uint8_t>(count);
    s.facts = facts;
    return s;
}

// Twenty steps, a robot of three sensors and of two from step 16 on:
//   sensor 1 on in steps 1-6, sensor 2 in 6-10, slot 3 reads 1 in 16-20 where the robot lacks it;
//   line 5 acts in steps 3 and 4, line 2 in step 8; heading 0, then -30, -60 (steps 4-7), -30;
//   off the map in steps 13-14, no rule for the pattern of step 10, the stop seen in 19-20.
RunTimeline handMadeRun() {
    RunTimeline t;
    for (int i = 0; i < 20; ++i) {
        const float heading = i < 2 ? 0.0f : i == 2 ? -30.0f : i <= 6 ? -60.0f : -30.0f;
        const int rule = i == 2 || i == 3 ? 4 : i == 7 ? 1 : -1;
        std::uint8_t sensors = 0;
        if (i <= 5) sensors |= 1;
        if (i >= 5 && i <= 9) sensors |= 2;
        if (i >= 15) sensors |= 4;
        std::uint8_t facts = 0;
        if (i == 12 || i == 13) facts |= kFactOffMap;
        if (i == 9) facts |= kFactNoRule;
        if (i == 6) facts |= kFactUnseenStop;
        if (i >= 18) facts |= kFactStopSignal;
        t.append(makeStep(heading, rule, sensors, i >= 15 ? 2 : 3, facts));
    }
    return t;
}

using namespace chart_rows;
constexpr std::uint32_t kLine5 = 0xFF8E24AAu;  // the palette's fifth colour
constexpr std::uint32_t kLine2 = 0xFFE53935u;

struct Px {
    int x, y;
    std::uint32_t colour;
};

}  // namespace

// One step a column: every part of the chart at the columns where it changes, worked out by hand.
TEST(TimelineChart, aHandMadeRunAtOneStepAColumn) {
    RunTimeline t = handMadeRun();
    TimelineChart chart;
    chart.setHeadingWrapped(false);
    chart.paint(t, TimelineView{0.0, 1.0}, 24, 99);
    // In order: the marks, each kMarkReach columns wider (left the map at 13, column 12, a band
    // until back at 15, no rule at 10, stop at 19, a stop
    // passed unseen at 6; a gap row); sensor 1 rows 22-29, sensor 2 rows 31-38, slot
    // 3 rows 40-47 (absent from column 15), the stop row 94-101, the rule band 104-113; heading 0 at row 117,
    // -30 at 145, -60 at 173, each column joined to the one before; past the run.
    const Px expected[] = {{10, 0, kChartMarks[0]},   {15, 0, kChartMarks[0]},    {9, 0, kChartBackground},
                           {17, 0, kChartBackground}, {16, 4, kChartMarks[1]},    {17, 4, kChartBackground},
                           {7, 8, kChartMarks[2]},    {12, 8, kChartBackground},  {16, 12, kChartMarks[3]},
                           {20, 12, kChartMarks[3]},  {15, 12, kChartBackground}, {21, 12, kChartBackground},
                           {4, 16, kChartMarks[4]},   {8, 16, kChartMarks[4]},    {9, 16, kChartBackground},
                           {5, 22, kChartSensorOn},   {6, 22, kChartRowOff},      {5, 30, kChartBackground},
                           {4, 31, kChartRowOff},     {5, 31, kChartSensorOn},    {10, 31, kChartRowOff},
                           {14, 40, kChartRowOff},    {15, 40, kChartAbsent},     {15, 41, kChartBackground},
                           {17, 94, kChartRowOff},    {18, 94, kChartStop},       {1, 104, kChartRowOff},
                           {2, 104, kLine5},          {3, 113, kLine5},           {4, 104, kChartRowOff},
                           {7, 109, kLine2},          {0, 117, kChartHeading},    {2, 117, kChartHeading},
                           {2, 145, kChartHeading},   {2, 146, kChartBackground}, {3, 144, kChartBackground},
                           {3, 145, kChartHeading},   {3, 173, kChartHeading},    {4, 172, kChartBackground},
                           {7, 145, kChartHeading},   {7, 173, kChartHeading},    {8, 146, kChartBackground},
                           {20, 22, kChartBackground}};
    for (const Px& p : expected) EXPECT_EQ(chart.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    // One step more, the same view: the chart follows the run, not the sums it kept.
    t.append(makeStep(-30.0f, -1, 1, 3));
    chart.paint(t, TimelineView{0.0, 1.0}, 24, 99);
    EXPECT_EQ(chart.pixel(20, kSensorTop), kChartSensorOn);
    // A view that starts while the robot is off the map begins with the band.
    chart.paint(t, TimelineView{13.0, 1.0}, 5, 99);
    EXPECT_EQ(chart.pixel(0, 0), kChartMarks[0]);
}

// Two steps a column: one of two is shaded, a mark of either step shows, the band takes the rule
// that acted even beside a straight step.
TEST(TimelineChart, aHandMadeRunAtTwoStepsAColumn) {
    const RunTimeline t = handMadeRun();
    TimelineChart chart;
    chart.setHeadingWrapped(false);
    chart.paint(t, TimelineView{0.0, 2.0}, 10, 11);
    constexpr std::uint32_t kHalfOn = 0xFF85AE8Bu;     // 0x3A7D44 at level 64 + 191 / 2 = 159
    constexpr std::uint32_t kHalfLine2 = 0xFFEF8482u;  // 0xE53935 at level 159
    // Step 15 has slot 3; last, the cursor on kept step 11, column 5, from top to bottom.
    const Px expected[] = {
        {2, 22, kChartSensorOn}, {3, 22, kChartRowOff},  {2, 31, kHalfOn},        {4, 31, kChartSensorOn},
        {3, 31, kChartSensorOn}, {8, 40, kChartAbsent},  {1, 104, kLine5},        {3, 104, kHalfLine2},
        {4, 104, kChartRowOff},  {6, 0, kChartMarks[0]}, {7, 4, kChartMarks[1]},  {4, 8, kChartMarks[2]},
        {9, 12, kChartMarks[3]}, {9, 94, kChartStop},    {1, 117, kChartHeading}, {1, 173, kChartHeading},
        {5, 0, kChartCursor},    {5, 173, kChartCursor}, {3, 0, kChartBackground}};
    for (const Px& p : expected) EXPECT_EQ(chart.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

// Headings far past a float's grain of 15 degrees, or past any number: each step, one a column,
// lands on its row of the heading band (row 173 - round(56 * (h - low) / (high - low))).
TEST(TimelineChart, anyHeadingStaysInsideTheHeadingBand) {
    constexpr float kMax = std::numeric_limits<float>::max();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const struct {
        const char* what;
        std::vector<float> headings;
        std::vector<int> rows;
    } cases[] = {
        // 999999990 .. 1000000005: 10 degrees above the bottom is 37.3 rows.
        {"all 1e9", {1e9f, 1e9f, 1e9f}, {136, 136, 136}},
        {"all 3e8, on the grain", {3e8f, 3e8f}, {173, 173}},
        {"huge beside small", {0.5f, 1e9f, 0.5f}, {173, 117, 173}},
        {"the float's ends", {kMax, -kMax}, {117, 173}},
        {"all at the float's end", {kMax, kMax}, {173, 173}},
        // Not finite: the scale of the rest, 0 .. 30, and the band's ends.
        {"not finite", {0.0f, kInf, 30.0f, -kInf, std::nanf("")}, {173, 117, 117, 173, 173}},
    };
    for (const auto& c : cases) {
        RunTimeline t;
        for (const float h : c.headings) t.append(makeStep(h, -1, 0, 1));
        TimelineChart chart;
        chart.setHeadingWrapped(false);
        const int width = static_cast<int>(c.headings.size());
        chart.paint(t, TimelineView{0.0, 1.0}, width, 99);
        for (int x = 0; x < width; ++x) {
            const int row = chart.headingRow(c.headings[static_cast<std::size_t>(x)]);
            EXPECT_EQ(row, c.rows[static_cast<std::size_t>(x)]) << c.what << ", column " << x;
            if (row >= kHeadingTop && row < kHeight) {
                EXPECT_EQ(chart.pixel(x, row), kChartHeading) << c.what;
            }
        }
    }
}

// As the status bar shows it, the heading within 0 … 360° on a scale of 0 to 360 (row 173 - round(56 * h /
// 360)), a turn over north at both ends of the band; counted on, on a scale of the run's own.
TEST(TimelineChart, theHeadingIsShownWithin0To360OrCountedOn) {
    const struct {
        std::vector<float> headings;
        bool wrapped;
        int column;
        std::vector<int> painted, clear;
    } cases[] = {
        {{-480.0f}, true, 0, {136}, {135, 137}},                             // 240°
        {{-480.0f}, false, 0, {173}, {172}},                                 // the low end of -480 .. -465
        {{350.0f, 370.0f}, true, 1, {117, 119, 171, 173}, {120, 144, 170}},  // 350 .. 360, 0 .. 10
        {{350.0f, 370.0f}, false, 1, {126, 164}, {125, 165}},                // 345 .. 375
    };
    for (const auto& c : cases) {
        RunTimeline t;
        for (const float h : c.headings) t.append(makeStep(h, -1, 0, 1));
        TimelineChart chart;
        chart.setHeadingWrapped(c.wrapped);
        chart.paint(t, TimelineView{0.0, 1.0}, static_cast<int>(c.headings.size()), 99);
        for (const int row : c.painted) EXPECT_EQ(chart.pixel(c.column, row), kChartHeading) << row;
        for (const int row : c.clear) EXPECT_EQ(chart.pixel(c.column, row), kChartBackground) << row;
        EXPECT_EQ(chart.headingHigh() == 360.0, c.wrapped);
    }
}

namespace {

TimelineSummary plainSum(const RunTimeline& t, std::size_t a, std::size_t b) {
    TimelineSummary s;
    s.steps = static_cast<std::uint32_t>(b - a);
    std::vector<std::uint32_t> rules(64, 0);
    s.headingMin = s.headingMax = t.step(a).heading;
    for (std::size_t i = a; i < b; ++i) {
        const TimelineStep& st = t.step(i);
        for (int k = 0; k < 8; ++k) {
            const bool present = k < st.sensorCount;
            s.present[static_cast<std::size_t>(k)] += present;
            s.on[static_cast<std::size_t>(k)] += present && (st.sensors >> k & 1);
        }
        s.stop += (st.facts & kFactStopSignal) != 0;
        for (std::size_t m = 0; m < kMarkFacts.size(); ++m) s.marks[m] += (st.facts & kMarkFacts[m]) != 0;
        if (st.rule >= 0) ++rules[static_cast<std::size_t>(st.rule)], ++s.turned;
        s.headingMin = std::min(s.headingMin, st.heading);
        s.headingMax = std::max(s.headingMax, st.heading);
    }
    for (int line = 0; line < 64; ++line)
        if (rules[static_cast<std::size_t>(line)] > s.ruleSteps)
            s.ruleSteps = rules[static_cast<std::size_t>(line)], s.rule = line;
    s.headingLast = t.step(b - 1).heading;
    return s;
}

/// Every field of a summary, for comparing two of them whole.
auto fields(const TimelineSummary& s) {
    return std::tie(s.steps, s.on, s.present, s.stop, s.marks, s.turned, s.rule, s.ruleSteps, s.headingMin,
                    s.headingMax, s.headingLast);
}

void appendRandom(RunTimeline& t, std::mt19937& rng, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        // Few lines and long stretches, so ties and runs of one value are common.
        const int rule = rng() % 3 == 0 ? static_cast<int>(rng() % 6) * 7 : -1;
        t.append(makeStep(static_cast<float>(static_cast<int>(rng() % 9) - 4) * 15.0f, rule,
                          static_cast<std::uint8_t>(rng()), static_cast<int>(rng() % 9),
                          static_cast<std::uint8_t>(rng() % 8)));
    }
}

}  // namespace

// Every column of random views against a plain sum over its steps, through appends, a cut back
// and appends again.
TEST(RunTimeline, eachColumnSumsUpItsStepsAsAPlainLoopDoes) {
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
        RunTimeline t;
        appendRandom(t, rng, 1 + rng() % 3000);
        if (round % 3 == 1) {
            t.truncate(t.size() / 2 + 1);
            appendRandom(t, rng, rng() % 500);
        }
        // One chart through the views, so that a view panned from the one before keeps its columns.
        TimelineChart chart;
        TimelineView view;
        int width = 1;
        for (int v = 0; v < 5; ++v) {
            if (v % 2 == 0) {
                width = 1 + static_cast<int>(rng() % 700);
                view = {static_cast<double>(rng() % t.size()),
                        std::ldexp(1.0 + (rng() % 1000) / 1000.0, static_cast<int>(rng() % 13) - 6)};
            } else {
                view = panView(view, static_cast<int>(rng() % 40) - 20, t.size(), width);
            }
            const double spc = view.stepsPerColumn;
            chart.paint(t, view, width, ~std::size_t{0});
            std::size_t next = chart.range(0).first;
            for (int x = 0; x < width; ++x) {
                const auto [a, b] = chart.range(x);
                if (a == b) continue;
                if (spc >= 1.0) {
                    EXPECT_EQ(a, next);  // zoomed out, the columns cover each step once
                }
                next = b;
                EXPECT_EQ(fields(chart.column(x)), fields(plainSum(t, a, b)));
            }
        }
    }
}

// At the bound the older half goes; the rest still sums up right and numbers its steps on.
TEST(RunTimeline, theOlderHalfGoesAtTheBound) {
    std::mt19937 rng(3);
    RunTimeline t;
    appendRandom(t, rng, RunTimeline::kCapacity + 5);
    EXPECT_EQ(t.size(), RunTimeline::kCapacity / 2 + 5);
    EXPECT_EQ(t.firstStep(), RunTimeline::kCapacity / 2 + 1);
    TimelineSummary s;
    t.summarise(0, t.size(), s);
    EXPECT_EQ(fields(s), fields(plainSum(t, 0, t.size())));
}

TEST(TimelineView, zoomKeepsTheStepUnderThePointerAndPanStaysOnTheLine) {
    struct Case {
        TimelineView view;
        double factor;
        int column;
        double first, spc;
    } cases[] = {
        {{100, 2}, 0.5, 50, 150, 1},     // step 200 stays under column 50
        {{0, 1}, 4, 10, 0, 4},           // kept at the start
        {{900, 1}, 8, 0, 200, 8},        // kept at the end: 1000 steps, 100 columns
        {{0, 1}, 1e-6, 0, 0, 1.0 / 64},  // at most 64 columns a step
        {{0, 1}, 1e6, 0, 0, 10},         // at least the whole run
    };
    for (const Case& c : cases) {
        const TimelineView v = zoomView(c.view, c.factor, c.column, 1000, 100);
        EXPECT_DOUBLE_EQ(v.first, c.first);
        EXPECT_DOUBLE_EQ(v.stepsPerColumn, c.spc);
    }
    EXPECT_EQ(std::tuple(panView({10, 2}, -20, 1000, 100).first, panView({10, 2}, 30, 1000, 100).first,
                         panView({10, 2}, 1000, 1000, 100).first),
              std::tuple(0.0, 70.0, 800.0));
    EXPECT_EQ(std::tuple(fitView(1000, 100).stepsPerColumn, fitView(1, 100).stepsPerColumn),
              std::tuple(10.0, 1.0 / 64));
    // Zoomed in, a column holds the step its left edge lies on.
    EXPECT_EQ(columnSteps({0, 0.25}, 5, 10), (std::pair<std::size_t, std::size_t>{1, 2}));
    EXPECT_EQ(columnSteps({0, 0.25}, 40, 10), (std::pair<std::size_t, std::size_t>{10, 10}));
    EXPECT_EQ(columnSteps({0, 2.5}, 1, 10), (std::pair<std::size_t, std::size_t>{2, 5}));
}

namespace {

void recordSteps(RunRecord& r, int n, float startY) {
    ProgramState s;
    s.SensorStates[0] = 1;
    for (int i = 0; i < n; ++i) {
        s.RobotPosY = startY - 3.0f * static_cast<float>(r.steps() + 1);
        r.recordStep(0, 0, s, i % 2 == 0 ? 0 : kNoRule, {"1 0 0 0 0 0 0 0 5"});
    }
}

}  // namespace

// The time line follows the record: new steps appended, an earlier step shown keeps the later
// ones, a new run from "Start" starts it over, a run cut short (a step from an earlier one) too.
TEST(TimelineFeed, followsTheRunTheRecordHolds) {
    RunRecord record;
    RunTimeline t;
    TimelineFeed feed{0, 1, 100, 100, {}};  // one sensor, a map of 100 by 100
    recordSteps(record, 5, 50);
    followRun(t, record, feed);
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t.step(0).facts & kFactNoRule, kFactNoRule);  // no line read: pattern 1 matches none

    // Shown again at step 2 of 5: the record holds 2 steps, the time line keeps 5.
    record.clear();
    recordSteps(record, 2, 50);
    feed.runSteps = 5;
    followRun(t, record, feed);
    EXPECT_EQ(t.size(), 5u);

    // Going on from step 2 forgets steps 3 to 5.
    recordSteps(record, 1, 50);
    feed.runSteps = 3;
    followRun(t, record, feed);
    EXPECT_EQ(t.size(), 3u);

    // A new run from another start: another pose at step 3 means another run.
    record.clear();
    feed.runSteps = 0;
    feed.matched[1] = true;
    recordSteps(record, 19, 52);
    followRun(t, record, feed);
    ASSERT_EQ(t.size(), 19u);
    EXPECT_EQ(t.step(0).facts & kFactNoRule, 0);
    EXPECT_EQ(t.step(17).facts & kFactLeft, kFactLeft);  // y 52 - 3 · 18 < 0 first at step 18
    EXPECT_EQ(t.step(18).facts & (kFactLeft | kFactOffMap), kFactOffMap);
    record.clear();
    followRun(t, record, feed);
    EXPECT_EQ(t.size(), 0u);
}

// A log given from its step 3 on: a stop, a step no rule acted in, and a robot far off any map,
// which is not marked as off it; without headings the time line knows it has none.
TEST(TimelineFeed, aLogsStepsTakeThePlaceOfTheRun) {
    RunTimeline t = handMadeRun();
    std::vector<RunRow> rows(3);
    rows[0] = {3, 0.0f, 0.0f, 0.0f, 0, 0, 0b101, false};  // the first line of the list
    rows[1] = {4, 0.0f, -500.0f, 9e6f, -1, -1, 0b0, true};
    rows[2] = {5, 0.0f, 0.0f, 0.0f, 40000, 1, 0b1, true};  // a line past what the chart colours
    showRecordedSteps(t, rows, false);
    ASSERT_EQ(std::tuple(t.size(), t.firstStep(), t.headingKnown()), std::tuple(3u, 3u, false));
    const struct {
        int rule;
        std::uint8_t sensors, facts;
    } expected[] = {
        {0, 0b101, 0}, {-1, 0, kFactNoRule | kFactStopSignal | kFactStopped}, {-1, 1, kFactStopSignal}};
    for (std::size_t i = 0; i < 3; ++i) {
        const TimelineStep& s = t.step(i);
        EXPECT_EQ(std::tuple(s.rule, s.sensors, s.sensorCount, s.facts),
                  std::tuple(expected[i].rule, expected[i].sensors, 8, expected[i].facts))
            << i;
    }
    TimelineSummary sum;
    t.summarise(1, 2, sum);
    EXPECT_EQ(columnTooltip(t, 1, 2, sum, {}),
              "krok 4\nwzorzec: 0 0 0 0 0 0 0 0\nprosto\nkierunek: nieznany\nżadna reguła nie pasuje\nstop");
    t.summarise(0, 1, sum);
    EXPECT_TRUE(columnTooltip(t, 0, 1, sum, {"0 1 0 1", "b"})
                    .starts_with("krok 3\nwzorzec: 1 0 1 0 0 0 0 0\nreguła 1: 0 1 0 1\n"));

    // Nothing of the heading is painted, though every step says 0°.
    TimelineChart chart;
    chart.paint(t, fitView(t.size(), 30), 30, ~std::size_t{0});
    for (int x = 0; x < 30; ++x)
        for (int y = chart_rows::kHeadingTop; y < chart_rows::kHeight; ++y)
            ASSERT_EQ(chart.pixel(x, y), kChartBackground) << x << "," << y;
    // The run that follows knows its heading again.
    t.clear();
    EXPECT_TRUE(t.headingKnown());
    // Of a longer log, the last steps it keeps.
    rows.assign(RunTimeline::kCapacity + 5, RunRow{});
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].step = i + 1;
    rows.back().rule = 3;
    showRecordedSteps(t, rows, true);
    EXPECT_EQ(std::tuple(t.size(), t.firstStep(), t.step(t.size() - 1).rule, t.headingKnown()),
              std::tuple(RunTimeline::kCapacity, 6u, 3, true));
}

TEST(TimelineFeed, ruleTextsByLineFromTheLogAndPatternsByTheLines) {
    const ParsedRunLog read = parseRunLog(
        "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\n"
        "1,,,,1,0,0,0,0,0,0,0,3,1 0 0 0 0 0 0 0 5,\n"
        "2,,,,1,0,0,0,0,0,0,0,3,1 0 0 0 0 0 0 0 10,\n"
        "3,,,,0,1,0,0,0,0,0,0,1,0 1 0 0 0 0 0 0 0,\n"
        "4,,,,0,0,0,0,0,0,0,0,32768,0 0 0 0 0 0 0 0 7,\n"  // the last line the chart colours
        "5,,,,0,0,0,0,0,0,0,0,32769,0 0 0 0 0 0 0 0 8,\n");
    ASSERT_TRUE(read.log) << read.error;
    std::vector<std::string> expected(32768);
    expected[0] = "0 1 0 0 0 0 0 0 0";
    expected[2] = "1 0 0 0 0 0 0 0 5";
    expected[32767] = "0 0 0 0 0 0 0 0 7";
    EXPECT_EQ(loggedRuleTexts(*read.log), expected);
    // Pattern 0 is a line with no sensor on; -1 and 256 are none.
    const auto matched =
        matchedPatterns({{.pattern = 0}, {.pattern = -1}, {.pattern = 255}, {.pattern = 256}});
    EXPECT_EQ(std::tuple(std::count(matched.begin(), matched.end(), true), matched[0], matched[255]),
              std::tuple(2, true, true));
}
