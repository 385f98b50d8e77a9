#include "simulation/timeline_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

namespace vemrik {

namespace {

using namespace chart_rows;

// At most 64 pixel columns for one step.
constexpr double kMinStepsPerColumn = 1.0 / 64.0;
// The heading scale goes by this many degrees.
constexpr double kHeadingGrain = 15.0;
// The least span of the heading scale, as a share of its low end.
constexpr double kLeastShareOfSpan = 1e-9;
constexpr double kTurn = 360.0;

constexpr std::size_t laneOf(std::uint8_t fact) {
    return static_cast<std::size_t>(std::find(kMarkFacts.begin(), kMarkFacts.end(), fact) -
                                    kMarkFacts.begin());
}
constexpr std::size_t kLeftLane = laneOf(kFactLeft), kBackLane = laneOf(kFactBack);
static_assert(kLeftLane < kMarkFacts.size() && kBackLane < kMarkFacts.size());

constexpr std::uint32_t kRulePalette[] = {0xFF1E88E5u, 0xFFE53935u, 0xFF43A047u, 0xFFFB8C00u, 0xFF8E24AAu,
                                          0xFF00ACC1u, 0xFF6D4C41u, 0xFFD81B60u, 0xFF7CB342u, 0xFF3949ABu};

double clampFirst(double first, double stepsPerColumn, std::size_t size, int columns) {
    const double last = static_cast<double>(size) - stepsPerColumn * columns;
    return std::clamp(first, 0.0, std::max(0.0, last));
}

}  // namespace

namespace {

// The colour at each strength, 0 white to 255 the colour itself.
using ShadeTable = std::array<std::uint32_t, 256>;

ShadeTable shadesOf(std::uint32_t colour) {
    ShadeTable t{};
    for (std::uint32_t level = 0; level < 256; ++level) {
        std::uint32_t out = 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t c = (colour >> shift) & 0xFF;
            out |= (255 - (255 - c) * level / 255) << shift;
        }
        t[level] = out;
    }
    return t;
}

// The chart's own colours in one byte order, the shaded ones worked out once.
struct Shades {
    ShadeTable on, stop;
    std::array<ShadeTable, std::size(kRulePalette)> rules;
    std::array<std::uint32_t, std::size(kChartMarks)> marks;
    std::uint32_t heading, cursor;
};

Shades shadesIn(std::uint32_t (*order)(std::uint32_t)) {
    Shades t{shadesOf(order(kChartSensorOn)),
             shadesOf(order(kChartStop)),
             {},
             {},
             order(kChartHeading),
             order(kChartCursor)};
    for (std::size_t i = 0; i < t.rules.size(); ++i) t.rules[i] = shadesOf(order(kRulePalette[i]));
    for (std::size_t i = 0; i < t.marks.size(); ++i) t.marks[i] = order(kChartMarks[i]);
    return t;
}

std::uint32_t asIs(std::uint32_t colour) { return colour; }

// The greys and white read the same in either order, so only these need a table of each.
const Shades& shades(bool canvasOrder) {
    static const Shades words = shadesIn(asIs), canvas = shadesIn(swapRedBlue);
    return canvasOrder ? canvas : words;
}

// 191 / whole is kept per column; a quotient near an integer is at least 1 / whole from the next
// one, far more than the rounding of a double, so the nudge gives the exact floor.
std::uint32_t shadeWith(const ShadeTable& table, std::uint32_t part, std::uint32_t whole, double per) {
    return part >= whole ? table[255] : table[64 + static_cast<std::uint32_t>(part * per + 1e-9)];
}

std::uint32_t shadeWith(const ShadeTable& table, std::uint32_t part, std::uint32_t whole) {
    return shadeWith(table, part, whole, 191.0 / whole);
}

int paletteIndex(int line) {
    constexpr int kColours = static_cast<int>(std::size(kRulePalette));
    return ((line % kColours) + kColours) % kColours;
}

}  // namespace

