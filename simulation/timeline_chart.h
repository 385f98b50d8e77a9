#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "simulation/run_timeline.h"

namespace vemrik {

/// Where each part of the chart lies, in pixel rows from its top.
namespace chart_rows {
inline constexpr int kMarkTop = 0;
inline constexpr int kMarkHeight = 4;  // one lane per mark of kMarkFacts
inline constexpr int kMarkLanes = static_cast<int>(kMarkFacts.size());
inline constexpr int kSensorTop = kMarkTop + kMarkLanes * kMarkHeight + 2;  // 22 for five marks
inline constexpr int kRowHeight = 8;
inline constexpr int kRowPitch = 9;
inline constexpr int kStopTop = kSensorTop + 8 * kRowPitch;  // 94
inline constexpr int kRuleTop = kStopTop + 10;               // 104
inline constexpr int kRuleHeight = 10;
inline constexpr int kHeadingTop = kRuleTop + kRuleHeight + 3;  // 117
inline constexpr int kHeadingHeight = 57;
inline constexpr int kHeight = kHeadingTop + kHeadingHeight;  // 174
}  // namespace chart_rows

/// A mark is drawn this many pixel columns either side of its own, so that one step is seen.
inline constexpr int kMarkReach = 2;

/// Pixels are 0xFFRRGGBB.
inline constexpr std::uint32_t kChartBackground = 0xFFFFFFFFu;
inline constexpr std::uint32_t kChartRowOff = 0xFFF2F2F2u;
inline constexpr std::uint32_t kChartAbsent = 0xFFC8C8C8u;
inline constexpr std::uint32_t kChartSensorOn = 0xFF3A7D44u;
inline constexpr std::uint32_t kChartStop = 0xFFC62828u;
inline constexpr std::uint32_t kChartHeading = 0xFF1F3F9Fu;
inline constexpr std::uint32_t kChartCursor = 0xFFFF8C00u;
/// The marks' colours, in the order of kMarkFacts: left the map, came back, no rule, stop, a
/// stop passed unseen, and a spare.
inline constexpr std::uint32_t kChartMarks[] = {0xFF8E24AAu, 0xFF00897Bu, 0xFFF9A825u,
                                                0xFFC62828u, 0xFF6D4C41u, 0xFF546E7Au};
static_assert(kMarkFacts.size() <= std::size(kChartMarks));

/// 0xFFRRGGBB as the bytes R, G, B, 255 of a little-endian word (a canvas's order), and back.
std::uint32_t swapRedBlue(std::uint32_t colour);
/// The colour of rule list line `line` (from 0).
std::uint32_t ruleColour(int line);
/// `colour` at a share of part / whole (whole > 0): a quarter strength for a lone step among
/// many, full strength for all of them, so that one step is never lost.
std::uint32_t shade(std::uint32_t colour, std::uint32_t part, std::uint32_t whole);

/// Which steps the chart shows: the kept step under the left edge of pixel column 0 and the
/// steps per pixel column (below 1 when zoomed in).
struct TimelineView {
    double first = 0.0;
    double stepsPerColumn = 1.0;
};

/// The kept steps a .. b - 1 under pixel column `column` of a time line of `size` steps; a == b
/// past its end. Zoomed in, a column holds the one step its left edge lies on.
std::pair<std::size_t, std::size_t> columnSteps(const TimelineView& view, int column, std::size_t size);
/// The whole time line in `columns` pixel columns.
TimelineView fitView(std::size_t size, int columns);
/// Zooms by `factor` (above 1 shows more steps) keeping the step under `column` in place, and
/// keeps the view on the time line.
TimelineView zoomView(const TimelineView& view, double factor, int column, std::size_t size, int columns);
/// Moves the view by `columns` pixel columns (positive shows later steps), kept on the line.
TimelineView panView(const TimelineView& view, int columns, std::size_t size, int width);

/// The chart: one summary per pixel column, kept for hover and click, and its picture.
class TimelineChart {
public:
    /// Sums up and paints `timeline` in `width` columns; the cursor marks kept step `cursor`
    /// (none when past the end). The sums are kept: painted again with the same steps, view and
    /// width, as when only the cursor moves, the columns are not summed again.
    void paint(const RunTimeline& timeline, const TimelineView& view, int width, std::size_t cursor);
    /// Headings within 0 … 360°, as the status bar shows them (the start), or the whole turn
    /// counted on; painted so at the next paint.
    void setHeadingWrapped(bool wrapped) { wrapped_ = wrapped; }
    bool headingWrapped() const { return wrapped_; }
    /// Pixels as swapRedBlue() gives them, so a canvas takes them without a copy; at the next paint.
    void setCanvasOrder(bool canvas) { canvasOrder_ = canvas; }

    int width() const { return width_; }
    int height() const { return chart_rows::kHeight; }
    /// Row-major 0xFFRRGGBB pixels (in canvas order, swapped), width() * height() of them.
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    /// The summary of column x, its kept steps and the heading scale of the picture.
    const TimelineSummary& column(int x) const { return columns_[static_cast<std::size_t>(x)]; }
    std::pair<std::size_t, std::size_t> range(int x) const { return ranges_[static_cast<std::size_t>(x)]; }
    double headingLow() const { return low_; }
    double headingHigh() const { return high_; }
    /// The pixel row of a heading on the scale; any heading, finite or not, gets a row of the
    /// heading band.
    int headingRow(double heading) const;

private:
    /// `sameSteps`: the time line is the one the kept sums are of, unchanged since.
    void sumColumns(const RunTimeline& timeline, const TimelineView& view, bool sameSteps);
    void reuseOrSum(const RunTimeline& timeline);
    void scaleHeading();
    void paintBands();
    void paintMarks();
    void paintHeading();
    void paintWrappedHeading();
    /// Paints the heading band from spans_.
    void inkSpans();

    int width_ = 0;
    // What the kept sums are of.
    struct Summed {
        const RunTimeline* timeline = nullptr;
        std::uint64_t version = 0;
        double first = -1.0;
        double stepsPerColumn = 0.0;
        int width = -1;
    } summed_;
    std::vector<TimelineSummary> columns_;
    std::vector<std::pair<std::size_t, std::size_t>> ranges_;
    // The view before's columns, and the columns of this one not among them.
    std::vector<TimelineSummary> keptColumns_;
    std::vector<std::pair<std::size_t, std::size_t>> keptRanges_;
    std::vector<std::pair<std::size_t, std::size_t>> missing_;
    std::vector<std::size_t> missingAt_;
    std::vector<TimelineSummary> missingSums_;
    std::vector<std::uint32_t> pixels_;
    // Bit m: mark m in the column; and in it or kMarkReach columns either side.
    std::vector<std::uint8_t> marked_;
    std::vector<std::uint8_t> spread_;
    // The heading's rows of each column, at most two spans, in column order; the changes along
    // the band's rows that paint them.
    struct Span {
        std::uint32_t x = 0;
        int top = 0, bottom = 0;
    };
    std::vector<Span> spans_;
    std::vector<std::uint32_t> changes_;

    // Whether the robot was off the map before the first column.
    bool offBefore_ = false;
    bool wrapped_ = true;
    bool canvasOrder_ = false;
    // The scale of the headings counted on, from the sums.
    double unwrappedLow_ = 0.0;
    double unwrappedHigh_ = 1.0;
    double low_ = 0.0;
    double high_ = 1.0;
    double rowsPerDegree_ = 1.0;
};

}  // namespace vemrik
