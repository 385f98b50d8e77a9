#include "evaluation/cli/arduino_command.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "engine/engine.h"
#include "evaluation/cli/eval_command.h"
#include "robot_export/arduino_export.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

constexpr const char* kUsage =
    "Użycie: vemrik-eval arduino PLIK_OBSZARU --out FOLDER [--seed S] [--name NAZWA]\n"
    "  --out FOLDER  gdzie zapisać folder szkicu (FOLDER/NAZWA/NAZWA.ino i wiring.svg)\n"
    "  --seed S      ziarno losowania, 0 … 4294967295 (domyślnie 5489, jak w programie)\n"
    "  --name NAZWA  nazwa szkicu (domyślnie nazwa pliku obszaru roboczego)\n";

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
                why = "brak wartości po " + a;
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
                    why = "zła wartość " + v + " dla --seed";
                    return std::nullopt;
                }
            }
        } else if (a.size() > 1 && a[0] == '-') {
            why = "nieznana opcja " + a;
            return std::nullopt;
        } else if (!o.workspace.empty()) {
            why = "podano więcej niż jeden plik";
            return std::nullopt;
        } else {
            o.workspace = a;
        }
    }
    if (o.workspace.empty())
        why = "nie podano pliku obszaru roboczego";
    else if (!haveOut)
        why = "nie podano folderu (--out)";
    if (!why.empty()) return std::nullopt;
    return o;
}

}  // namespace

int runArduinoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string why;
    const std::optional<Options> o = parseOptions(args, why);
    if (!o) {
        err << "vemrik-eval arduino: " << why << "\n" << kUsage;
        return kEvalBadArguments;
    }
    const ParsedWorkspace read = readWorkspaceFile(o->workspace);
    if (!read.workspace) {
        err << "Błąd w pliku „" << o->workspace << "”: " << read.error << "\n";
        return kEvalBadWorkspace;
    }
    const std::string wanted =
        o->name.empty() ? std::filesystem::path(o->workspace).stem().string() : o->name;
    const PlannedSketch planned = planSketch(*read.workspace, sketchName(wanted), o->seed);
    if (!planned.plan) {
        err << "Nie można wyeksportować „" << o->workspace << "”: " << planned.error << "\n";
        return kEvalBadWorkspace;
    }
    if (const auto error = writeSketchFolder(*planned.plan, o->out)) {
        err << "Nie można zapisać szkicu: " << *error << "\n";
        return kEvalCsvNotWritten;
    }
    const SketchFiles files = sketchFiles(o->out, planned.plan->name);
    out << files.sketch << "\n" << files.wiring << "\n";
    out.flush();
    return out ? kEvalOk : kEvalOutputLost;
}

}  // namespace vemrik
