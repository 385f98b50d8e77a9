#include "race/race.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "evaluation/evaluation_csv.h"
#include "evaluation/run_setup.h"
#include "platform/texts.h"
#include "workspace/workspace_json.h"

namespace vemrik {

namespace {

/// A CSV field: quoted, its quotes doubled, when it holds a comma, quote or line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

/// vemrik-eval's CSV row of one run, run 0 with `seed`.
std::string evalRow(std::uint32_t seed, const RunResult& result) {
    const Evaluation alone{{EvaluatedRun{0, seed, result}}, 1, false};
    const std::string text = csvText(alone);
    return text.substr(text.find('\n') + 1);
}

RunResult resultOf(const HeadlessRun& run, Outcome outcome, bool stepFailed) {
    return {outcome, run.steps(), run.x(), run.y(), run.heading(), stepFailed};
}

/// Where a finished or running entrant stands in the order: group, then steps for those at the stop.
std::tuple<int, int> standing(const Entrant& e) {
    if (!e.result) return {1, 0};
    switch (e.result->outcome) {
        case Outcome::Success:
            return {0, e.result->steps};
        case Outcome::Timeout:
            return {2, 0};
        default:
            return {3, 0};
    }
}

}  // namespace

Colour entrantColour(int i) {
    // 0x00BBGGRR: blue, vermilion, bluish green, reddish purple, orange, sky blue.
    static constexpr std::array<Colour, Race::kMost> kColours = {0xB27200, 0x005ED5, 0x739E00,
                                                                 0xA779CC, 0x009FE6, 0xE9B456};
    return kColours[static_cast<std::size_t>(i) % kColours.size()];
}

std::string Race::setTrack(const Workspace& track) {
    PreparedRun prepared = prepareTrack(track);
    if (!prepared.setup) return prepared.error;
    auto setup = std::make_unique<const RunSetup>(std::move(*prepared.setup));
    std::vector<Entrant> entered;
    std::swap(track_, setup);
    for (Entrant& e : entrants_) {
        Entrant again{e.name, e.work, e.colour, {}, {}, {}, {}};
        if (std::string why = enter(again, e.work); !why.empty()) {
            std::swap(track_, setup);
            return say({"{1}: {2}", "{1}: {2}"}, {e.name, why});
        }
        entered.push_back(std::move(again));
    }
    trackWork_ = track;
    entrants_ = std::move(entered);
    version_ = newStamp();
    return {};
}

std::string Race::enter(Entrant& e, const Workspace& work) const {
    PreparedRun p = withRobotAndRules(*track_, work.robot, work.rules);
    if (!p.setup) return p.error;
    e.setup = std::make_unique<const RunSetup>(std::move(*p.setup));
    start(e);
    return {};
}

void Race::start(Entrant& e) const {
    e.run = std::make_unique<HeadlessRun>(*e.setup, seed_);
    e.trail.clear();
    e.result.reset();
    if (const std::optional<Outcome> end = runEnd(*e.run, kMaxSteps))
        e.result = resultOf(*e.run, *end, false);
}

std::string Race::add(const std::vector<EntrantFile>& files) {
    if (!track_) return say({"najpierw wybierz tor", "choose the track first"});
    if (entrants_.size() + files.size() > static_cast<std::size_t>(kMost))
        return say({"w wyścigu jedzie najwyżej {1} robotów", "at most {1} robots take part in a race"},
                   {std::to_string(kMost)});
    std::vector<Entrant> entered;
    for (const EntrantFile& file : files) {
        const ParsedWorkspace read = parseWorkspace(file.text);
        const int place = static_cast<int>(entrants_.size() + entered.size());
        Entrant e{file.name, read.workspace.value_or(Workspace{}), entrantColour(place), {}, {}, {}, {}};
        std::string why = read.workspace ? enter(e, e.work) : read.error;
        if (read.workspace && e.work.rules.empty()) why = say({"brak reguł", "no rules"});
        if (!why.empty()) return say({"{1}: {2}", "{1}: {2}"}, {file.name, why});
        entered.push_back(std::move(e));
    }
    for (Entrant& e : entered) entrants_.push_back(std::move(e));
    version_ = newStamp();
    return {};
}

void Race::remove(int i) {
    if (i < 0 || i >= size()) return;
    entrants_.erase(entrants_.begin() + i);
    for (int k = 0; k < size(); ++k) entrants_[static_cast<std::size_t>(k)].colour = entrantColour(k);
    version_ = newStamp();
}

void Race::clear() {
    entrants_.clear();
    version_ = newStamp();
}

void Race::setSeed(std::uint32_t seed) {
    seed_ = seed;
    reset();
}

void Race::reset() {
    for (Entrant& e : entrants_) start(e);
    version_ = newStamp();
}

std::string Race::refusal() const {
    if (!track_) return say({"najpierw wybierz tor", "choose the track first"});
    if (size() < kFewest)
        return say({"do wyścigu potrzeba co najmniej {1} robotów", "a race needs at least {1} robots"},
                   {std::to_string(kFewest)});
    return {};
}

bool Race::step() {
    if (!refusal().empty() || finished()) return false;
    for (Entrant& e : entrants_) {
        if (e.result) continue;
        HeadlessRun& run = *e.run;
        const float fromX = run.x(), fromY = run.y();
        if (!run.step()) {
            e.result = resultOf(run, Outcome::Lost, true);
            continue;
        }
        e.trail.step(fromX, fromY, run.x(), run.y());
        if (const std::optional<Outcome> end = runEnd(run, kMaxSteps)) e.result = resultOf(run, *end, false);
    }
    return true;
}

bool Race::finished() const {
    return std::all_of(entrants_.begin(), entrants_.end(),
                       [](const Entrant& e) { return e.result.has_value(); });
}

Workspace Race::raceWork(int i) const {
    const Entrant& e = entrants_.at(static_cast<std::size_t>(i));
    Workspace work = trackWork_;
    work.robot = e.work.robot;
    work.rules = e.work.rules;
    work.ruleAngle = e.work.ruleAngle;
    return work;
}

std::vector<int> Race::order() const {
    std::vector<int> order(entrants_.size());
    for (int i = 0; i < size(); ++i) order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return standing(entrants_[static_cast<std::size_t>(a)]) <
               standing(entrants_[static_cast<std::size_t>(b)]);
    });
    return order;
}

std::string Race::csv() const {
    std::string text = "name,run,seed,outcome,steps,x,y,heading\n";
    for (const Entrant& e : entrants_)
        if (e.result) text += csvField(e.name) + ',' + evalRow(seed_, *e.result);
    return text;
}

}  // namespace vemrik
