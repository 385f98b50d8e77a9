#include <cmath>
#include <filesystem>

#include "evaluation/grade/task.h"
#include "evaluation/run_setup.h"
#include "platform/texts.h"
#include "workspace/json_document.h"
#include "workspace/workspace_file.h"

namespace vemrik {

namespace {

using Json = nlohmann::json;
namespace fs = std::filesystem;

// File, track list, track: three deep; anything far deeper is refused before it costs memory.
constexpr int kMaxDepth = 8;
constexpr std::size_t kMaxTracks = 100;

/// A reason the text is not a task; only ever thrown and caught inside this file.
struct TaskError {
    std::string message;
};

[[noreturn]] void fail(std::string message) { throw TaskError{std::move(message)}; }

using Field = JsonField;

constexpr Field kFormat{"format", {"format", "format"}};
constexpr Field kVersion{"version", {"wersja", "version"}};
constexpr Field kTracks{"tracks", {"tory", "tracks"}};
constexpr Field kRobot{"robot", {"robot", "robot"}};
constexpr Field kRuns{"runs", {"liczba przebiegów", "number of runs"}};
constexpr Field kMaxSteps{"maxSteps", {"limit kroków", "step limit"}};
constexpr Field kSeed{"seed", {"ziarno", "seed"}};
constexpr Field kNoise{"noise", {"szum", "noise"}};
constexpr Field kChallenge{"challenge", {"wyzwanie", "challenge"}};
constexpr Field kTaskFields[] = {kFormat,   kVersion, kTracks, kRobot,    kRuns,
                                 kMaxSteps, kSeed,    kNoise,  kChallenge};

constexpr Field kWorkspace{"workspace", {"plik toru", "track file"}};
constexpr Field kWeight{"weight", {"waga", "weight"}};
constexpr Field kName{"name", {"nazwa", "name"}};
constexpr Field kTrackFields[] = {kWorkspace, kWeight, kName};

constexpr Field kFlip{"flip", {"odwrócenie odczytu", "reading flip"}};
constexpr Field kShift{"shift", {"przesunięcie startu", "start shift"}};
constexpr Field kTurn{"turn", {"obrót startu", "start turn"}};
constexpr Field kNoiseFields[] = {kFlip, kShift, kTurn};

constexpr Field kGoal{"goal", {"cel", "goal"}};
constexpr Field kPolish{"pl", {"po polsku", "in Polish"}};
constexpr Field kEnglish{"en", {"po angielsku", "in English"}};
constexpr Field kGoalFields[] = {kPolish, kEnglish};
constexpr Field kMaxRules{"maxRules", {"najwięcej reguł", "most rules"}};
constexpr Field kMaxSensors{"maxSensors", {"najwięcej czujników", "most sensors"}};
constexpr Field kSuccess{"success", {"odsetek dojazdów", "success rate"}};
constexpr Field kStepsForTwo{"stepsForTwoStars", {"kroki na dwie gwiazdki", "steps for two stars"}};
constexpr Field kRulesForThree{"rulesForThreeStars", {"reguły na trzy gwiazdki", "rules for three stars"}};
constexpr Field kChallengeFields[] = {kGoal, kMaxRules, kMaxSensors, kSuccess, kStepsForTwo, kRulesForThree};

/// Refuses an object that is not one or holds a key not among `known`: a misspelt key is caught
/// instead of silently ignored.
template <std::size_t N>
void checkKeys(const Json& v, const Field (&known)[N], const std::string& name) {
    if (!v.is_object())
        fail(say({"{1}: oczekiwano obiektu { … }", "{1}: an object { … } was expected"}, {name}));
    for (const auto& item : v.items()) {
        bool ok = false;
        for (const Field& f : known) ok = ok || f.key == item.key();
        if (!ok)
            fail(say({"{1}: nieznane pole {2}", "{1}: unknown field {2}"}, {name, jsonQuoted(item.key())}));
    }
}

void checkHeader(const Json& root) {
    const std::string expected =
        say({"\"format\" o wartości \"{1}\"", "\"format\" with the value \"{1}\""}, {kTaskFormatName});
    if (!root.is_object() || !root.contains("format"))
        fail(say({"to nie jest plik zadania Vemrik: brak pola {1}",
                  "this is not a Vemrik task file: the field {1} is missing"},
                 {expected}));
    const Json& format = root.at("format");
    if (!format.is_string() || format.get<std::string>() != kTaskFormatName)
        fail(say({"to nie jest plik zadania Vemrik: potrzeba pola {1}",
                  "this is not a Vemrik task file: the field {1} is needed"},
                 {expected}));
    if (!root.contains("version"))
        fail(say({"brak pola {1}", "the field {1} is missing"}, {fieldName(kVersion)}));
    const Json& version = root.at("version");
    if (!version.is_number_integer())
        fail(say({"{1}: oczekiwano liczby całkowitej", "{1}: a whole number was expected"},
                 {fieldName(kVersion)}));
    const bool supported = version.is_number_unsigned() ? version.get<std::uint64_t>() == kTaskFormatVersion
                                                        : version.get<std::int64_t>() == kTaskFormatVersion;
    if (!supported)
        fail(say({"wersja formatu {1} nie jest obsługiwana; ten program czyta wersję {2}",
                  "format version {1} is not supported; this program reads version {2}"},
                 {version.dump(), std::to_string(kTaskFormatVersion)}));
    checkKeys(root, kTaskFields, say({"plik zadania", "task file"}));
}

/// The integer of an optional field from lo to hi, or `otherwise` when the field is absent.
template <class T>
T readInteger(const Json& object, const Field& f, const std::string& prefix, T lo, T hi, T otherwise) {
    const auto it = object.find(f.key);
    if (it == object.end()) return otherwise;
    // Every such field is from 0 up, and JSON reads every integer from 0 up as unsigned.
    const bool ok = it->is_number_unsigned() && it->get<std::uint64_t>() >= static_cast<std::uint64_t>(lo) &&
                    it->get<std::uint64_t>() <= static_cast<std::uint64_t>(hi);
    if (!ok)
        fail(say({"{1}: {2}; potrzeba liczby całkowitej od {3} do {4}",
                  "{1}: {2}; a whole number from {3} to {4} is needed"},
                 {fieldName(f, prefix), it->dump(), std::to_string(lo), std::to_string(hi)}));
    return static_cast<T>(it->get<std::uint64_t>());
}

/// The number of an optional field from lo to hi, or `otherwise` when the field is absent.
double readNumber(const Json& object, const Field& f, const std::string& prefix, double lo, double hi,
                  bool loIncluded, double otherwise, const Text& range) {
    const auto it = object.find(f.key);
    if (it == object.end()) return otherwise;
    const double v = it->is_number() ? it->get<double>() : std::nan("");
    const bool ok = std::isfinite(v) && (loIncluded ? v >= lo : v > lo) && v <= hi;
    if (!ok)
        fail(say({"{1}: {2}; potrzeba liczby {3}", "{1}: {2}; a number {3} is needed"},
                 {fieldName(f, prefix), it->dump(), say(range)}));
    return v + 0.0;  // -0 is 0, and is shown so
}

std::string readText(const Json& object, const Field& f, const std::string& prefix) {
    const Json& v = object.at(f.key);
    if (!v.is_string() || v.get_ref<const std::string&>().empty())
        fail(say({"{1}: oczekiwano niepustego napisu", "{1}: a string that is not empty was expected"},
                 {fieldName(f, prefix)}));
    return v.get<std::string>();
}

std::string resolve(const std::string& folder, const std::string& path) {
    const fs::path p(path);
    return p.is_absolute() ? path : (fs::path(folder) / p).lexically_normal().string();
}

Workspace readReferenced(const std::string& name, const std::string& path) {
    ParsedWorkspace read = readWorkspaceFile(path);
    if (!read.workspace)
        fail(say({"{1}, plik „{2}”: {3}", "{1}, file “{2}”: {3}"}, {name, path, read.error}));
    return std::move(*read.workspace);
}

/// The painted track of the file at `path`, read and checked unless an earlier track names the same
/// file under any path: a track file can be large, and a task may name it many times.
std::shared_ptr<const RunSetup> trackSetup(const std::string& label, const std::string& path,
                                           const std::string& name, const std::vector<TaskTrack>& earlier) {
    for (const TaskTrack& t : earlier)
        if (t.path == path || sameFile(t.path, path)) return t.setup;
    PreparedRun p = prepareTrack(readReferenced(label, path));
    if (!p.setup) fail(label + " (" + jsonQuoted(name) + "): " + p.error);
    return std::make_shared<const RunSetup>(std::move(*p.setup));
}

TaskTrack readTrack(const Json& v, std::size_t index, const std::string& folder,
                    const std::vector<TaskTrack>& earlier) {
    const std::string label = say({"tor [{1}]", "track [{1}]"}, {std::to_string(index)});
    const std::string prefix = label + ", ";
    checkKeys(v, kTrackFields, label);
    if (!v.contains(kWorkspace.key))
        fail(say({"brak pola {1}", "the field {1} is missing"}, {fieldName(kWorkspace, prefix)}));
    TaskTrack t;
    t.path = resolve(folder, readText(v, kWorkspace, prefix));
    t.weight = readNumber(v, kWeight, prefix, 0.0, 1e6, false, 1.0,
                          {"większej od 0, najwyżej 1000000", "above 0, at most 1000000"});
    t.name = v.contains(kName.key) ? readText(v, kName, prefix) : fs::path(t.path).stem().string();
    t.setup = trackSetup(label, t.path, t.name, earlier);
    return t;
}

std::vector<TaskTrack> readTracks(const Json& root, const std::string& folder) {
    if (!root.contains(kTracks.key))
        fail(say({"brak pola {1}", "the field {1} is missing"}, {fieldName(kTracks)}));
    const Json& v = root.at(kTracks.key);
    if (!v.is_array() || v.empty() || v.size() > kMaxTracks)
        fail(say({"{1}: oczekiwano listy od 1 do {2} torów { \"workspace\": … }",
                  "{1}: a list of 1 to {2} tracks { \"workspace\": … } was expected"},
                 {fieldName(kTracks), std::to_string(kMaxTracks)}));
    std::vector<TaskTrack> tracks;
    for (std::size_t i = 0; i < v.size(); ++i) tracks.push_back(readTrack(v[i], i, folder, tracks));
    return tracks;
}

Noise readNoise(const Json& root) {
    Noise n;
    const auto it = root.find(kNoise.key);
    if (it == root.end()) return n;
    checkKeys(*it, kNoiseFields, fieldName(kNoise));
    const std::string prefix = say({"szum, ", "noise, "});
    n.flip = readNumber(*it, kFlip, prefix, 0.0, 1.0, true, 0.0, {"od 0 do 1", "from 0 to 1"});
    // The same bounds as vemrik-eval's options: a larger amount would only be cut down in the run.
    n.shift =
        readNumber(*it, kShift, prefix, 0.0, kMostShift, true, 0.0, {"od 0 do 10000", "from 0 to 10000"});
    n.turn = readNumber(*it, kTurn, prefix, 0.0, kMostTurn, true, 0.0, {"od 0 do 360", "from 0 to 360"});
    return n;
}

/// A field the object must hold.
const Json& required(const Json& object, const Field& f, const std::string& prefix) {
    if (!object.contains(f.key))
        fail(say({"brak pola {1}", "the field {1} is missing"}, {fieldName(f, prefix)}));
    return object.at(f.key);
}

std::optional<int> readCap(const Json& object, const Field& f, const std::string& prefix) {
    if (!object.contains(f.key)) return std::nullopt;
    return readInteger(object, f, prefix, 0, 1000, 0);
}

std::optional<Challenge> readChallenge(const Json& root) {
    const auto it = root.find(kChallenge.key);
    if (it == root.end()) return std::nullopt;
    checkKeys(*it, kChallengeFields, fieldName(kChallenge));
    const std::string prefix = say({"wyzwanie, ", "challenge, "});
    const std::string goalPrefix = prefix + say({"cel, ", "goal, "});
    const Json& goal = required(*it, kGoal, prefix);
    checkKeys(goal, kGoalFields, fieldName(kGoal, prefix));
    required(goal, kPolish, goalPrefix);
    required(goal, kEnglish, goalPrefix);
    required(*it, kSuccess, prefix);
    required(*it, kStepsForTwo, prefix);
    required(*it, kRulesForThree, prefix);
    Challenge c;
    c.goalPl = readText(goal, kPolish, goalPrefix);
    c.goalEn = readText(goal, kEnglish, goalPrefix);
    c.maxRules = readCap(*it, kMaxRules, prefix);
    c.maxSensors = readCap(*it, kMaxSensors, prefix);
    c.success = readNumber(*it, kSuccess, prefix, 0.0, 1.0, false, 1.0,
                           {"większej od 0, najwyżej 1", "above 0, at most 1"});
    c.stepsForTwoStars = readInteger(*it, kStepsForTwo, prefix, 1, 100000000, 1);
    c.rulesForThreeStars = readInteger(*it, kRulesForThree, prefix, 0, 1000, 0);
    return c;
}

Task readTask(const Json& root, const std::string& folder) {
    checkHeader(root);
    Task task;
    task.tracks = readTracks(root, folder);
    if (root.contains(kRobot.key)) {
        task.robotPath = resolve(folder, readText(root, kRobot, ""));
        task.robot = readReferenced(fieldName(kRobot), task.robotPath).robot;
    }
    task.runs = readInteger(root, kRuns, "", 1, 1000000, task.runs);
    task.maxSteps = readInteger(root, kMaxSteps, "", 1, 100000000, task.maxSteps);
    task.seed = readInteger<std::uint32_t>(root, kSeed, "", 0, 4294967295u, task.seed);
    task.noise = readNoise(root);
    task.challenge = readChallenge(root);
    return task;
}

}  // namespace

ParsedTask parseTask(std::string_view text, const std::string& folder) {
    JsonDocument doc = parseJsonDocument(text, kMaxDepth);
    if (!doc.root) return {std::nullopt, std::move(doc.error)};
    try {
        return {readTask(*doc.root, folder), {}};
    } catch (const TaskError& e) {
        return {std::nullopt, e.message};
    }
}

std::vector<std::string> namedPaths(std::string_view text) {
    std::vector<std::string> out;
    const JsonDocument doc = parseJsonDocument(text, kMaxDepth);
    if (!doc.root || !doc.root->is_object()) return out;
    const Json& root = *doc.root;
    if (const auto robot = root.find(kRobot.key); robot != root.end() && robot->is_string())
        out.push_back(robot->get<std::string>());
    if (const auto tracks = root.find(kTracks.key); tracks != root.end() && tracks->is_array())
        for (const Json& t : *tracks)
            if (const auto w = t.find(kWorkspace.key); w != t.end() && w->is_string())
                out.push_back(w->get<std::string>());
    return out;
}

ParsedTask readTaskFile(const std::string& path) {
    const FileText file = readTextFile(path);
    if (!file.text) return {std::nullopt, file.error};
    ParsedTask read = parseTask(*file.text, fs::path(path).parent_path().string());
    if (read.task) read.task->levelId = fs::path(path).stem().string();
    return read;
}

}  // namespace vemrik
