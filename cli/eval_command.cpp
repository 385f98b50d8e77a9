#include "cli/eval_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <set>

#include "cli/arduino_command.h"
#include "cli/challenge_command.h"
#include "cli/csv_form_option.h"
#include "cli/grade_command.h"
#include "cli/option_once.h"
#include "evaluation/evaluation_csv.h"
#include "evaluation/grade/printable_text.h"
#include "evaluation/job_limits.h"
#include "evaluation/job_report.h"
#include "evaluation/sweep.h"
#include "platform/texts.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

constexpr Text kUsage{
    "Użycie: vemrik-eval PLIK_OBSZARU [--runs N] [--max-steps M] [--seed S] [--csv PLIK]\n"
    "                   [--flip P] [--shift D] [--turn A] [--sweep] [--levels L,L,…]\n"
    "  --runs N       liczba przebiegów, 1 … 1000000 (domyślnie 200)\n"
    "  --max-steps M  limit kroków jednego przebiegu, 1 … 100000000 (domyślnie 5000)\n"
    "  --seed S       ziarno pierwszego przebiegu, 0 … 4294967295 (domyślnie 5489);\n"
    "                 przebieg i dostaje ziarno S + i\n"
    "  --csv PLIK     zapisz wiersz CSV na każdy przebieg\n"
    "  --csv-format F standard (domyślnie) albo arkusz: dla arkusza kalkulacyjnego,\n"
    "                 ze średnikami, przecinkami dziesiętnymi i polskimi nagłówkami\n"
    "Zakłócenia (domyślnie brak), losowane z ziarna przebiegu:\n"
    "  --flip P       szansa odwrócenia odczytu czujnika, 0 … 1\n"
    "  --shift D      przesunięcie startu o najwyżej D pikseli w dowolną stronę, 0 … 10000\n"
    "  --turn A       obrót kierunku startu o najwyżej A stopni w obie strony, 0 … 360\n"
    "  --sweep        oceń przy poziomach zakłóceń 0; 0,25; 0,5; 0,75; 1 (ułamki podanych)\n"
    "  --levels L,…   własne poziomy, każdy 0 … 1, najwyżej 20 (z kropką: 0,0.5,1)\n"
    "albo: vemrik-eval grade PLIK_ZADANIA UCZEŃ… [--csv PLIK] [--csv-format F] [--html PLIK]\n"
    "albo: vemrik-eval arduino PLIK_OBSZARU --out FOLDER [--seed S] [--name NAZWA] [--force]\n"
    "albo: vemrik-eval challenge POZIOM PLIK_OBSZARU [--progress PLIK]\n"
    "Każde z nich przyjmuje też --lang pl|en (domyślnie według LC_ALL, LC_MESSAGES, LANG).\n",
    "Usage: vemrik-eval WORKSPACE_FILE [--runs N] [--max-steps M] [--seed S] [--csv FILE]\n"
    "                   [--flip P] [--shift D] [--turn A] [--sweep] [--levels L,L,…]\n"
    "  --runs N       number of runs, 1 … 1000000 (default 200)\n"
    "  --max-steps M  step limit of one run, 1 … 100000000 (default 5000)\n"
    "  --seed S       seed of the first run, 0 … 4294967295 (default 5489);\n"
    "                 run i gets the seed S + i\n"
    "  --csv FILE     save a CSV row for each run\n"
    "  --csv-format F standard (the default) or arkusz (for a spreadsheet: a byte-order mark,\n"
    "                 headers in the language spoken)\n"
    "Noise (none by default), drawn from the run's seed:\n"
    "  --flip P       chance that a sensor reading flips, 0 … 1\n"
    "  --shift D      start moved by at most D pixels in any direction, 0 … 10000\n"
    "  --turn A       start heading turned by at most A degrees either way, 0 … 360\n"
    "  --sweep        evaluate at the noise levels 0, 0.25, 0.5, 0.75, 1 (shares of the given)\n"
    "  --levels L,…   own levels, each 0 … 1, at most 20 (with points: 0,0.5,1)\n"
    "or: vemrik-eval grade TASK_FILE STUDENT… [--csv FILE] [--csv-format F] [--html FILE]\n"
    "or: vemrik-eval arduino WORKSPACE_FILE --out FOLDER [--seed S] [--name NAME] [--force]\n"
    "or: vemrik-eval challenge LEVEL WORKSPACE_FILE [--progress FILE]\n"
    "Each of them also takes --lang pl|en (by default after LC_ALL, LC_MESSAGES, LANG).\n"};

