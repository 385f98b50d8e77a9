#include "simulation/timeline_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

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

// The chart's own shaded colours, worked out once.
struct Shades {
    ShadeTable on, stop;
    std::array<ShadeTable, std::size(kRulePalette)> rules;
};

const Shades& shades() {
    static const Shades s = [] {
        Shades t{shadesOf(kChartSensorOn), shadesOf(kChartStop), {}};
        for (std::size_t i = 0; i < t.rules.size(); ++i) t.rules[i] = shadesOf(kRulePalette[i]);
        return t;
    }();
    return s;
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
    line_.resize(w);
    hatch_.resize(w);
    per_.resize(w);
    absent_.resize(w);
    cursor_.resize(w);
    marked_.resize(w);
    // The columns' sums are kept while the steps, the view and the width stay.
    if (summed_.version != timeline.version() || summed_.first != view.first ||
        summed_.stepsPerColumn != view.stepsPerColumn || summed_.width != width_ ||
        summed_.timeline != &timeline) {
        sumColumns(timeline, view, summed_.timeline == &timeline && summed_.version == timeline.version());
        summed_ = {&timeline, timeline.version(), view.first, view.stepsPerColumn, width_};
    }
    const Shades& tables = shades();
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
    const int cleared = timeline.headingKnown() && wrapped_ ? kHeadingTop : kHeight;
    for (int y = 0; y < cleared; ++y)
        if (!kBandRows[static_cast<std::size_t>(y)])
            std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, width_, kChartBackground);
    for (std::size_t x = 0; x < w; ++x) {
        const auto [a, b] = ranges_[x];
        cursor_[x] = a <= cursor && cursor < b;
        per_[x] = b > a ? 191.0 / static_cast<double>(b - a) : 0.0;
    }

    paintMarks();
    for (std::size_t k = 0; k < 8; ++k) {
        for (std::size_t x = 0; x < w; ++x) {
            const TimelineSummary& c = columns_[x];
            absent_[x] = c.steps > 0 && c.present[k] == 0;
            line_[x] = c.steps == 0  ? kChartBackground
                       : absent_[x]  ? kChartAbsent
                       : c.on[k] > 0 ? shadeWith(tables.on, c.on[k], c.steps, per_[x])
                                     : kChartRowOff;
        }
        paintBand(kSensorTop + static_cast<int>(k) * kRowPitch, kRowHeight, true);
    }
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        absent_[x] = 0;
        line_[x] = c.steps == 0 ? kChartBackground
                   : c.stop > 0 ? shadeWith(tables.stop, c.stop, c.steps, per_[x])
                                : kChartRowOff;
    }
    paintBand(kStopTop, kRowHeight, false);
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        line_[x] = c.steps == 0      ? kChartBackground
                   : c.ruleSteps > 0 ? shadeWith(tables.rules[static_cast<std::size_t>(paletteIndex(c.rule))],
                                                 c.ruleSteps, c.steps, per_[x])
                                     : kChartRowOff;
    }
    paintBand(kRuleTop, kRuleHeight, false);
    scaleHeading();
    if (timeline.headingKnown()) wrapped_ ? paintWrappedHeading() : paintHeading();
    for (std::size_t x = 0; x < w; ++x)
        if (cursor_[x])
            for (int y = 0; y < kHeight; ++y) pixels_[static_cast<std::size_t>(y) * w + x] = kChartCursor;
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
    timeline.summariseRanges(missing_, missingSums_);
    for (std::size_t i = 0; i < missing_.size(); ++i) columns_[missingAt_[i]] = missingSums_[i];
}

void TimelineChart::scaleHeading() {
    low_ = wrapped_ ? 0.0 : unwrappedLow_;
    high_ = wrapped_ ? kTurn : unwrappedHigh_;
    rowsPerDegree_ = (kHeadingHeight - 1) / (high_ - low_);
}

void TimelineChart::paintMarks() {
    const int w = width_;
    bool off = offBefore_;
    for (std::size_t m = 0; m < kMarkFacts.size(); ++m) {
        for (int x = 0; x < w; ++x) {
            const TimelineSummary& c = columns_[static_cast<std::size_t>(x)];
            marked_[static_cast<std::size_t>(x)] = c.marks[m] > 0 || (m == kLeftLane && off && c.steps > 0);
            if (m == kLeftLane && c.steps > 0)
                off = c.marks[kLeftLane] > c.marks[kBackLane] ||
                      (off && c.marks[kLeftLane] == c.marks[kBackLane]);
        }
        // Each mark kMarkReach columns wider on either side, within the chart: the marks in a
        // window of columns that slides along.
        int inWindow = 0;
        for (int x = 0; x < std::min(w, kMarkReach); ++x) inWindow += marked_[static_cast<std::size_t>(x)];
        for (int x = 0; x < w; ++x) {
            if (x + kMarkReach < w) inWindow += marked_[static_cast<std::size_t>(x + kMarkReach)];
            if (x - kMarkReach - 1 >= 0) inWindow -= marked_[static_cast<std::size_t>(x - kMarkReach - 1)];
            line_[static_cast<std::size_t>(x)] = inWindow > 0 ? kChartMarks[m] : kChartBackground;
            absent_[static_cast<std::size_t>(x)] = 0;
        }
        paintBand(kMarkTop + static_cast<int>(m) * kMarkHeight, kMarkHeight - 1, false);
    }
}

