#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "simulation/run_timeline.h"
#include "ui/timeline_log.h"
#include "ui/timeline_view.h"
#include "web/bindings/web_form.h"

namespace vemrik::web {

/// "Przebieg w czasie" as the page drives it: the run of a form (or a robot's log in its place) on
/// a time line, its chart at the page's view as RGBA, what a click on a column picks, and the words
/// beside it.
class WebTimeline {
public:
    WebTimeline() : viewer_(timeline_) { viewer_.setCanvasOrder(true); }

    /// Brings the time line to the form's run; true when the chart must be drawn again. Does
    /// nothing while a log is shown.
    bool follow(WebForm& form);
    /// Forgets the run followed, as a new form or workspace starts one of its own; a log shown stays.
    void clear();
    /// Shows the robot's log `text`, from the file `fileName`, in place of the run; a log that
    /// cannot be read is refused and the time line stays as it was.
    void showLog(const std::string& text, const std::string& fileName);
    /// "Wróć do symulacji" and "Start": the form's run again, from its start.
    void leaveLog();
    bool showingLog() const { return log_.shown(); }
    /// The sentence above the chart while a log is shown.
    std::string source() const { return log_.source(timeline_); }
    void setWidth(int columns);
    void fitAll() { viewer_.fitAll(); }
    void zoom(double factor, int column) { viewer_.zoom(factor, column); }
    void pan(int columns) { viewer_.pan(columns); }
    void setHeadingWrapped(bool wrapped) { viewer_.setHeadingWrapped(wrapped); }

    int width() const { return viewer_.width(); }
    int height() const { return viewer_.chart().height(); }
    std::size_t steps() const { return timeline_.size(); }
    /// The chart painted at the view now, RGBA with alpha 255: a view of the module's memory, valid
    /// until the next call.
    emscripten::val rgba();
    /// The run's step of the last step in column `column`, or -1 for none.
    double stepAt(int column) const;
    std::string tooltip(WebForm& form, int column) const;
    /// JSON: {rows: [{top, height, text}], headingKnown, headingUnknown, low, high, rows of the
    /// scale {high, middle, low}, axis: [{column, step}], step: "krok"}: what is written around the plot.
    std::string labels() const;
    /// JSON: {rules: {heading, entries: [{colour, text}], none}, marks: {heading, entries}, sensors}.
    std::string legend(WebForm& form) const;
    /// JSON: [[x, y, width, height, "#rrggbb"], ...]: the plot as rectangles, for SVG.
    std::string shapes() const;

private:
    RunTimeline timeline_;
    TimelineLog log_;
    TimelineViewer viewer_;
    FormFeed feed_;
    std::uint64_t shownVersion_ = ~std::uint64_t{0};
};

/// The floor the page's figures are read against, as the window's: one fill of a 701 × 401 raster.
void floorFill();

/// JSON of the words of the panel, {name: {pl, en}}.
std::string timelineTextsJson();

}  // namespace vemrik::web
