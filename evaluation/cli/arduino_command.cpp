#include "evaluation/cli/arduino_command.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "app/texts.h"
#include "engine/engine.h"
#include "evaluation/cli/eval_command.h"
#include "robot_export/arduino_export.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

constexpr Text kUsage{
    "Użycie: vemrik-eval arduino PLIK_OBSZARU --out FOLDER [--seed S] [--name NAZWA]\n"
    "  --out FOLDER  gdzie zapisać folder szkicu (FOLDER/NAZWA/NAZWA.ino i wiring.svg)\n"
    "  --seed S      ziarno losowania, 0 … 4294967295 (domyślnie 5489, jak w programie)\n"
    "  --name NAZWA  nazwa szkicu (domyślnie nazwa pliku obszaru roboczego)\n",
    "Usage: vemrik-eval arduino WORKSPACE_FILE --out FOLDER [--seed S] [--name NAME]\n"
    "  --out FOLDER  where to save the sketch folder (FOLDER/NAME/NAME.ino and wiring.svg)\n"
    "  --seed S      random seed, 0 … 4294967295 (default 5489, as in the program)\n"
    "  --name NAME   the sketch's name (default the workspace file's name)\n"};

struct Options {
    std::string workspace;
    std::string out;
    std::string name;
    std::uint32_t seed = Engine::kDefaultSeed;
};

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& why) {
    Options o;
    bool haveOut = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--out" || a == "--seed" || a == "--name") {
            if (i + 1 == args.size()) {
                why = say({"brak wartości po {1}", "no value after {1}"}, {a});
                return std::nullopt;
            }
            const std::string& v = args[++i];
            if (a == "--out") {
                o.out = v;
                haveOut = true;
            } else if (a == "--name") {
                o.name = v;
            } else {
                const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.seed);
                if (ec != std::errc{} || end != v.data() + v.size()) {
                    why = say({"zła wartość {1} dla {2}", "bad value {1} for {2}"}, {v, "--seed"});
                    return std::nullopt;
                }
            }
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
    if (o.workspace.empty())
        why = say({"nie podano pliku obszaru roboczego", "no workspace file was given"});
    else if (!haveOut)
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
    const std::string wanted =
        o->name.empty() ? std::filesystem::path(o->workspace).stem().string() : o->name;
    const PlannedSketch planned = planSketch(*read.workspace, sketchName(wanted), o->seed);
    if (!planned.plan) {
        err << say({"Nie można wyeksportować „{1}”: {2}", "Cannot export “{1}”: {2}"},
                   {o->workspace, planned.error})
            << "\n";
        return kEvalBadWorkspace;
    }
    if (const auto error = writeSketchFolder(*planned.plan, o->out)) {
        err << say({"Nie można zapisać szkicu: {1}", "Cannot save the sketch: {1}"}, {*error}) << "\n";
        return kEvalCsvNotWritten;
    }
    const SketchFiles files = sketchFiles(o->out, planned.plan->name);
    out << files.sketch << "\n" << files.wiring << "\n";
    out.flush();
    return out ? kEvalOk : kEvalOutputLost;
}

}  // namespace vemrik
