#include "cli/challenge_command.h"

#include <filesystem>
#include <optional>

#include "cli/eval_command.h"
#include "evaluation/challenge/challenge_series.h"
#include "evaluation/grade/printable_text.h"
#include "platform/files.h"
#include "platform/texts.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

namespace fs = std::filesystem;

constexpr Text kUsage{
    "Użycie: vemrik-eval challenge POZIOM PLIK_OBSZARU [--progress PLIK]\n"
    "  POZIOM           plik .vemrik-task albo folder poziomów (oceniany każdy po kolei)\n"
    "  --progress PLIK  dopisz najlepszy wynik do pliku postępów\n",
    "Usage: vemrik-eval challenge LEVEL WORKSPACE_FILE [--progress FILE]\n"
    "  LEVEL            a .vemrik-task file or a folder of levels (each judged in turn)\n"
    "  --progress FILE  add the best result to the progress file\n"};

struct Options {
    std::string level;
    std::string workspace;
    std::optional<std::string> progress;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--progress" && i + 1 < args.size() && !o.progress) {
            o.progress = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            why = say({"nieznana lub powtórzona opcja {1}", "unknown or repeated option {1}"}, {args[i]});
            return std::nullopt;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        why = say({"potrzeba poziomu i pliku obszaru", "a level and a workspace file are needed"});
        return std::nullopt;
    }
    o.level = files[0];
    o.workspace = files[1];
    return o;
}

std::string starText(int stars) {
    std::string s;
    for (int i = 0; i < 3; ++i) s += i < stars ? "★" : "☆";
    return s;
}

void printVerdict(const ChallengeVerdict& v, std::ostream& out) {
    out << say({"Gwiazdki: {1}", "Stars: {1}"}, {starText(v.stars)}) << "\n" << v.sentence << "\n";
    if (!v.failedRuns.empty()) out << say({"Nieudane przebiegi:", "Failed runs:"}) << "\n";
    for (const std::string& line : v.failedRuns) out << "  " << line << "\n";
    if (!v.hints.empty()) out << say({"Co spróbować:", "What to try:"}) << "\n";
    for (const std::string& line : v.hints) out << "  " << line << "\n";
}

std::optional<ChallengeProgress> readProgress(const std::string& path, std::ostream& err) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return ChallengeProgress{};
    const FileText file = readTextFile(path);
    ParsedProgress read = file.text ? parseProgress(*file.text) : ParsedProgress{std::nullopt, file.error};
    if (!read.progress)
        err << say({"Błąd w pliku postępów „{1}”: {2}", "Error in the progress file “{1}”: {2}"},
                   {printableText(path), printableText(read.error)})
            << "\n";
    return read.progress;
}

}  // namespace

int runChallengeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    if (!o) {
        err << "vemrik-eval: " << printableText(why) << "\n" << say(kUsage);
        return kEvalBadArguments;
    }
    std::error_code ec;
    const ChallengeSeries series =
        fs::is_directory(o->level, ec) ? readChallengeSeries(o->level) : ChallengeSeries{{o->level}, {}};
    const FileText text = readTextFile(o->workspace);
    const ParsedWorkspace work =
        text.text ? parseWorkspace(*text.text) : ParsedWorkspace{std::nullopt, text.error};
    if (!series.error.empty() || series.levels.empty() || !work.workspace) {
        err << "vemrik-eval: "
            << printableText(!work.workspace ? o->workspace + ": " + work.error
                             : series.error.empty()
                                 ? say({"folder nie ma poziomów", "the folder holds no levels"})
                                 : series.error)
            << "\n";
        return kEvalBadWorkspace;
    }
    std::optional<ChallengeProgress> progress;
    if (o->progress && !(progress = readProgress(*o->progress, err))) return kEvalBadWorkspace;
    bool allMet = true;
    for (const std::string& path : series.levels) {
        const ParsedTask level = readTaskFile(path);
        if (!level.task) {
            err << say({"Błąd w pliku zadania „{1}”: {2}", "Error in the task file “{1}”: {2}"},
                       {printableText(path), printableText(level.error)})
                << "\n";
            return kEvalBadWorkspace;
        }
        out << say({"Poziom {1}: {2}", "Level {1}: {2}"}, {level.task->levelId, challengeGoal(*level.task)})
            << "\n";
        const ChallengeVerdict verdict = judgeChallenge(*level.task, *work.workspace);
        printVerdict(verdict, out);
        allMet = allMet && verdict.goalMet;
        if (progress) recordProgress(*progress, level.task->levelId, verdict, *text.text);
    }
    if (progress) {
        if (const auto error = saveAtomically(*o->progress, progressText(*progress))) {
            err << say({"Nie można zapisać pliku „{1}”: {2}", "Cannot save the file “{1}”: {2}"},
                       {printableText(*o->progress), *error})
                << "\n";
            return kEvalCsvNotWritten;
        }
    }
    if (!out.flush()) return kEvalOutputLost;
    return allMet ? kEvalOk : kEvalGoalMissed;
}

}  // namespace vemrik
