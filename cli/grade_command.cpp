#include "cli/grade_command.h"

#include <filesystem>
#include <optional>
#include <set>

#include "cli/csv_form_option.h"
#include "cli/eval_command.h"
#include "cli/option_once.h"
#include "evaluation/grade/class_files.h"
#include "evaluation/grade/grade_report.h"
#include "evaluation/grade/printable_text.h"
#include "platform/texts.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

namespace fs = std::filesystem;

constexpr Text kUsage{
    "Użycie: vemrik-eval grade PLIK_ZADANIA UCZEŃ… [--csv PLIK] [--csv-format F] [--html PLIK]\n"
    "  UCZEŃ           plik .vemrik albo folder z plikami .vemrik\n"
    "  --csv PLIK      zapisz wiersz CSV na każdego ucznia i tor\n"
    "  --csv-format F  standard (domyślnie) albo arkusz: dla arkusza kalkulacyjnego, wiersz na\n"
    "                  ucznia, kolumna na tor, średniki, przecinki dziesiętne, procenty\n"
    "  --html PLIK     zapisz raport jako stronę HTML z wykresami\n",
    "Usage: vemrik-eval grade TASK_FILE STUDENT… [--csv FILE] [--csv-format F] [--html FILE]\n"
    "  STUDENT         a .vemrik file or a folder of .vemrik files\n"
    "  --csv FILE      save a CSV row for each student and track\n"
    "  --csv-format F  standard (the default) or arkusz: for a spreadsheet, a row per student,\n"
    "                  a column per track, percentages\n"
    "  --html FILE     save the report as an HTML page with charts\n"};

struct Options {
    std::string task;
    std::vector<std::string> students;
    std::optional<std::string> csv;
    CsvForm csvForm = CsvForm::Plain;
    std::optional<std::string> html;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    std::vector<std::string> files;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.starts_with("--") && !givenOnce(given, a, why)) return std::nullopt;
        if (a == "--csv" || a == "--html" || a == "--csv-format") {
            if (i + 1 == args.size()) {
                why = say({"brak wartości po {1}", "no value after {1}"}, {a});
                return std::nullopt;
            }
            if (a == "--csv-format") {
                const std::optional<CsvForm> form = csvFormOption(args[++i], why);
                if (!form) return std::nullopt;
                o.csvForm = *form;
            } else {
                (a == "--csv" ? o.csv : o.html) = args[++i];
            }
        } else if (a.size() > 1 && a[0] == '-') {
            why = say({"nieznana opcja {1}", "unknown option {1}"}, {a});
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() < 2) {
        why = files.empty() ? say({"nie podano pliku zadania", "no task file was given"})
                            : say({"nie podano uczniów", "no students were given"});
        return std::nullopt;
    }
    o.task = files.front();
    o.students.assign(files.begin() + 1, files.end());
    return o;
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec1, ec2;
    const fs::path pa = fs::weakly_canonical(a, ec1);
    const fs::path pb = fs::weakly_canonical(b, ec2);
    return ec1 || ec2 ? a == b : pa == pb;
}

int checked(std::ostream& out, std::ostream& err, int code) {
    if (out.flush()) return code;
    err << "vemrik-eval: "
        << say({"nie można wypisać wyniku na standardowe wyjście",
                "cannot write the result to the standard output"})
        << "\n";
    return kEvalOutputLost;
}

bool save(const std::optional<std::string>& path, const std::string& text, std::ostream& err) {
    if (!path) return true;
    const auto error = saveAtomically(*path, text);
    if (error)
        err << say({"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"},
                   {printableText(*path), *error})
            << "\n";
    return !error;
}

}  // namespace

int runGradeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << say(kUsage);
        return checked(out, err, kEvalOk);
    }
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    std::optional<std::vector<std::string>> students;
    if (o) students = studentFiles(o->students, why);
    if (students && students->empty()) {
        why = say({"w podanych folderach nie ma plików .vemrik", "the folders given hold no .vemrik files"});
        students.reset();
    }
    if (students && o->csv && o->html && samePath(*o->csv, *o->html)) {
        why = say({"--csv i --html wskazują ten sam plik", "--csv and --html name the same file"});
        students.reset();
    }
    if (!students) {
        err << "vemrik-eval: " << printableText(why) << "\n" << say(kUsage);
        return kEvalBadArguments;
    }
    const ParsedTask read = readTaskFile(o->task);
    if (!read.task) {
        err << taskErrorText(o->task, read.error) << "\n";
        return kEvalBadWorkspace;
    }
    const Task& task = *read.task;
    for (const auto& report : {o->csv, o->html}) {
        if (!report) continue;
        if (const auto refusal = reportRefusal(*report, task, o->task, *students)) {
            err << say({"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"},
                       {printableText(*report), *refusal})
                << "\n";
            return kEvalCsvNotWritten;
        }
    }

    const std::vector<StudentResult> results = gradeClass(task, *students);

    // The reports are saved before the table goes out, so that nothing that becomes of standard
    // output (a closed pipe, a full disk, a reader that stops reading) can cost them.
    const bool csvSaved = save(o->csv, gradeCsvText(task, results, o->csvForm), err);
    const bool htmlSaved = save(o->html, gradeHtmlText(task, o->task, results), err);
    out << gradeTableText(task, o->task, results);
    const int code = checked(out, err, kEvalOk);
    return csvSaved && htmlSaved ? code : kEvalCsvNotWritten;
}

}  // namespace vemrik
