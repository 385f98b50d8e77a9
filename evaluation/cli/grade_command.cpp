#include "evaluation/cli/grade_command.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "evaluation/cli/eval_command.h"
#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Użycie: vemrik-eval grade PLIK_ZADANIA UCZEŃ… [--csv PLIK] [--html PLIK]\n"
    "  UCZEŃ        plik .vemrik albo folder z plikami .vemrik\n"
    "  --csv PLIK   zapisz wiersz CSV na każdego ucznia i tor\n"
    "  --html PLIK  zapisz raport jako stronę HTML z wykresami\n";

struct Options {
    std::string task;
    std::vector<std::string> students;
    std::optional<std::string> csv;
    std::optional<std::string> html;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--csv" || a == "--html") {
            if (i + 1 == args.size()) {
                why = "brak wartości po " + a;
                return std::nullopt;
            }
            (a == "--csv" ? o.csv : o.html) = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            why = "nieznana opcja " + a;
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() < 2) {
        why = files.empty() ? "nie podano pliku zadania" : "nie podano uczniów";
        return std::nullopt;
    }
    o.task = files.front();
    o.students.assign(files.begin() + 1, files.end());
    return o;
}

/// The student files named: a folder stands for everything in it named *.vemrik, by name; anything
/// else is taken as a file. Nothing is opened here, so whatever cannot be read (a pipe, a device, a
/// dangling link) gets its row with the reason instead of vanishing from the class.
std::optional<std::vector<std::string>> studentFiles(const std::vector<std::string>& args, std::string& why) {
    std::vector<std::string> files;
    for (const std::string& a : args) {
        std::error_code ec;
        if (!fs::is_directory(a, ec)) {
            files.push_back(a);
            continue;
        }
        std::vector<std::string> inFolder;
        for (fs::directory_iterator it(a, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".vemrik") inFolder.push_back(it->path().string());
        if (ec) {
            why = "nie można przejrzeć folderu „" + a + "”: " + ec.message();
            return std::nullopt;
        }
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

/// Why a report cannot be saved at `path`, asked before the grading rather than after it: every
/// file the grading reads is refused, so a report never replaces a student's work.
std::optional<std::string> reportRefusal(const std::string& path, const Task& task,
                                         const std::string& taskPath,
                                         const std::vector<std::string>& students) {
    if (sameFile(path, taskPath)) return "to jest plik zadania";
    for (const TaskTrack& t : task.tracks)
        if (sameFile(path, t.path)) return "to jest plik toru zadania";
    if (task.robot && sameFile(path, task.robotPath)) return "to jest plik robota zadania";
    for (const std::string& s : students)
        if (sameFile(path, s)) return "to jest plik ucznia";
    return saveRefusal(path);
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const fs::path pa = fs::weakly_canonical(a, ec1);
    const fs::path pb = fs::weakly_canonical(b, ec2);
    return ec1 || ec2 ? a == b : pa == pb;
}

int checked(std::ostream& out, std::ostream& err, int code) {
    if (out.flush()) return code;
    err << "vemrik-eval: nie można wypisać wyniku na standardowe wyjście\n";
    return kEvalOutputLost;
}

bool save(const std::optional<std::string>& path, const std::string& text, std::ostream& err) {
    if (!path) return true;
    const auto error = saveAtomically(*path, text);
    if (error) err << "Nie można zapisać pliku „" << printableText(*path) << "”: " << *error << "\n";
    return !error;
}

}  // namespace

int runGradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return checked(out, err, kEvalOk);
    }
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    std::optional<std::vector<std::string>> students;
    if (o) students = studentFiles(o->students, why);
    if (students && students->empty()) {
        why = "w podanych folderach nie ma plików .vemrik";
        students.reset();
    }
    if (students && o->csv && o->html && samePath(*o->csv, *o->html)) {
        why = "--csv i --html wskazują ten sam plik";
        students.reset();
    }
    if (!students) {
        err << "vemrik-eval: " << printableText(why) << "\n" << kUsage;
        return kEvalBadArguments;
    }
    const ParsedTask read = readTaskFile(o->task);
    if (!read.task) {
        err << "Błąd w pliku zadania „" << printableText(o->task) << "”: " << printableText(read.error)
            << "\n";
        return kEvalBadWorkspace;
    }
    const Task& task = *read.task;
    for (const auto& report : {o->csv, o->html}) {
        if (!report) continue;
        if (const auto refusal = reportRefusal(*report, task, o->task, *students)) {
            err << "Nie można zapisać pliku „" << printableText(*report) << "”: " << *refusal << "\n";
            return kEvalCsvNotWritten;
        }
    }

    std::vector<StudentResult> results;
    for (const std::string& file : *students)
        results.push_back(gradeStudent(task, fs::path(file).stem().string(), file));
    rankResults(results);

    // The reports are saved before the table goes out, so that nothing that becomes of standard
    // output (a closed pipe, a full disk, a reader that stops reading) can cost them.
    const bool csvSaved = save(o->csv, gradeCsvText(task, results), err);
    const bool htmlSaved = save(o->html, gradeHtmlText(task, o->task, results), err);
    out << gradeTableText(task, o->task, results);
    const int code = checked(out, err, kEvalOk);
    return csvSaved && htmlSaved ? code : kEvalCsvNotWritten;
}

}  // namespace vemrik
