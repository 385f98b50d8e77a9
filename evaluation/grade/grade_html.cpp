#include <filesystem>

#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "evaluation/grade/report_numbers.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

using report::percent;

// The chart's geometry in pixels: a label column, then the bar of a 100 % rate.
constexpr int kLabelWidth = 150;
constexpr int kBarWidth = 300;
constexpr int kRowHeight = 26;

/// Text for the page: controls shown as escapes, as on the terminal, and HTML's own characters as
/// references.
std::string escaped(const std::string& s) {
    std::string out;
    for (const char c : printableText(s)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

int barLength(double share) { return static_cast<int>(share * kBarWidth + 0.5); }
std::string px(double share) { return std::to_string(kLabelWidth + barLength(share)); }

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em; color: #222; }
table { border-collapse: collapse; margin-bottom: 2em; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
th { background: #eee; }
td.number { text-align: right; white-space: nowrap; }
small { color: #555; }
.broken, .copy { color: #a00; }
section { display: inline-block; margin: 0 2em 1.5em 0; vertical-align: top; }
h2 { margin-top: 1.5em; }
h3 { font-size: 1em; margin: 0 0 0.3em 0; }
</style>
)";

/// Under a student's name, the others who handed in the same work.
std::string sameAsNote(const std::vector<std::string>& names) {
    if (names.empty()) return "";
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + escaped(n);
    return "<br><small class=\"copy\">" + say({"taki sam jak: {1}", "same as: {1}"}, {list}) + "</small>";
}

/// Rate, interval and median in one cell.
std::string trackCell(const Summary& s) {
    std::string cell = "<td class=\"number\">" + percent(s.success.value) + "<br><small>" +
                       report::commaDecimal(100.0 * s.success.low, 1) + " … " + percent(s.success.high);
    cell += s.medianSteps
                ? say({"<br>mediana {1} kroków", "<br>median {1} steps"}, {std::to_string(*s.medianSteps)})
                : say({"<br>bez dojazdu", "<br>never arrived"});
    cell += say({"<br>zgubiony {1}, limit {2}", "<br>lost {1}, limit {2}"},
                {percent(s.lostRate), percent(s.timeoutRate)}) +
            "</small></td>";
    return cell;
}

std::string table(const Task& task, const std::vector<StudentResult>& ranked) {
    std::string out = say({"<table>\n<tr><th>Miejsce</th><th>Uczeń</th><th>Wynik</th><th>Reguły</th>",
                           "<table>\n<tr><th>Rank</th><th>Student</th><th>Score</th><th>Rules</th>"});
    for (const TaskTrack& t : task.tracks)
        out += say({"<th>{1} <small>(waga {2})</small></th>", "<th>{1} <small>(weight {2})</small></th>"},
                   {escaped(t.name), report::weightText(t.weight)});
    out += "</tr>\n";
    const std::vector<int> place = places(ranked);
    const std::vector<std::vector<std::string>> same = sameWork(ranked);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        out += "<tr><td class=\"number\">" + std::to_string(place[i]) + ".</td><td title=\"" +
               escaped(r.path) + "\">" + escaped(r.name) + sameAsNote(same[i]) +
               "</td><td class=\"number\">" + (r.graded() ? percent(r.score) : "—") +
               "</td><td class=\"number\">" + std::to_string(r.ruleLines) + "</td>";
        if (r.graded())
            for (const Summary& s : r.tracks) out += trackCell(s);
        else
            out += "<td class=\"broken\" colspan=\"" + std::to_string(task.tracks.size()) + "\">" +
                   say({"błąd: {1}", "error: {1}"}, {escaped(r.error)}) + "</td>";
        out += "</tr>\n";
    }
    return out + "</table>\n";
}

/// The success rate per track as bars with the 95 % interval drawn across them.
std::string chart(const Task& task, const StudentResult& r) {
    const int height = kRowHeight * static_cast<int>(r.tracks.size()) + 4;
    const int width = kLabelWidth + kBarWidth + 70;
    std::string svg = "<svg width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
                      "\" role=\"img\" font-size=\"13\">\n";
    for (std::size_t t = 0; t < r.tracks.size(); ++t) {
        const Summary& s = r.tracks[t];
        const std::string y = std::to_string(kRowHeight * static_cast<int>(t) + 4);
        const std::string mid = std::to_string(kRowHeight * static_cast<int>(t) + 4 + kRowHeight / 2 - 3);
        const std::string textY = std::to_string(kRowHeight * static_cast<int>(t) + 4 + kRowHeight / 2 + 1);
        svg += "<text x=\"0\" y=\"" + textY + "\">" + escaped(task.tracks[t].name) + "</text>";
        svg += "<rect x=\"" + std::to_string(kLabelWidth) + "\" y=\"" + y + "\" width=\"" +
               std::to_string(kBarWidth) + "\" height=\"" + std::to_string(kRowHeight - 6) +
               "\" fill=\"#eee\"/>";
        svg += "<rect x=\"" + std::to_string(kLabelWidth) + "\" y=\"" + y + "\" width=\"" +
               std::to_string(barLength(s.success.value)) + "\" height=\"" + std::to_string(kRowHeight - 6) +
               "\" fill=\"#4a9a5a\"/>";
        svg += "<line x1=\"" + px(s.success.low) + "\" x2=\"" + px(s.success.high) + "\" y1=\"" + mid +
               "\" y2=\"" + mid + "\" stroke=\"#222\" stroke-width=\"2\"/>";
        svg += "<text x=\"" + std::to_string(kLabelWidth + kBarWidth + 6) + "\" y=\"" + textY + "\">" +
               percent(s.success.value) + "</text>\n";
    }
    return svg + "</svg>\n";
}

std::string charts(const Task& task, const std::vector<StudentResult>& ranked) {
    std::string out = say(
        {"<h2>Sukces na torach</h2>\n<p><small>Pasek: odsetek przebiegów zakończonych na mecie; kreska: "
         "przedział ufności 95 %.</small></p>\n",
         "<h2>Success on the tracks</h2>\n<p><small>Bar: the share of runs that ended at the finish; line: "
         "the 95 % confidence interval.</small></p>\n"});
    const std::vector<int> place = places(ranked);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        out += "<section><h3>" + std::to_string(place[i]) + ". " + escaped(r.name) + " — " +
               (r.graded() ? percent(r.score) : say({"błąd", "error"})) + "</h3>\n";
        out += r.graded() ? chart(task, r) : "<p class=\"broken\">" + escaped(r.error) + "</p>\n";
        out += "</section>\n";
    }
    return out;
}

}  // namespace

std::string gradeHtmlText(const Task& task, const std::string& taskPath,
                          const std::vector<StudentResult>& ranked) {
    // The file's name: its folder may be a temporary one, and says nothing to the reader.
    const std::string taskName = escaped(std::filesystem::path(taskPath).filename().string());
    std::string out = "<!DOCTYPE html>\n<html lang=\"" + std::string(languageCode(coreLanguage())) +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n" +
                      say({"<title>Ocena: {1}</title>\n", "<title>Grades: {1}</title>\n"}, {taskName}) +
                      kStyle + "</head>\n<body>\n";
    out += say(
        {"<h1>Ocena zadania {1}</h1>\n<p>Na każdym torze {2} przebiegów, limit kroków {3}, pierwsze ziarno "
         "{4}. Wynik: średnia odsetków sukcesu ważona wagami torów.</p>\n",
         "<h1>Grades for the task {1}</h1>\n<p>On each track {2} runs, step limit {3}, first seed {4}. "
         "Score: the mean of the success shares weighted by the tracks' weights.</p>\n"},
        {taskName, std::to_string(task.runs), std::to_string(task.maxSteps), std::to_string(task.seed)});
    return out + table(task, ranked) + charts(task, ranked) + "</body>\n</html>\n";
}

}  // namespace vemrik