std::uint32_t swapRedBlue(std::uint32_t colour) {
    return (colour & 0xFF00FF00u) | (colour >> 16 & 0xFFu) | (colour & 0xFFu) << 16;
}

std::uint32_t ruleColour(int line) { return kRulePalette[paletteIndex(line)]; }

std::uint32_t shade(std::uint32_t colour, std::uint32_t part, std::uint32_t whole) {
    return shadeWith(shadesOf(colour), part, whole);
}

std::pair<std::size_t, std::size_t> columnSteps(const TimelineView& view, int column, std::size_t size) {
    const double left = view.first + column * view.stepsPerColumn;
    const std::size_t a = std::min(size, static_cast<std::size_t>(std::max(0.0, std::floor(left))));
    if (a >= size) return {size, size};
    const std::size_t b =
        view.stepsPerColumn < 1.0
            ? a + 1
            : static_cast<std::size_t>(std::floor(view.first + (column + 1) * view.stepsPerColumn));
    return {a, std::clamp(b, a + 1, size)};
}

TimelineView fitView(std::size_t size, int columns) {
    TimelineView v;
    if (size == 0 || columns <= 0) return v;
    v.stepsPerColumn = std::max(static_cast<double>(size) / columns, kMinStepsPerColumn);
    return v;
}

TimelineView zoomView(const TimelineView& view, double factor, int column, std::size_t size, int columns) {
    const double most = std::max(static_cast<double>(size) / std::max(columns, 1), 1.0);
    TimelineView v;
    v.stepsPerColumn = std::clamp(view.stepsPerColumn * factor, kMinStepsPerColumn, most);
    const double under = view.first + column * view.stepsPerColumn;
    v.first = clampFirst(under - column * v.stepsPerColumn, v.stepsPerColumn, size, columns);
    return v;
}

TimelineView panView(const TimelineView& view, int columns, std::size_t size, int width) {
    TimelineView v = view;
    v.first = clampFirst(view.first + columns * view.stepsPerColumn, view.stepsPerColumn, size, width);
    return v;
}

void TimelineChart::paint(const RunTimeline& timeline, const TimelineView& view, int width,
                          std::size_t cursor) {
    width_ = std::max(width, 0);
    const std::size_t w = static_cast<std::size_t>(width_);
    pixels_.resize(w * static_cast<std::size_t>(kHeight));
    marked_.resize(w);
    spread_.resize(w);
    // The columns' sums are kept while the steps, the view and the width stay.
    if (summed_.version != timeline.version() || summed_.first != view.first ||
        summed_.stepsPerColumn != view.stepsPerColumn || summed_.width != width_ ||
        summed_.timeline != &timeline) {
        sumColumns(timeline, view, summed_.timeline == &timeline && summed_.version == timeline.version());
        summed_ = {&timeline, timeline.version(), view.first, view.stepsPerColumn, width_};
    }
    // The bands cover their rows whole; only the rows between them and the heading's are cleared.
    static const std::array<bool, kHeight> kBandRows = [] {
        std::array<bool, kHeight> band{};
        const auto mark = [&](int top, int height) { std::fill_n(band.begin() + top, height, true); };
        for (int m = 0; m < kMarkLanes; ++m) mark(kMarkTop + m * kMarkHeight, kMarkHeight - 1);
        for (int k = 0; k < 8; ++k) mark(kSensorTop + k * kRowPitch, kRowHeight);
        mark(kStopTop, kRowHeight);
        mark(kRuleTop, kRuleHeight);
        return band;
    }();
    const int cleared = timeline.headingKnown() ? kHeadingTop : kHeight;
    for (int y = 0; y < cleared; ++y)
        if (!kBandRows[static_cast<std::size_t>(y)])
            std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, width_, kChartBackground);
    paintMarks();
    paintBands();
    scaleHeading();
    if (timeline.headingKnown()) wrapped_ ? paintWrappedHeading() : paintHeading();
    for (std::size_t x = 0; x < w; ++x)
        if (ranges_[x].first <= cursor && cursor < ranges_[x].second)
            for (int y = 0; y < kHeight; ++y)
                pixels_[static_cast<std::size_t>(y) * w + x] = shades(canvasOrder_).cursor;
}

