#include "ui/timeline_view.h"

#include <algorithm>
#include <cstring>

#include "analysis/rule_reading.h"
#include "robot/robot_cells.h"
#include "ui/form.h"

namespace vemrik {

void TimelineViewer::setWidth(int columns) { width_ = std::max(columns, 0); }

void TimelineViewer::timelineChanged() {
    if (fitting_)
        view_ = fitView(timeline_.size(), width_);
    else if (follow_)
        followEnd();
}

bool TimelineViewer::markStep(std::size_t index) {
    if (index == cursor_) return false;
    cursor_ = index;
    return true;
}

void TimelineViewer::fitAll() {
    fitting_ = follow_ = true;
    timelineChanged();
}

void TimelineViewer::zoom(double factor, int column) {
    view_ = zoomView(view_, factor, column, timeline_.size(), width_);
    movedByUser();
}

void TimelineViewer::pan(int columns) {
    view_ = panView(view_, columns, timeline_.size(), width_);
    movedByUser();
}

void TimelineViewer::movedByUser() {
    fitting_ = false;
    // Left showing the end, the view keeps following it.
    follow_ = view_.first + width_ * view_.stepsPerColumn >= static_cast<double>(timeline_.size());
}

void TimelineViewer::followEnd() {
    view_.first = std::max(0.0, static_cast<double>(timeline_.size()) - width_ * view_.stepsPerColumn);
}

std::optional<std::uint64_t> TimelineViewer::stepAt(int column) const {
    if (column < 0 || column >= chart_.width()) return std::nullopt;
    const auto [a, b] = chart_.range(column);
    if (a >= b) return std::nullopt;
    return timeline_.firstStep() + b - 1;
}

std::size_t followForm(RunTimeline& timeline, FormFeed& feed, const TForm1& form, bool* rulesRead) {
    const bool reading = feed.readVersion != form.ListBox1.version;
    if (reading) {
        feed.feed.matched = matchedPatterns(readLines(form.ListBox1.lines));
        feed.readVersion = form.ListBox1.version;
    }
    if (rulesRead) *rulesRead = reading;
    const RunHistory& history = form.History;
    TimelineFeed& f = feed.feed;
    f.runSteps = history.active() ? history.steps() : 0;
    f.sensorCount = stateSensorCount(form.State.RobotGrid);
    f.width = form.Image5.canvas.width();
    f.height = form.Image5.canvas.height();
    f.boards = &form.State;
    followRun(timeline, form.engine.record(), f);
    if (history.active() && history.shown() < history.steps() && history.shown() >= timeline.firstStep())
        return static_cast<std::size_t>(history.shown() - timeline.firstStep());
    return ~std::size_t{0};
}

std::vector<ChartRect> chartRectangles(const TimelineChart& chart) {
    std::vector<ChartRect> shapes;
    const int w = chart.width();
    const std::uint32_t* px = chart.pixels();
    int top = 0;
    for (int y = 1; y <= chart.height(); ++y) {
        if (y < chart.height() && std::memcmp(px + y * w, px + top * w, static_cast<std::size_t>(w) * 4) == 0)
            continue;
        const std::uint32_t* row = px + top * w;
        for (int x = 0; x < w;) {
            int end = x + 1;
            while (end < w && row[end] == row[x]) ++end;
            if (row[x] != kChartBackground) shapes.push_back({x, top, end - x, y - top, row[x]});
            x = end;
        }
        top = y;
    }
    return shapes;
}

}  // namespace vemrik
