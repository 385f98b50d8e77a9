#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "simulation/run_timeline.h"
#include "simulation/timeline_chart.h"
#include "simulation/timeline_feed.h"

namespace vemrik {

class TForm1;

/// The chart of a time line as a front end shows it: the whole line fitted until the user zooms or
/// pans, then following the end of a growing line until the user moves away from it; the step a
/// click on a column picks.
class TimelineViewer {
public:
    explicit TimelineViewer(const RunTimeline& timeline) : timeline_(timeline) {}

    /// The plot's width in pixel columns, for what follows; the view fits or follows it at the next
    /// timelineChanged().
    void setWidth(int columns);
    /// The time line changed: the view fitted to it or following its end.
    void timelineChanged();
    /// Marks kept step `index` with the cursor line (none past the end); whether that changed.
    bool markStep(std::size_t index);
    /// "Całość": the whole line in the plot.
    void fitAll();
    /// Zooms by `factor` (above 1 shows more steps) keeping the step under `column` in place.
    void zoom(double factor, int column);
    /// Moves by `columns` pixel columns (positive shows later steps).
    void pan(int columns);
    void setHeadingWrapped(bool wrapped) { chart_.setHeadingWrapped(wrapped); }
    void setCanvasOrder(bool canvas) { chart_.setCanvasOrder(canvas); }
    /// The chart at the view now; only painted again where something changed.
    void paint() { chart_.paint(timeline_, view_, width_, cursor_); }

    /// The run's step number of the last step in plot column `column`, none for a column past the end.
    std::optional<std::uint64_t> stepAt(int column) const;
    const TimelineChart& chart() const { return chart_; }
    const TimelineView& view() const { return view_; }
    int width() const { return width_; }
    bool following() const { return follow_; }
    /// Whether the whole line is kept in the plot.
    bool fitting() const { return fitting_; }

private:
    void followEnd();
    void movedByUser();

    const RunTimeline& timeline_;
    TimelineView view_;
    TimelineChart chart_;
    int width_ = 0;
    std::size_t cursor_ = ~std::size_t{0};
    bool follow_ = true;
    bool fitting_ = true;
};

/// What the time line reads of the form besides its record, and when it read the rule list last.
struct FormFeed {
    TimelineFeed feed;
    std::uint64_t readVersion = ~std::uint64_t{0};
};

/// Brings `timeline` to the form's run; returns the kept step shown again while the run goes on
/// past it, or ~0 for none. `rulesRead` tells whether the rule list was read anew.
std::size_t followForm(RunTimeline& timeline, FormFeed& feed, const TForm1& form, bool* rulesRead = nullptr);

/// A rectangle of one colour of the chart's plot, in chart pixels.
struct ChartRect {
    int x = 0, y = 0, width = 0, height = 0;
    std::uint32_t colour = 0;
};

/// The plot as rectangles of one colour, the background left out: equal rows merged, runs of a
/// colour within a row. A vector export draws these.
std::vector<ChartRect> chartRectangles(const TimelineChart& chart);

}  // namespace vemrik
