#include "analysis/sheet_csv.h"
#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "evaluation/grade/report_numbers.h"
#include "evaluation/run_many.h"
#include "platform/decimal.h"
#include "platform/texts.h"

namespace vemrik {

namespace {

using report::percent;

std::string padded(std::string s, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

std::string trackLine(const TaskTrack& track, const Summary& s) {
    std::string line = say({"{1}: sukces {2} (95 %: {3} … {4})", "{1}: success {2} (95 %: {3} … {4})"},
                           {printableText(track.name), percent(s.success.value),
                            report::commaDecimal(100.0 * s.success.low, 1), percent(s.success.high)});
    line += s.medianSteps
                ? say({", mediana {1} kroków", ", median {1} steps"}, {std::to_string(*s.medianSteps)})
                : say({", bez dojazdu do mety", ", never reached the finish"});
    line += say({", zgubiony {1}, limit kroków {2}", ", lost {1}, step limit {2}"},
                {percent(s.lostRate), percent(s.timeoutRate)});
    return line;
}

/// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (const char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

/// The names of the students with the same work, for people.
std::string sameAsText(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + printableText(n);
    return say({"taki sam jak: {1}", "same as: {1}"}, {list});
}

std::string sheetCsv(const Task& task, const std::vector<StudentResult>& ranked) {
    std::vector<std::string> header = {say({"Miejsce", "Rank"}), say({"Uczeń", "Student"}),
                                       say({"Plik", "File"}), say({"Wynik", "Score"}),
                                       say({"Reguły", "Rules"})};
    for (const TaskTrack& t : task.tracks)
        header.push_back(say({"{1} (waga {2})", "{1} (weight {2})"}, {t.name, sheetNumber(t.weight)}));
    header.insert(header.end(), {say({"Błąd", "Error"}), say({"Taki sam jak", "Same as"})});
    std::string out = std::string(kUtf8Bom) + sheetRow(header);
    const std::vector<int> place = places(ranked);
    const std::vector<std::vector<std::string>> same = sameWork(ranked);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        std::vector<std::string> row = {std::to_string(place[i]), r.name, r.path,
                                        r.graded() ? sheetPercent(r.score) : "", std::to_string(r.ruleLines)};
        for (std::size_t t = 0; t < task.tracks.size(); ++t)
            row.push_back(t < r.tracks.size() ? sheetPercent(r.tracks[t].success.value) : "");
        std::string sameAs;
        for (const std::string& n : same[i]) sameAs += (sameAs.empty() ? "" : ", ") + n;
        row.insert(row.end(), {r.error, sameAs});
        out += sheetRow(row);
    }
    return out;
}

std::string shortestNumber(double v) { return shortestText(v); }

/// A share with a decimal point; six places keep a rounding residue such as 1e-18 out of the file.
std::string pointNumber(double v) { return fixedText(v, 6); }

}  // namespace

std::string taskErrorText(const std::string& path, const std::string& error) {
    return say({"Błąd w pliku zadania „{1}”: {2}", "Error in the task file “{1}”: {2}"},
               {printableText(path), printableText(error)});
}

std::string gradeTableText(const Task& task, const std::string& taskPath,
                           const std::vector<StudentResult>& ranked) {
    // Names come from files and folders: a terminal must show them, never obey them.
    std::string out = say({"Zadanie: {1}\nTory:", "Task: {1}\nTracks:"}, {printableText(taskPath)});
    for (std::size_t i = 0; i < task.tracks.size(); ++i)
        out += (i == 0 ? " " : ", ") +
               say({"{1} (waga {2})", "{1} (weight {2})"},
                   {printableText(task.tracks[i].name), report::weightText(task.tracks[i].weight)});
    out += say({"\nNa każdym torze {1} przebiegów, limit kroków {2}, ziarna {3} … {4}\n",
                "\nOn each track {1} runs, step limit {2}, seeds {3} … {4}\n"},
               {std::to_string(task.runs), std::to_string(task.maxSteps), std::to_string(task.seed),
                std::to_string(runSeed(task.seed, task.runs - 1))});
    if (task.robot)
        out += say({"Robot z zadania: {1}\n", "The task's robot: {1}\n"}, {printableText(task.robotPath)});
    if (task.noise.any())
        out += say({"Szum: odwrócenie odczytu {1}, przesunięcie startu do {2} px, obrót startu do {3}°\n",
                    "Noise: reading flipped {1}, start moved up to {2} px, start turned up to {3}°\n"},
                   {percent(task.noise.flip), report::commaDecimal(task.noise.shift, 1),
                    report::commaDecimal(task.noise.turn, 1)});
    out += say({"\nMiejsce  Wynik    Reguły  Uczeń\n", "\nRank     Score    Rules   Student\n"});
    const std::vector<int> place = places(ranked);
    const std::vector<std::vector<std::string>> same = sameWork(ranked);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        const std::string score = r.graded() ? percent(r.score) : "—";
        out += padded(std::to_string(place[i]) + ".", 9) + padded(score, r.graded() ? 9 : 11) +
               padded(std::to_string(r.ruleLines), 8) + printableText(r.name) + "\n";
        if (!r.graded())
            out += "         " + say({"błąd: {1}", "error: {1}"}, {printableText(r.error)}) + "\n";
        if (!same[i].empty()) out += "         " + sameAsText(same[i]) + "\n";
        for (std::size_t t = 0; t < r.tracks.size(); ++t)
            out += "         " + trackLine(task.tracks[t], r.tracks[t]) + "\n";
    }
    return out;
}

std::string gradeCsvText(const Task& task, const std::vector<StudentResult>& ranked, CsvForm form) {
    if (form == CsvForm::Sheet) return sheetCsv(task, ranked);
    std::string out =
        "rank,student,file,score,rule_lines,track,weight,runs,successes,success_rate,success_low,"
        "success_high,median_steps,lost_rate,timeout_rate,error\n";
    const std::vector<int> place = places(ranked);
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        for (std::size_t t = 0; t < task.tracks.size(); ++t) {
            out += std::to_string(place[i]) + ',' + csvField(r.name) + ',' + csvField(r.path) + ',' +
                   (r.graded() ? pointNumber(r.score) : "") + ',' + std::to_string(r.ruleLines) + ',' +
                   csvField(task.tracks[t].name) + ',' + shortestNumber(task.tracks[t].weight) + ',';
            if (r.graded()) {
                const Summary& s = r.tracks[t];
                out += std::to_string(s.runs) + ',' + std::to_string(s.successes) + ',' +
                       pointNumber(s.success.value) + ',' + pointNumber(s.success.low) + ',' +
                       pointNumber(s.success.high) + ',' +
                       (s.medianSteps ? std::to_string(*s.medianSteps) : "") + ',' + pointNumber(s.lostRate) +
                       ',' + pointNumber(s.timeoutRate) + ",\n";
            } else {
                out += ",,,,,,,," + csvField(r.error) + "\n";
            }
        }
    }
    return out;
}

}  // namespace vemrik
