#include "cli/arduino_command.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <set>

#include "cli/eval_command.h"
#include "cli/option_once.h"
#include "engine/engine.h"
#include "platform/texts.h"
#include "robot_export/arduino_export.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

constexpr Text kUsage{
    "Użycie: vemrik-eval arduino PLIK_OBSZARU --out FOLDER [--seed S] [--name NAZWA] [--force]\n"
    "  --out FOLDER  gdzie zapisać folder szkicu (FOLDER/NAZWA/NAZWA.ino i wiring.svg)\n"
    "  --seed S      ziarno losowania, 0 … 4294967295 (domyślnie 5489, jak w programie)\n"
    "  --name NAZWA  nazwa szkicu (domyślnie nazwa pliku obszaru roboczego)\n"
    "  --force       zastąp szkic, który nie jest wcześniejszym eksportem tego obszaru roboczego\n",
    "Usage: vemrik-eval arduino WORKSPACE_FILE --out FOLDER [--seed S] [--name NAME] [--force]\n"
    "  --out FOLDER  where to save the sketch folder (FOLDER/NAME/NAME.ino and wiring.svg)\n"
    "  --seed S      random seed, 0 … 4294967295 (default 5489, as in the program)\n"
    "  --name NAME   the sketch's name (default the workspace file's name)\n"
    "  --force       replace a sketch that is not an earlier export of this workspace\n"};

struct Options {
    std::string workspace;
    std::optional<std::string> out;
    std::optional<std::string> name;
    std::uint32_t seed = Engine::kDefaultSeed;
    bool force = false;
};

/// Reads the value of option `a` into `into`; false with `why` for an empty one.
bool takeValue(const std::string& a, const std::string& v, std::optional<std::string>& into,
               std::string& why) {
    if (v.empty())
        why = say({"pusta wartość dla {1}", "an empty value for {1}"}, {a});
    else
        into = v;
    return why.empty();
}

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    std::optional<std::string> seed;
    std::set<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.starts_with("--") && !givenOnce(given, a, why)) return std::nullopt;
        if (a == "--out" || a == "--seed" || a == "--name") {
            if (i + 1 == args.size()) {
                why = say({"brak wartości po {1}", "no value after {1}"}, {a});
                return std::nullopt;
            }
            if (!takeValue(a, args[++i], a == "--out" ? o.out : a == "--name" ? o.name : seed, why))
                return std::nullopt;
        } else if (a == "--force") {
            o.force = true;
        } else if (a.size() > 1 && a[0] == '-') {
            why = say({"nieznana opcja {1}", "unknown option {1}"}, {a});
            return std::nullopt;
        } else if (!o.workspace.empty()) {
            why = say({"podano więcej niż jeden plik", "more than one file was given"});
            return std::nullopt;
        } else {
            o.workspace = a;
        }
    }
    if (seed) {
        const auto [end, ec] = std::from_chars(seed->data(), seed->data() + seed->size(), o.seed);
        if (ec != std::errc{} || end != seed->data() + seed->size())
            why = say({"zła wartość {1} dla {2}", "bad value {1} for {2}"}, {*seed, "--seed"});
    }
    if (o.workspace.empty())
        why = say({"nie podano pliku obszaru roboczego", "no workspace file was given"});
    else if (!o.out)
        why = say({"nie podano folderu (--out)", "no folder was given (--out)"});
    if (!why.empty()) return std::nullopt;
    return o;
}

}  // namespace

int runArduinoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    if (!o) {
        err << "vemrik-eval arduino: " << why << "\n" << say(kUsage);
        return kEvalBadArguments;
    }
    const ParsedWorkspace read = readWorkspaceFile(o->workspace);
    if (!read.workspace) {
        err << say({"Błąd w pliku „{1}”: {2}", "Error in the file “{1}”: {2}"}, {o->workspace, read.error})
            << "\n";
        return kEvalBadWorkspace;
    }
    const std::filesystem::path file(o->workspace);
    PlannedSketch planned =
        planSketch(*read.workspace, sketchName(o->name.value_or(file.stem().string())), o->seed);
    if (!planned.plan) {
        err << say({"Nie można wyeksportować „{1}”: {2}", "Cannot export “{1}”: {2}"},
                   {o->workspace, planned.error})
            << "\n";
        return kEvalBadWorkspace;
    }
    planned.plan->workspaceFile = file.filename().string();
    const SketchSave saved = writeSketchFolder(*planned.plan, *o->out, o->force);
    if (!saved.error.empty()) {
        err << say({"Nie można zapisać szkicu: {1}", "Cannot save the sketch: {1}"}, {saved.error}) << "\n";
        if (saved.wouldReplace)
            err << say({"Nic nie zapisano; --force go zastąpi.", "Nothing was written; --force replaces it."})
                << "\n";
        return kEvalCsvNotWritten;
    }
    const SketchFiles files = sketchFiles(*o->out, planned.plan->name);
    out << files.sketch << "\n" << files.wiring << "\n";
    out.flush();
    return out ? kEvalOk : kEvalOutputLost;
}

}  // namespace vemrik