void TimelineChart::paintBands() {
    // The first row of each band (of a sensor's, the hatched second too) in one pass over the
    // columns, so that each sum is read once; the rows below are copies of those.
    const Shades& tables = shades(canvasOrder_);
    const std::size_t w = static_cast<std::size_t>(width_);
    const auto row = [this, w](int y) { return pixels_.data() + static_cast<std::size_t>(y) * w; };
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        const bool none = c.steps == 0;
        const double per = none ? 0.0 : 191.0 / static_cast<double>(c.steps);
        for (std::size_t k = 0; k < 8; ++k) {
            const int top = kSensorTop + static_cast<int>(k) * kRowPitch;
            const bool absent = c.present[k] == 0;
            const std::uint32_t colour = absent        ? kChartAbsent
                                         : c.on[k] > 0 ? shadeWith(tables.on, c.on[k], c.steps, per)
                                                       : kChartRowOff;
            row(top)[x] = none ? kChartBackground : colour;
            row(top + 1)[x] = none || absent ? kChartBackground : colour;
        }
        row(kStopTop)[x] = none         ? kChartBackground
                           : c.stop > 0 ? shadeWith(tables.stop, c.stop, c.steps, per)
                                        : kChartRowOff;
        row(kRuleTop)[x] = none ? kChartBackground
                           : c.ruleSteps > 0
                               ? shadeWith(tables.rules[static_cast<std::size_t>(paletteIndex(c.rule))],
                                           c.ruleSteps, c.steps, per)
                               : kChartRowOff;
    }
    const auto copyDown = [&](int top, int height, int pattern) {
        for (int y = top + pattern; y < top + height; ++y)
            std::memcpy(row(y), row(top + (y - top) % pattern), w * sizeof(std::uint32_t));
    };
    for (int k = 0; k < 8; ++k) copyDown(kSensorTop + k * kRowPitch, kRowHeight, 2);
    copyDown(kStopTop, kRowHeight, 1);
    copyDown(kRuleTop, kRuleHeight, 1);
}

void TimelineChart::sumColumns(const RunTimeline& timeline, const TimelineView& view, bool sameSteps) {
    const std::size_t w = static_cast<std::size_t>(width_);
    if (sameSteps) {
        keptRanges_.swap(ranges_);
        keptColumns_.swap(columns_);
    } else {
        keptRanges_.clear();
    }
    ranges_.resize(w);
    for (std::size_t x = 0; x < w; ++x) ranges_[x] = columnSteps(view, static_cast<int>(x), timeline.size());
    reuseOrSum(timeline);
    // Only finite headings set the scale; the rest are drawn at its ends.
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const TimelineSummary& c : columns_) {
        if (c.steps == 0) continue;
        for (const float h : {c.headingMin, c.headingMax})
            if (std::isfinite(h)) lo = std::min<double>(lo, h), hi = std::max<double>(hi, h);
    }
    if (lo > hi) lo = hi = 0.0;
    unwrappedLow_ = std::floor(lo / kHeadingGrain) * kHeadingGrain;
    unwrappedHigh_ = std::ceil(hi / kHeadingGrain) * kHeadingGrain;
    // Far from zero a grain is below the numbers' rounding: the span grows with them instead.
    if (unwrappedHigh_ <= unwrappedLow_)
        unwrappedHigh_ = unwrappedLow_ + std::max(kHeadingGrain, std::abs(unwrappedLow_) * kLeastShareOfSpan);
    // The left lane is a band while the robot is off the map, from before the view on.
    offBefore_ = false;
    if (!ranges_.empty() && ranges_[0].first > 0) {
        TimelineSummary before;
        timeline.summarise(0, std::min(ranges_[0].first, timeline.size()), before);
        offBefore_ = before.marks[kLeftLane] > before.marks[kBackLane];
    }
}

