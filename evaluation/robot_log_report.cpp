#include "evaluation/robot_log_report.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "evaluation/largest_difference.h"
#include "evaluation/run_comparison.h"
#include "evaluation/summary.h"
#include "platform/texts.h"
#include "robot/robot_cells.h"

namespace vemrik {

namespace {

// Most rows of the line table and most numbers or patterns a list shows; the rest are counted.
constexpr std::size_t kShownRows = 100;
constexpr std::size_t kShownItems = 20;
constexpr char kNone[] = "—";

const Text kMore{"i {1} więcej", "and {1} more"};

std::string count(std::uint64_t n) { return std::to_string(n); }

ReportCell number(std::string text) { return {std::move(text), true}; }

std::string share(std::uint64_t n, std::uint64_t of) {
    if (of == 0) return kNone;
    return percentText(static_cast<double>(n) / static_cast<double>(of)) + " (" + count(n) + ")";
}

/// "5, 6, 7 i 12 więcej": the lines (from 0) of `lines`, counted from 1, in a list of `total`.
std::string lineList(const std::vector<int>& lines, std::size_t total) {
    std::string shown;
    for (const int line : lines) shown += (shown.empty() ? "" : ", ") + std::to_string(line + 1);
    if (total <= lines.size()) return shown;
    return say({"{1} i {2} więcej", "{1} and {2} more"}, {shown, count(total - lines.size())});
}

/// The simulation's counts, or why there are none.
struct Simulation {
    std::optional<RunCounts> counts;
    std::string error;