constexpr std::size_t kMostLevels = 20;

struct Options {
    std::string workspace;
    std::optional<std::string> csv;
    CsvForm csvForm = CsvForm::Plain;
    JobSettings job;
};

template <class T>
bool parseNumber(const std::string& text, T low, T high, T& out) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < low || value > high) return false;
    out = value;
    return true;
}

/// A finite number in [low, high]; "nan", "inf" and numbers past the doubles are refused. "-0"
/// reads as 0, which is what it means here, so that no "-0,0" is ever shown.
bool parseReal(const std::string& text, double low, double high, double& out) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) || value < low ||
        value > high)
        return false;
    out = value + 0.0;
    return true;
}

/// Levels separated by commas, each in [0, 1], at least one and at most kMostLevels.
bool parseLevels(const std::string& text, std::vector<double>& out) {
    std::vector<double> levels;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        double level = 0.0;
        if (!parseReal(text.substr(from, comma - from), 0.0, 1.0, level) || levels.size() == kMostLevels)
            return false;
        levels.push_back(level);
        if (comma == text.size()) break;
        from = comma + 1;
    }
    out = std::move(levels);
    return true;
}

/// The options, or the reason they cannot be read.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    bool haveFile = false;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.starts_with("--") && !givenOnce(given, a, why)) return std::nullopt;
        const bool takesValue = a == "--runs" || a == "--max-steps" || a == "--seed" || a == "--csv" ||
                                a == "--csv-format" || a == "--flip" || a == "--shift" || a == "--turn" ||
                                a == "--levels";
        if (takesValue && i + 1 == args.size()) {
            why = say({"brak wartości po {1}", "no value after {1}"}, {a});
            return std::nullopt;
        }
        bool ok = true;
        JobSettings& job = o.job;
        if (a == "--runs")
            ok = parseNumber(args[++i], kRunsSetting.low, kRunsSetting.high, job.runs);
        else if (a == "--max-steps")
            ok = parseNumber(args[++i], kMaxStepsSetting.low, kMaxStepsSetting.high, job.maxSteps);
        else if (a == "--seed")
            ok = parseNumber(args[++i], kSeedSetting.low, kSeedSetting.high, job.seed);
        else if (a == "--csv")
            o.csv = args[++i];
        else if (a == "--csv-format") {
            const std::optional<CsvForm> form = csvFormOption(args[++i], why);
            if (!form) return std::nullopt;
            o.csvForm = *form;
        } else if (a == "--flip")
            ok = parseReal(args[++i], kFlipSetting.low, kFlipSetting.high, job.noise.flip);
        else if (a == "--shift")
            ok = parseReal(args[++i], kShiftSetting.low, kShiftSetting.high, job.noise.shift);
        else if (a == "--turn")
            ok = parseReal(args[++i], kTurnSetting.low, kTurnSetting.high, job.noise.turn);
        else if (a == "--levels")
            ok = parseLevels(args[++i], job.levels);
        else if (a == "--sweep") {
            if (job.levels.empty()) job.levels = defaultSweepLevels();
        } else if (a.size() > 1 && a[0] == '-') {
            why = say({"nieznana opcja {1}", "unknown option {1}"}, {a});
            return std::nullopt;
        } else if (haveFile) {
            why = say({"podano więcej niż jeden plik", "more than one file was given"});
            return std::nullopt;
        } else {
            o.workspace = a;
            haveFile = true;
        }
        if (!ok) {
            why = say({"zła wartość {1} dla {2}", "bad value {1} for {2}"}, {args[i], args[i - 1]});
            return std::nullopt;
        }
    }
    if (!haveFile) {
        why = say({"nie podano pliku obszaru roboczego", "no workspace file was given"});
        return std::nullopt;
    }
    if (o.job.sweeps() && !o.job.noise.any()) {
        why = say({"poziomy zakłóceń wymagają zakłóceń: podaj --flip, --shift lub --turn",
                   "noise levels need noise: give --flip, --shift or --turn"});
        return std::nullopt;
    }
    return o;
}

