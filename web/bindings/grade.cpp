#include "web/bindings/grade.h"

#include <emscripten/bind.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>

#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "evaluation/grade/task.h"
#include "platform/texts.h"
#include "ui/grading_texts.h"
#include "web/bindings/js_error.h"

namespace vemrik::web {

namespace {

namespace fs = std::filesystem;

// The task's folder in the module's own memory file system: the reader finds every file where
// vemrik-eval, started in the task's folder, would.
const fs::path kRoot = "/vemrik-grading";
const fs::path kTaskFolder = kRoot / "task";

struct Reports {
    std::string table, html, csv, sheet, ranking;
};

struct GivenFile {
    std::string path;
    std::string bytes;
};

GivenFile givenFile(const emscripten::val& v) {
    const std::vector<unsigned char> bytes =
        emscripten::convertJSArrayToNumberVector<unsigned char>(v["bytes"]);
    return {v["path"].as<std::string>(), std::string(bytes.begin(), bytes.end())};
}

std::vector<GivenFile> givenFiles(const emscripten::val& list) {
    std::vector<GivenFile> out;
    const int n = list["length"].as<int>();
    for (int i = 0; i < n; ++i) out.push_back(givenFile(list[i]));
    return out;
}

/// Puts the file at `path`, from the task's folder unless absolute; remembers what to remove.
void place(const fs::path& path, const std::string& bytes, std::vector<fs::path>& placed) {
    const fs::path where = (kTaskFolder / path).lexically_normal();
    std::error_code ec;
    fs::create_directories(where.parent_path(), ec);
    std::ofstream(where, std::ios::binary) << bytes;
    placed.push_back(where);
}

void placeNamed(const std::string& taskText, const std::vector<GivenFile>& tracks,
                std::vector<fs::path>& placed) {
    for (const std::string& named : namedPaths(taskText))
        for (const GivenFile& f : tracks)
            if (fs::path(f.path).filename() == fs::path(named).filename()) place(named, f.bytes, placed);
}

std::vector<std::string> printable(const std::vector<std::string>& names) {
    std::vector<std::string> out;
    for (const std::string& n : names) out.push_back(printableText(n));
    return out;
}

nlohmann::json trackJson(const TaskTrack& track, const Summary& s) {
    return {{"track", track.name},
            {"weight", track.weight},
            {"runs", s.runs},
            {"successes", s.successes},
            {"successRate", s.success.value},
            {"successLow", s.success.low},
            {"successHigh", s.success.high},
            {"medianSteps", s.medianSteps ? nlohmann::json(*s.medianSteps) : nullptr},
            {"lostRate", s.lostRate},
            {"timeoutRate", s.timeoutRate}};
}

/// The ranking as data, for the page to read rather than parse the table.
nlohmann::json rankingJson(const Task& task, const std::vector<StudentResult>& ranked) {
    const std::vector<int> place = places(ranked);
    const std::vector<std::vector<std::string>> same = sameWork(ranked);
    nlohmann::json out = nlohmann::json::array();
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const StudentResult& r = ranked[i];
        nlohmann::json tracks = nlohmann::json::array();
        for (std::size_t t = 0; t < r.tracks.size() && t < task.tracks.size(); ++t)
            tracks.push_back(trackJson(task.tracks[t], r.tracks[t]));
        out.push_back({{"place", place[i]},
                       {"name", printableText(r.name)},
                       {"file", printableText(r.path)},
                       {"score", r.score},
                       {"ruleLines", r.ruleLines},
                       {"error", printableText(r.error)},
                       {"sameAs", printable(same[i])},
                       {"tracks", tracks}});
    }
    return out;
}

/// The reports, or the reason the task cannot be read; every file placed is removed either way.
Reports graded(const GivenFile& taskFile, const std::vector<GivenFile>& tracks,
               const std::vector<GivenFile>& students, const emscripten::val& progress,
               std::optional<std::string>& refusal) {
    std::vector<fs::path> placed;
    place(taskFile.path, taskFile.bytes, placed);
    placeNamed(taskFile.bytes, tracks, placed);
    std::vector<std::string> files;
    for (const GivenFile& s : students) {
        place(s.path, s.bytes, placed);
        files.push_back(s.path);
    }
    fs::current_path(kTaskFolder);
    const ParsedTask read = readTaskFile(taskFile.path);
    Reports out;
    if (!read.task) {
        refusal = taskErrorText(taskFile.path, read.error);
    } else {
        const bool tell = progress.typeOf().as<std::string>() == "function";
        const std::vector<StudentResult> ranked = gradeClass(*read.task, files, [&](int done, int total) {
            if (tell) progress(done, total);
        });
        out = {gradeTableText(*read.task, taskFile.path, ranked),
               gradeHtmlText(*read.task, taskFile.path, ranked),
               gradeCsvText(*read.task, ranked, CsvForm::Plain),
               gradeCsvText(*read.task, ranked, CsvForm::Sheet), rankingJson(*read.task, ranked).dump()};
    }
    fs::current_path("/");
    std::error_code ec;
    for (const fs::path& p : placed) fs::remove(p, ec);
    fs::remove_all(kRoot, ec);
    return out;
}

/// The file's bytes as they are: a CSV keeps names that are no UTF-8, which a JS string would not.
emscripten::val bytesOf(const std::string& text) {
    const emscripten::val view(
        emscripten::typed_memory_view(text.size(), reinterpret_cast<const unsigned char*>(text.data())));
    return emscripten::val::global("Uint8Array").new_(view);
}

}  // namespace

emscripten::val gradeClass(const emscripten::val& task, const emscripten::val& tracks,
                           const emscripten::val& students, const emscripten::val& graded) {
    const std::vector<GivenFile> studentFiles = givenFiles(students);
    if (studentFiles.empty()) throwJsError(say({"nie podano uczniów", "no students were given"}));
    std::optional<std::string> refusal;
    const Reports reports = web::graded(givenFile(task), givenFiles(tracks), studentFiles, graded, refusal);
    if (refusal) throwJsError(*refusal);
    emscripten::val out = emscripten::val::object();
    out.set("table", reports.table);
    out.set("html", bytesOf(reports.html));
    out.set("csv", bytesOf(reports.csv));
    out.set("sheet", bytesOf(reports.sheet));
    out.set("ranking", reports.ranking);
    return out;
}

std::string gradingTextsJson() {
    using T = GradingTexts;
    const std::pair<const char*, Text> texts[] = {
        {"title", T::title},           {"task", T::task},         {"taskHint", T::taskHint},
        {"folder", T::folder},         {"files", T::files},       {"dropHint", T::dropHint},
        {"chosen", T::chosen},         {"grade", T::grade},       {"grading", T::grading},
        {"openReport", T::openReport}, {"saveHtml", T::saveHtml}, {"saveCsv", T::saveCsv},
        {"saveSheet", T::saveSheet}};
    nlohmann::json out;
    for (const auto& [name, text] : texts) out[name] = {{"pl", text.pl}, {"en", text.en}};
    return out.dump();
}

}  // namespace vemrik::web