    std::string hits(std::size_t line) const { return counts ? count(counts->hits(line)) : kNone; }
};

Simulation simulate(const Workspace& ws, std::uint32_t seed, std::uint64_t steps) {
    try {
        const PreparedRun prepared = prepareRun(ws);
        if (!prepared.setup) return {std::nullopt, prepared.error};
        return {simulateCounts(*prepared.setup, seed, steps), {}};
    } catch (const std::exception& e) {
        return {std::nullopt, e.what()};
    }
}

std::string simulationSentence(const Simulation& simulated, std::uint32_t seed) {
    if (!simulated.counts)
        return say({"Nie można zasymulować tych reguł: {1}.", "Cannot simulate these rules: {1}."},
                   {simulated.error});
    return say({"Symulacja tych samych reguł na otwartej trasie, ziarno {1}, kroków: {2}",
                "Simulating the same rules on the open track, seed {1}, steps: {2}"},
               {std::to_string(seed), count(simulated.counts->steps)}) +
           (simulated.counts->stopped ? say({" (dojechała do pola stop).", " (it reached the stop cell)."})
                                      : std::string("."));
}

/// The robot's sensors, or more where either run saw a sensor past them (a log of another robot).
int shownSensors(const Workspace& ws, const RunCounts& robot, const Simulation& simulated) {
    int sensors = std::max(1, stateSensorCount(ws.robot));
    for (int p = 0; p < kPatternCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (robot.patterns[at] > 0 || (simulated.counts && simulated.counts->patterns[at] > 0))
            while ((p >> sensors) != 0) ++sensors;
    }
    return sensors;
}

/// The sentence the report opens with: where the robot's run and the simulation's differ most.
std::string headlineText(const RunCounts& robot, const Simulation& simulated,
                         const std::vector<std::string>& rules, int sensors) {
    if (!simulated.counts || robot.steps == 0 || simulated.counts->steps == 0)
        return say({"Nie ma czego porównać: brak kroków robota albo symulacji.",
                    "There is nothing to compare: the robot or the simulation has no steps."});
    const LargestDifference d = largestDifference(robot, *simulated.counts, rules);
    if (d.pattern < 0)
        return say(
            {"Robot i symulacja widziały każdy wzorzec w podobnej części kroków (różnica poniżej 5 "
             "punktów procentowych).",
             "The robot and the simulation met every pattern in about the same share of steps (less "
             "than 5 percentage points apart)."});
    const bool more = d.robotShare > d.simulatedShare;
    std::string text =
        say(more ? Text{"Robot częściej niż symulacja widział wzorzec {1} (w {2} kroków, symulacja w {3})",
                        "The robot met the pattern {1} more often than the simulation (in {2} of its "
                        "steps, the simulation in {3})"}
                 : Text{"Robot rzadziej niż symulacja widział wzorzec {1} (w {2} kroków, symulacja w {3})",
                        "The robot met the pattern {1} less often than the simulation (in {2} of its "
                        "steps, the simulation in {3})"},
            {patternText(d.pattern, sensors), percentText(d.robotShare), percentText(d.simulatedShare)});
    if (d.line < 0) return text + say({": nie ma dla niego reguły.", ": no rule is written for it."});
    const auto at = static_cast<std::size_t>(d.line);
    const CountedText times{{"raz", "time"}, {"razy", "times"}, {"razy", "times"}};
    return text + say({": linia {1} działała u robota {2}, w symulacji {3}.",
                       ": line {1} acted {2} on the robot, {3} in the simulation."},
                      {std::to_string(d.line + 1), sayCounted(static_cast<long long>(robot.hits(at)), times),
                       simulated.hits(at)});
}

/// The warnings about the lines the robot ran with other rules and those past the open rules.
std::string lineWarnings(const RunCounts& robot, const std::vector<OtherLine>& other) {
    std::string text;
    const std::size_t rules = robot.lineHits.size();
    std::vector<int> changed;
    std::size_t changedCount = 0;
    for (const OtherLine& o : other) {
        if (static_cast<std::size_t>(o.line) >= rules) break;
        if (++changedCount <= kShownItems) changed.push_back(o.line);
    }
    if (changedCount > 0)
        text += say({"\nUwaga: robot działał w liniach {1} według innych reguł niż otwarte.",
                     "\nNote: in lines {1} the robot followed other rules than the open ones."},
                    {lineList(changed, changedCount)});
    if (!robot.beyond.empty()) {
        // Named, not every line up to the highest: that number is the robot's, not a size.
        std::vector<int> past;
        for (std::size_t i = 0; i < robot.beyond.size() && i < kShownItems; ++i)
            past.push_back(robot.beyond[i].first);
        text += say({"\nUwaga: robot działał w liniach {1}, których nie ma w otwartych regułach "
                     "(mają linii: {2}).",
                     "\nNote: the robot acted in lines {1}, which the open rules do not have "
                     "(they have {2} lines)."},
                    {lineList(past, robot.beyond.size()), count(rules)});
    }
    return text;
}

std::string summaryText(const RunLog& log, const RunCounts& robot, const Simulation& simulated,
                        std::uint32_t seed, const std::string& fileName,
                        const std::vector<OtherLine>& other) {
    std::string text = say({"Przebieg robota „{1}”, kroków: {2}", "Robot run “{1}”, steps: {2}"},
                           {fileName, count(robot.steps)});
    if (log.skippedLines > 0)
        text += say({" (pominięte wiersze przed nagłówkiem: {1})", " (lines skipped before the header: {1})"},
                    {std::to_string(log.skippedLines)});
    return text + ".\n" + simulationSentence(simulated, seed) + lineWarnings(robot, other);
}

/// The rule of line `line` as the table names it, with the robot's own text where it differs.
std::string ruleCell(const RunLog& log, const std::vector<std::string>& rules,
                     const std::vector<OtherLine>& other, int line) {
    const auto at = static_cast<std::size_t>(line);
    std::string rule = at < rules.size()
                           ? rules[at]
                           : say({"(nie ma jej w otwartych regułach)", "(not among the open rules)"});
    const auto o = std::lower_bound(other.begin(), other.end(), line,
                                    [](const OtherLine& a, int l) { return a.line < l; });
    if (o != other.end() && o->line == line)
        rule += say({" — u robota: „{1}”", " — on the robot: “{1}”"},
                    {log.texts[static_cast<std::size_t>(o->text)]});
    return rule;
}

std::vector<ReportRow> lineRows(const RunLog& log, const std::vector<std::string>& rules,
                                const RunCounts& robot, const Simulation& simulated,
                                const std::vector<OtherLine>& other) {
    // The open rules' lines, then those past them the robot named, as far as the table goes.
    std::vector<int> lines;
    for (std::size_t i = 0; i < rules.size() && lines.size() < kShownRows; ++i)
        lines.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < robot.beyond.size() && lines.size() < kShownRows; ++i)
        lines.push_back(robot.beyond[i].first);
    std::vector<ReportRow> rows;
    std::uint64_t robotShown = 0, simulatedShown = 0;
    for (const int line : lines) {
        const auto at = static_cast<std::size_t>(line);
        robotShown += robot.hits(at);
        if (simulated.counts) simulatedShown += simulated.counts->hits(at);
        rows.push_back({number(std::to_string(line + 1)),
                        {ruleCell(log, rules, other, line)},
                        number(count(robot.hits(at))),
                        number(simulated.hits(at))});
    }
    const RunCounts* sim = simulated.counts ? &*simulated.counts : nullptr;
    if (const std::size_t rest = rules.size() + robot.beyond.size() - lines.size(); rest > 0)
        rows.push_back({number("…"),
                        {say(kMore, {count(rest)})},
                        number(count(robot.steps - robot.noRule - robotShown)),
                        number(sim ? count(sim->steps - sim->noRule - simulatedShown) : kNone)});
    rows.push_back({number(kNone),
                    {say({"żadna: prosto", "none: straight on"})},
                    number(count(robot.noRule)),
                    number(sim ? count(sim->noRule) : kNone)});
    return rows;
}

std::string uncoveredText(const RunCounts& robot, const std::vector<std::string>& rules, int sensors) {
    const std::vector<int> found = uncoveredPatterns(robot, rules);
    if (found.empty())
        return say({"Brak: na każdy wzorzec, który robot napotkał, jest reguła.",
                    "None: every pattern the robot met has a rule."});
    std::string text;
    for (std::size_t i = 0; i < found.size() && i < kShownItems; ++i)
        text += (i > 0 ? "\n" : "") + say({"{1}   kroków: {2}", "{1}   steps: {2}"},
                                          {patternText(found[i], sensors),
                                           count(robot.patterns[static_cast<std::size_t>(found[i])])});
    if (found.size() > kShownItems) text += "\n" + say(kMore, {count(found.size() - kShownItems)});
    return text;
}

std::vector<ReportRow> patternRows(const RunCounts& robot, const Simulation& simulated, int sensors) {
    const RunCounts* sim = simulated.counts ? &*simulated.counts : nullptr;
    std::vector<int> met;
    for (int p = 0; p < kPatternCount; ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (robot.patterns[at] > 0 || (sim && sim->patterns[at] > 0)) met.push_back(p);
    }
    // The robot's commonest first; the simulation's order among those it never met.
    const auto key = [&](int p) {
        const auto at = static_cast<std::size_t>(p);
        return std::pair{robot.patterns[at], sim ? sim->patterns[at] : 0};
    };
    std::stable_sort(met.begin(), met.end(), [&](int a, int b) { return key(a) > key(b); });
    std::vector<ReportRow> rows;
    for (const int p : met) {
        const auto at = static_cast<std::size_t>(p);
        rows.push_back({{patternText(p, sensors)},
                        number(share(robot.patterns[at], robot.steps)),
                        number(sim ? share(sim->patterns[at], sim->steps) : kNone)});
    }
    return rows;
}

}  // namespace

RobotLogReport robotLogReport(const RunLog& log, const Workspace& ws, std::uint32_t seed,
                              const std::string& fileName) {
    const RunCounts robot = countLog(log, ws.rules.size());
    const Simulation simulated = simulate(ws, seed, log.steps.size());
    const std::vector<OtherLine> other = otherLines(log, ws.rules);
    const int sensors = shownSensors(ws, robot, simulated);
    return {headlineText(robot, simulated, ws.rules, sensors),
            summaryText(log, robot, simulated, seed, fileName, other),
            lineRows(log, ws.rules, robot, simulated, other),
            uncoveredText(robot, ws.rules, sensors),
            patternRows(robot, simulated, sensors),
            sensors};
}

}  // namespace vemrik
