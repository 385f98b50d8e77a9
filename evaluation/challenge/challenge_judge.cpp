#include "evaluation/challenge/challenge_judge.h"

#include <algorithm>
#include <atomic>

#include "analysis/rule_check.h"
#include "analysis/rule_texts.h"
#include "evaluation/grade/grading.h"
#include "evaluation/job_report.h"
#include "evaluation/run_setup.h"
#include "platform/texts.h"
#include "robot/robot_cells.h"

namespace vemrik {

namespace {

constexpr CountedText kStars{{"gwiazdka", "star"}, {"gwiazdki", "stars"}, {"gwiazdek", "stars"}};
constexpr CountedText kRules{{"reguła", "rule"}, {"reguły", "rules"}, {"reguł", "rules"}};
constexpr CountedText kSensors{{"czujnik", "sensor"}, {"czujniki", "sensors"}, {"czujników", "sensors"}};
// Locative after "w": w 1 kroku, w 2 krokach, w 5 krokach.
constexpr CountedText kStepsIn{{"kroku", "step"}, {"krokach", "steps"}, {"krokach", "steps"}};

std::string n(long long v) { return std::to_string(v); }

/// Why the work may not try the level, or nothing.
std::optional<std::string> capBroken(const Challenge& c, int rules, int sensors) {
    if (c.maxRules && rules > *c.maxRules)
        return say({"Brak gwiazdek: {1}, a ten poziom pozwala najwyżej na {2}.",
                    "No stars: {1}, and this level allows at most {2}."},
                   {sayCounted(rules, kRules), sayCounted(*c.maxRules, kRules)});
    if (c.maxSensors && sensors > *c.maxSensors)
        return say({"Brak gwiazdek: robot ma {1}, a ten poziom pozwala najwyżej na {2}.",
                    "No stars: the robot has {1}, and this level allows at most {2}."},
                   {sayCounted(sensors, kSensors), sayCounted(*c.maxSensors, kSensors)});
    return std::nullopt;
}

std::optional<int> largestMedian(const std::vector<Summary>& tracks) {
    std::optional<int> most;
    for (const Summary& s : tracks) {
        if (!s.medianSteps) return std::nullopt;
        most = std::max(most.value_or(0), *s.medianSteps);
    }
    return most;
}

int starsOf(const Challenge& c, const ChallengeVerdict& v) {
    if (!v.goalMet) return 0;
    if (!v.medianSteps || *v.medianSteps > c.stepsForTwoStars) return 1;
    return v.rules <= c.rulesForThreeStars ? 3 : 2;
}

std::string sentenceOf(const Challenge& c, const ChallengeVerdict& v) {
    if (!v.goalMet)
        return say({"Cel nieosiągnięty: robot dojechał do mety w {1} prób, a potrzeba {2}.",
                    "Goal missed: the robot reached the finish in {1} of the runs, and {2} is needed."},
                   {percentText(v.success), percentText(c.success)});
    return say({"Cel osiągnięty: robot dojechał do mety w {1} prób, zwykle w {2}; {3} z 3.",
                "Goal met: the robot reached the finish in {1} of the runs, usually in {2}; {3} of 3."},
               {percentText(v.success), sayCounted(v.medianSteps.value_or(0), kStepsIn),
                sayCounted(v.stars, kStars)});
}

std::vector<std::string> starHints(const Challenge& c, const ChallengeVerdict& v) {
    std::vector<std::string> hints;
    if (!v.goalMet) return hints;
    if (v.stars < 2)
        hints.push_back(say({"Na dwie gwiazdki: mediana kroków najwyżej {1} (teraz {2}).",
                             "For two stars: median steps at most {1} (now {2})."},
                            {n(c.stepsForTwoStars), v.medianSteps ? n(*v.medianSteps) : "–"}));
    if (v.rules > c.rulesForThreeStars)
        hints.push_back(
            say({"Na trzy gwiazdki: najwyżej {1} (teraz {2}).", "For three stars: at most {1} (now {2})."},
                {sayCounted(c.rulesForThreeStars, kRules), n(v.rules)}));
    return hints;
}

std::vector<ChallengeVerdict::FailedRun> failedOf(const std::vector<Evaluation>& runs) {
    std::vector<ChallengeVerdict::FailedRun> failed;
    for (std::size_t t = 0; t < runs.size(); ++t)
        for (const EvaluatedRun& r : runs[t].runs)
            if (r.result.outcome != Outcome::Success && failed.size() < kVerdictFailedRuns)
                failed.push_back({t, r});
    return failed;
}

}  // namespace

std::string challengeGoal(const Task& level) {
    if (!level.challenge) return {};
    return say({level.challenge->goalPl, level.challenge->goalEn});
}

ChallengeVerdict judgeChallenge(const Task& level, const Workspace& work, int threads) {
    const Challenge c = level.challenge.value_or(Challenge{});
    const Grid& robot = level.robot ? *level.robot : work.robot;
    ChallengeVerdict v;
    v.rules = static_cast<int>(work.rules.size());
    v.sensors = stateSensorCount(robot);
    if (const auto broken = capBroken(c, v.rules, v.sensors)) {
        v.refused = true;
        v.sentence = *broken;
        return v;
    }
    std::vector<RunSetup> setups;
    for (const TaskTrack& track : level.tracks) {
        PreparedRun p = withRobotAndRules(*track.setup, robot, work.rules);
        if (!p.setup) {
            v.refused = true;
            v.sentence = say({"Brak gwiazdek: {1}", "No stars: {1}"}, {p.error});
            return v;
        }
        p.setup->noise = level.noise;
        setups.push_back(std::move(*p.setup));
    }
    const std::atomic<bool> never{false};
    std::vector<Evaluation> runs;
    for (const RunSetup& setup : setups) {
        runs.push_back(runMany(setup, level.runs, level.maxSteps, level.seed, nullptr, never, threads));
        v.tracks.push_back(summarize(runs.back().runs));
    }
    v.success = weightedScore(level, v.tracks);
    v.medianSteps = largestMedian(v.tracks);
    v.goalMet = v.success >= c.success;
    v.stars = starsOf(c, v);
    v.sentence = sentenceOf(c, v);
    v.failed = failedOf(runs);
    for (const ChallengeVerdict::FailedRun& f : v.failed) v.failedRuns.push_back(failedRunLine(f.run));
    v.hints = starHints(c, v);
    // A missed goal is where the rule check's findings help; past it they are noise.
    if (!v.goalMet)
        for (const Finding& f : checkRules(work.rules, v.sensors))
            v.hints.push_back(findingText(f, work.rules, v.sensors));
    return v;
}

}  // namespace vemrik
