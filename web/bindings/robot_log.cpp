#include "web/bindings/robot_log.h"

#include <nlohmann/json.hpp>

#include "evaluation/robot_log_report.h"
#include "ui/workspace_form.h"
#include "web/bindings/js_error.h"

namespace vemrik::web {

namespace {

nlohmann::json rows(const std::vector<ReportRow>& table) {
    nlohmann::json out = nlohmann::json::array();
    for (const ReportRow& row : table) {
        nlohmann::json cells = nlohmann::json::array();
        for (const ReportCell& cell : row) cells.push_back({{"text", cell.text}, {"number", cell.number}});
        out.push_back(cells);
    }
    return out;
}

nlohmann::json headings(int sensors) {
    const RobotLogHeadings& h = kRobotLogHeadings;
    return {{"title", say(h.title)},
            {"line", say(h.line)},
            {"rule", say(h.rule)},
            {"robot", say(h.robot)},
            {"simulation", say(h.simulation)},
            {"lines", say(h.lines)},
            {"uncovered", say(h.uncovered)},
            {"patterns", say(h.patterns)},
            {"pattern", say(h.pattern, {std::to_string(sensors)})}};
}

}  // namespace

std::string robotLogReportJson(WebForm& form, const std::string& text, const std::string& fileName) {
    const ParsedRunLog read = parseRunLog(text);
    if (!read.log) throwJsError(say(kRobotLogHeadings.cannotOpen, {fileName, read.error}));
    const TForm1& f = form.form();
    const RobotLogReport report = robotLogReport(*read.log, captureWorkspace(f), f.engine.seed(), fileName);
    return nlohmann::json{{"headline", report.headline},       {"summary", report.summary},
                          {"lines", rows(report.lines)},       {"uncovered", report.uncovered},
                          {"patterns", rows(report.patterns)}, {"headings", headings(report.sensors)}}
        .dump();
}

}  // namespace vemrik::web