/// Why the CSV file cannot be written, asked before hours of runs rather than after them.
std::optional<std::string> csvRefusal(const Options& o) {
    if (sameFile(*o.csv, o.workspace))
        return say({"to jest oceniany plik obszaru roboczego", "this is the workspace file being evaluated"});
    return saveRefusal(*o.csv);
}

/// The exit code, unless what went to `out` was lost (a full disk, a closed pipe).
int checked(std::ostream& out, std::ostream& err, int code) {
    if (out.flush()) return code;
    err << "vemrik-eval: "
        << say({"nie można wypisać wyniku na standardowe wyjście",
                "cannot write the result to the standard output"})
        << "\n";
    return kEvalOutputLost;
}

/// The runs of the job as CSV rows.
std::string csvOf(const JobResult& r, CsvForm form) {
    return r.settings.sweeps() ? sweepCsvText(r.sweep, form) : csvText(r.evaluation, form);
}

}  // namespace

int runEvalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "grade") return runGradeCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "challenge")
        return runChallengeCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "arduino")
        return runArduinoCommand({args.begin() + 1, args.end()}, out, err);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << say(kUsage);
        return checked(out, err, kEvalOk);
    }
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    if (!o) {
        err << "vemrik-eval: " << why << "\n" << say(kUsage);
        return kEvalBadArguments;
    }
    const ParsedWorkspace read = readWorkspaceFile(o->workspace);
    if (!read.workspace) {
        err << say({"Błąd w pliku „{1}”: {2}", "Error in the file “{1}”: {2}"},
                   {printableText(o->workspace), printableText(read.error)})
            << "\n";
        return kEvalBadWorkspace;
    }
    const PreparedJob prepared = prepareJob(*read.workspace, o->job);
    if (!prepared.job) {
        err << say({"Błąd w pliku „{1}”: {2}", "Error in the file “{1}”: {2}"},
                   {printableText(o->workspace), printableText(prepared.error)})
            << "\n";
        return kEvalBadWorkspace;
    }

    if (o->csv) {
        if (const auto why = csvRefusal(*o)) {
            err << say({"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"},
                       {printableText(*o->csv), *why})
                << "\n";
            return kEvalCsvNotWritten;
        }
    }

    out << say({"Ocena: {1}", "Evaluation: {1}"}, {printableText(o->workspace)}) << "\n"
        << settingsLine(o->job) << "\n";
    const JobResult result = prepared.job->run();
    // The CSV is saved before the summary goes out, so that nothing that becomes of standard
    // output (a closed pipe, a full disk, a reader that stops reading) can cost the file.
    bool saved = true;
    if (o->csv) {
        if (const auto error = saveAtomically(*o->csv, csvOf(result, o->csvForm))) {
            err << say({"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"},
                       {printableText(*o->csv), *error})
                << "\n";
            saved = false;
        }
    }
    for (const std::string& line : reportLines(jobReport(result))) out << line << "\n";
    const int code = checked(out, err, kEvalOk);
    return saved ? code : kEvalCsvNotWritten;
}

}  // namespace vemrik
