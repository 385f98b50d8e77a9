#include "web/bindings/web_timeline.h"

#include <emscripten/bind.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "analysis/run_log_reader.h"
#include "evaluation/robot_log_report.h"
#include "raster/raster.h"
#include "ui/timeline_texts.h"
#include "web/bindings/js_error.h"

namespace vemrik::web {

namespace {

using nlohmann::json;

std::string colourName(std::uint32_t colour) {
    char name[8];
    std::snprintf(name, sizeof name, "#%06x", colour & 0xFFFFFFu);
    return name;
}

json entries(const std::vector<LegendEntry>& list) {
    json out = json::array();
    for (const LegendEntry& e : list) out.push_back({{"colour", colourName(e.colour)}, {"text", e.text}});
    return out;
}

json both(const Text& text) { return {{"pl", text.pl}, {"en", text.en}}; }

}  // namespace

bool WebTimeline::follow(WebForm& form) {
    if (log_.shown()) return false;
    const bool moved = viewer_.markStep(followForm(timeline_, feed_, form.form()));
    if (shownVersion_ == timeline_.version()) return moved;
    shownVersion_ = timeline_.version();
    viewer_.timelineChanged();
    return true;
}

void WebTimeline::clear() {
    if (log_.shown()) return;
    timeline_.clear();
    feed_ = {};
    shownVersion_ = ~std::uint64_t{0};
    viewer_.fitAll();
}

void WebTimeline::showLog(const std::string& text, const std::string& fileName) {
    const ParsedRunLog read = parseRunLog(text);
    if (!read.log) throwJsError(say(kRobotLogHeadings.cannotOpen, {fileName, read.error}));
    log_.show(timeline_, *read.log, fileName);
    // A log has no pose for the form to show: no step is marked, and a click picks none.
    viewer_.markStep(~std::size_t{0});
    shownVersion_ = timeline_.version();
    viewer_.timelineChanged();
    viewer_.fitAll();
}

void WebTimeline::leaveLog() {
    if (!log_.shown()) return;
    log_.clear(timeline_);
    clear();
}

void WebTimeline::setWidth(int columns) {
    viewer_.setWidth(columns);
    viewer_.timelineChanged();
}

emscripten::val WebTimeline::rgba() {
    viewer_.paint();
    const TimelineChart& chart = viewer_.chart();
    const std::size_t n = static_cast<std::size_t>(chart.width()) * static_cast<std::size_t>(chart.height());
    return emscripten::val(
        emscripten::typed_memory_view(n * 4, reinterpret_cast<const std::uint8_t*>(chart.pixels())));
}

double WebTimeline::stepAt(int column) const {
    if (log_.shown()) return -1.0;
    const auto step = viewer_.stepAt(column);
    return step ? static_cast<double>(*step) : -1.0;
}

std::string WebTimeline::tooltip(WebForm& form, int column) const {
    const TimelineChart& chart = viewer_.chart();
    if (column < 0 || column >= chart.width()) return {};
    const auto [a, b] = chart.range(column);
    if (a == b) return {};
    return columnTooltip(timeline_, a, b, chart.column(column),
                         log_.rules(form.form().ListBox1.lines.lines()));
}

std::string WebTimeline::labels() const {
    const TimelineChart& chart = viewer_.chart();
    json rows = json::array();
    for (const TimelineRowName& name : timelineRowNames())
        rows.push_back({{"top", name.top}, {"height", name.height}, {"text", name.text}});
    const double low = chart.headingLow(), high = chart.headingHigh();
    json axis = json::array();
    // The first, middle and last column's first step, as the window's axis.
    for (const int column : {0, chart.width() / 2, chart.width() - 1}) {
        if (column < 0 || column >= chart.width()) continue;
        const auto [a, b] = chart.range(column);
        if (a != b) axis.push_back({{"column", column}, {"step", timeline_.firstStep() + a}});
    }
    return json{
        {"rows", rows},
        {"headingKnown", timeline_.headingKnown()},
        {"headingUnknown", say(TimelineTexts::headingUnknown)},
        {"low", low},
        {"high", high},
        {"scale", {chart.headingRow(high), chart.headingRow((low + high) / 2.0), chart.headingRow(low)}},
        {"axis", axis},
        {"step", say(TimelineTexts::step)}}
        .dump();
}

std::string WebTimeline::legend(WebForm& form) const {
    const TimelineLegend l = timelineLegend(timeline_, log_.rules(form.form().ListBox1.lines.lines()));
    return json{{"rules", {{"heading", l.rulesHeading}, {"entries", entries(l.rules)}, {"none", l.noRule}}},
                {"marks", {{"heading", l.marksHeading}, {"entries", entries(l.marks)}}},
                {"sensors", l.sensors}}
        .dump();
}

std::string WebTimeline::shapes() const {
    json out = json::array();
    for (const ChartRect& r : chartRectangles(viewer_.chart()))
        out.push_back({r.x, r.y, r.width, r.height, colourName(swapRedBlue(r.colour))});
    return out.dump();
}

std::string timelineTextsJson() {
    using T = TimelineTexts;
    return json{{"title", both(T::title)},         {"fit", both(T::fit)},
                {"fitTip", both(T::fitTip)},       {"save", both(T::save)},
                {"turns", both(T::turns)},         {"turnsTip", both(T::turnsTip)},
                {"chartName", both(T::chartName)}, {"fileName", both(T::fileName)},
                {"showLog", both(T::showLog)},     {"showLogTip", both(T::showLogTip)},
                {"back", both(T::back)},           {"backTip", both(T::backTip)}}
        .dump();
}

void floorFill() {
    static Raster image(701, 401);
    image.fill(kWhite);
}

}  // namespace vemrik::web

// Its own block beside the module's: the time line is the page's only user of it.
EMSCRIPTEN_BINDINGS(vemrik_timeline) {
    using namespace emscripten;
    using vemrik::web::WebTimeline;
    function("timelineTexts", &vemrik::web::timelineTextsJson);
    function("floorFill", &vemrik::web::floorFill);
    class_<WebTimeline>("WebTimeline")
        .constructor<>()
        .function("follow", &WebTimeline::follow)
        .function("clear", &WebTimeline::clear)
        .function("showLog", &WebTimeline::showLog)
        .function("leaveLog", &WebTimeline::leaveLog)
        .function("showingLog", &WebTimeline::showingLog)
        .function("source", &WebTimeline::source)
        .function("setWidth", &WebTimeline::setWidth)
        .function("fitAll", &WebTimeline::fitAll)
        .function("zoom", &WebTimeline::zoom)
        .function("pan", &WebTimeline::pan)
        .function("setHeadingWrapped", &WebTimeline::setHeadingWrapped)
        .function("width", &WebTimeline::width)
        .function("height", &WebTimeline::height)
        .function("steps", &WebTimeline::steps)
        .function("rgba", &WebTimeline::rgba)
        .function("stepAt", &WebTimeline::stepAt)
        .function("tooltip", &WebTimeline::tooltip)
        .function("labels", &WebTimeline::labels)
        .function("legend", &WebTimeline::legend)
        .function("shapes", &WebTimeline::shapes);
}