void TimelineChart::reuseOrSum(const RunTimeline& timeline) {
    // A pan by whole columns, or a zoom that keeps some columns' steps, finds those columns among
    // the kept ones (both in step order); only the rest are summed.
    const std::size_t w = ranges_.size();
    columns_.resize(w);
    missing_.clear();
    missingAt_.clear();
    std::size_t k = 0;
    for (std::size_t x = 0; x < w; ++x) {
        while (k < keptRanges_.size() && keptRanges_[k] < ranges_[x]) ++k;
        if (k < keptRanges_.size() && keptRanges_[k] == ranges_[x]) {
            columns_[x] = keptColumns_[k];
        } else {
            missing_.push_back(ranges_[x]);
            missingAt_.push_back(x);
        }
    }
    if (missing_.empty()) return;
    if (missing_.size() == w) {  // a view new in every column: summed in place
        timeline.summariseRanges(ranges_, columns_);
        return;
    }
    timeline.summariseRanges(missing_, missingSums_);
    for (std::size_t i = 0; i < missing_.size(); ++i) columns_[missingAt_[i]] = missingSums_[i];
}

void TimelineChart::scaleHeading() {
    low_ = wrapped_ ? 0.0 : unwrappedLow_;
    high_ = wrapped_ ? kTurn : unwrappedHigh_;
    rowsPerDegree_ = (kHeadingHeight - 1) / (high_ - low_);
}

void TimelineChart::paintMarks() {
    // Bit m of a column: mark m in it; the left lane is a band while the robot is off the map.
    const std::size_t w = static_cast<std::size_t>(width_);
    bool off = offBefore_;
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        unsigned bits = 0;
        for (std::size_t m = 0; m < kMarkFacts.size(); ++m) bits |= (c.marks[m] > 0 ? 1u : 0u) << m;
        if (c.steps > 0) {
            if (off) bits |= 1u << kLeftLane;
            off =
                c.marks[kLeftLane] > c.marks[kBackLane] || (off && c.marks[kLeftLane] == c.marks[kBackLane]);
        }
        marked_[x] = static_cast<std::uint8_t>(bits);
    }
    // Each mark kMarkReach columns wider on either side, within the chart.
    for (std::size_t x = 0; x < w; ++x) {
        constexpr auto kReach = static_cast<std::size_t>(kMarkReach);
        const std::size_t from = x >= kReach ? x - kReach : 0, to = std::min(w, x + kReach + 1);
        std::uint8_t bits = 0;
        for (std::size_t i = from; i < to; ++i) bits |= marked_[i];
        spread_[x] = bits;
    }
    for (std::size_t m = 0; m < kMarkFacts.size(); ++m) {
        const int top = kMarkTop + static_cast<int>(m) * kMarkHeight;
        std::uint32_t* first = pixels_.data() + static_cast<std::size_t>(top) * w;
        const std::uint32_t colour = shades(canvasOrder_).marks[m];
        for (std::size_t x = 0; x < w; ++x) first[x] = spread_[x] >> m & 1u ? colour : kChartBackground;
        for (int y = 1; y < kMarkHeight - 1; ++y)
            std::memcpy(first + static_cast<std::size_t>(y) * w, first, w * 4);
    }
}

int TimelineChart::headingRow(double heading) const {
    // Headings off the scale, not finite or rounded past its ends, keep to the band's edges.
    double rows = (heading - low_) * rowsPerDegree_;
    if (!(rows >= 0.0)) rows = 0.0;
    rows = std::min(rows, static_cast<double>(kHeadingHeight - 1));
    return kHeadingTop + (kHeadingHeight - 1) - static_cast<int>(rows + 0.5);
}