int TimelineChart::headingRow(double heading) const {
    // Headings off the scale, not finite or rounded past its ends, keep to the band's edges.
    double rows = (heading - low_) * rowsPerDegree_;
    if (!(rows >= 0.0)) rows = 0.0;
    rows = std::min(rows, static_cast<double>(kHeadingHeight - 1));
    return kHeadingTop + (kHeadingHeight - 1) - static_cast<int>(rows + 0.5);
}

void TimelineChart::paintBand(int top, int height, bool hatchAbsent) {
    // Built once as a line and copied down; an absent slot is hatched on every other row.
    const std::size_t w = static_cast<std::size_t>(width_);
    if (hatchAbsent)
        for (std::size_t x = 0; x < w; ++x) hatch_[x] = absent_[x] ? kChartBackground : line_[x];
    for (int y = top; y < top + height; ++y) {
        const std::uint32_t* from = hatchAbsent && (y - top) % 2 == 1 ? hatch_.data() : line_.data();
        std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * w, from, w * sizeof(std::uint32_t));
    }
}

void TimelineChart::paintHeading() {
    // Each column from its lowest to its highest heading, joined to the last heading before it.
    const std::size_t w = static_cast<std::size_t>(width_);
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
        for (int y = top; y <= bottom; ++y) pixels_[static_cast<std::size_t>(y) * w + x] = kChartHeading;
        before = headingRow(c.headingLast);
        joined = true;
    }
}

void TimelineChart::paintWrappedHeading() {
    // Each column's turn, joined to the last heading before it, counted on and then folded into
    // 0 … 360°: a turn over north is drawn at both ends of the band. Such spans are tall, so the
    // band is written row by row rather than down each column.
    const std::size_t w = static_cast<std::size_t>(width_);
    spans_.assign(4 * w, 0);
    std::int16_t* top = spans_.data();
    std::int16_t* bottom = top + w;
    std::int16_t* overTop = bottom + w;
    std::int16_t* overBottom = overTop + w;
    const auto row = [this](double heading) { return static_cast<std::int16_t>(headingRow(heading)); };
    bool joined = false;
    double before = 0.0;
    for (std::size_t x = 0; x < w; ++x) {
        const TimelineSummary& c = columns_[x];
        top[x] = overTop[x] = kHeight;  // none
        if (c.steps == 0) {
            joined = false;
            continue;
        }
        double low = c.headingMin, high = c.headingMax;
        if (joined) low = std::min(low, before), high = std::max(high, before);
        before = c.headingLast;
        joined = true;
        if (!(high - low < kTurn)) {  // a whole turn or more, or not a number
            top[x] = row(kTurn), bottom[x] = row(0.0);
            continue;
        }
        const double from = low - std::floor(low / kTurn) * kTurn, to = from + (high - low);
        top[x] = row(std::min(to, kTurn)), bottom[x] = row(from);
        if (to > kTurn) overTop[x] = row(to - kTurn), overBottom[x] = row(0.0);
    }
    // Unsigned: a row above a span's top is far past its length. Eight columns at a time into a
    // row of their own, which the compiler turns into a few vector steps.
    const std::size_t padded = (w + 7) / 8 * 8;
    starts_.assign(2 * padded, kHeight);
    lengths_.assign(2 * padded, 0);
    for (std::size_t x = 0; x < w; ++x) {
        starts_[x] = static_cast<std::uint32_t>(top[x]),
        lengths_[x] = static_cast<std::uint32_t>(bottom[x] - top[x]);
        starts_[padded + x] = static_cast<std::uint32_t>(overTop[x]);
        lengths_[padded + x] = static_cast<std::uint32_t>(overBottom[x] - overTop[x]);
    }
    using Lanes = std::uint32_t __attribute__((vector_size(16)));
    constexpr std::size_t kLanes = sizeof(Lanes) / sizeof(std::uint32_t);
    const auto load = [](const auto* from) {
        Lanes v;
        std::memcpy(&v, from, sizeof v);
        return v;
    };
    scratch_.resize(padded);
    for (int y = kHeadingTop; y < kHeight; ++y) {
        const Lanes row = Lanes{} + static_cast<std::uint32_t>(y);
        for (std::size_t x = 0; x < padded; x += kLanes) {
            const auto in = row - load(&starts_[x]) <= load(&lengths_[x]);
            const auto over = row - load(&starts_[padded + x]) <= load(&lengths_[padded + x]);
            const Lanes inked = reinterpret_cast<const Lanes&>(in) | reinterpret_cast<const Lanes&>(over);
            const Lanes shown = kChartBackground ^ (inked & (kChartBackground ^ kChartHeading));
            std::memcpy(&scratch_[x], &shown, sizeof shown);
        }
        std::memcpy(pixels_.data() + static_cast<std::size_t>(y) * w, scratch_.data(),
                    w * sizeof(std::uint32_t));
    }
}

}  // namespace vemrik