void TimelineChart::paintHeading() {
    // Each column from its lowest to its highest heading, joined to the last heading before it.
    const std::size_t w = static_cast<std::size_t>(width_);
    spans_.clear();
    bool joined = false;
    int before = 0;
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        if (c.steps == 0) {
            joined = false;
            continue;
        }
        int top = headingRow(c.headingMax), bottom = headingRow(c.headingMin);
        if (joined) {
            top = std::min(top, before);
            bottom = std::max(bottom, before);
        }
        spans_.push_back({static_cast<std::uint32_t>(x), top, bottom});
        before = headingRow(c.headingLast);
        joined = true;
    }
    inkSpans();
}

void TimelineChart::paintWrappedHeading() {
    // Each column's turn, joined to the last heading before it, counted on and then folded into
    // 0 … 360°: a turn over north is drawn at both ends of the band.
    const std::size_t w = static_cast<std::size_t>(width_);
    spans_.clear();
    bool joined = false;
    double before = 0.0;
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        if (c.steps == 0) {
            joined = false;
            continue;
        }
        double low = c.headingMin, high = c.headingMax;
        if (joined) low = std::min(low, before), high = std::max(high, before);
        before = c.headingLast;
        joined = true;
        const auto column = static_cast<std::uint32_t>(x);
        if (!(high - low < kTurn)) {  // a whole turn or more, or not a number
            spans_.push_back({column, headingRow(kTurn), headingRow(0.0)});
            continue;
        }
        const double from = low - std::floor(low / kTurn) * kTurn, to = from + (high - low);
        const Span turn{column, headingRow(std::min(to, kTurn)), headingRow(from)};
        if (!(to > kTurn)) {
            spans_.push_back(turn);
            continue;
        }
        // Its two parts meet when rounded to rows: one span then, as a pixel is inked once.
        const Span over{column, headingRow(to - kTurn), headingRow(0.0)};
        if (over.top <= turn.bottom + 1 && turn.top <= over.bottom + 1)
            spans_.push_back({column, std::min(turn.top, over.top), std::max(turn.bottom, over.bottom)});
        else
            spans_.push_back(turn), spans_.push_back(over);
    }
    inkSpans();
}

void TimelineChart::inkSpans() {
    // A row of the band is the row above it changed where a span starts or has just ended: the
    // band goes down copied row by row, only those pixels written. The changes sorted by row:
    // the count of each row, then each change at its row's next place.
    const std::size_t w = static_cast<std::size_t>(width_);
    constexpr std::uint32_t kInk = 1u << 31;
    const std::uint32_t heading = shades(canvasOrder_).heading;
    std::uint32_t* band = pixels_.data() + static_cast<std::size_t>(kHeadingTop) * w;
    std::array<std::uint32_t, kHeadingHeight + 2> at{};
    for (const Span& s : spans_) {
        ++at[static_cast<std::size_t>(s.top - kHeadingTop) + 1];
        ++at[static_cast<std::size_t>(s.bottom - kHeadingTop) + 2];
    }
    std::partial_sum(at.begin(), at.end(), at.begin());
    changes_.resize(at.back());
    for (const Span& s : spans_) {
        changes_[at[static_cast<std::size_t>(s.top - kHeadingTop)]++] = s.x | kInk;
        changes_[at[static_cast<std::size_t>(s.bottom - kHeadingTop) + 1]++] = s.x;
    }
    std::fill_n(band, w, kChartBackground);
    std::size_t change = 0;
    for (std::size_t r = 0; r < static_cast<std::size_t>(kHeadingHeight); ++r) {
        std::uint32_t* row = band + r * w;
        if (r > 0) std::memcpy(row, row - w, w * sizeof(std::uint32_t));
        for (; change < at[r]; ++change)
            row[changes_[change] & ~kInk] = changes_[change] & kInk ? heading : kChartBackground;
    }
}

}  // namespace vemrik
