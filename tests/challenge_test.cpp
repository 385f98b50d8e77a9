// The built-in challenge series: every level reachable, none free, each harder than the last.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/challenge_command.h"
#include "cli/eval_command.h"
#include "evaluation/challenge/challenge_series.h"
#include "evaluation/grade/grading.h"
#include "platform/files.h"
#include "platform/texts.h"
#include "ui/challenge_session.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
namespace fs = std::filesystem;

namespace {

const std::string kLevels = VEMRIK_SOURCE_DIR "/challenges";

/// The reference solution of level `n` (from 1) kept with the tests.
Workspace solution(std::size_t n) {
    const std::string leaf = (n < 10 ? "0" : "") + std::to_string(n) + "-solution.vemrik";
    return *readWorkspaceFile(VEMRIK_SOURCE_DIR "/tests/challenges/" + leaf).workspace;
}

Task level(const std::string& path) {
    ParsedTask read = readTaskFile(path);
    EXPECT_TRUE(read.task) << path << ": " << read.error;
    return std::move(*read.task);
}

}  // namespace

TEST(ChallengeSeries, EachSolutionEarnsThreeStarsWhereTheOneBeforeAndGoingStraightEarnNone) {
    const ChallengeSeries series = readChallengeSeries(kLevels);
    ASSERT_GE(series.levels.size(), 12u) << series.error;
    for (std::size_t i = 0; i < series.levels.size(); ++i) {
        const Task t = level(series.levels[i]);
        EXPECT_FALSE(challengeGoal(t).empty());
        const ChallengeVerdict own = judgeChallenge(t, solution(i + 1));
        EXPECT_EQ(own.stars, 3) << series.levels[i] << ": " << own.sentence;
        if (i == 0) continue;
        const ChallengeVerdict before = judgeChallenge(t, solution(i));
        EXPECT_FALSE(before.goalMet) << series.levels[i] << ": " << before.sentence;
        EXPECT_EQ(before.stars, 0);
        EXPECT_EQ(judgeChallenge(t, solution(1)).stars, 0) << series.levels[i];
    }
}

TEST(ChallengeJudge, SaysTheResultInOneSentenceNamesTheFailedSeedsAndRefusesBrokenCaps) {
    const ChallengeVerdict missed =
        judgeChallenge(level(kLevels + "/02-gentle-curve.vemrik-task"), solution(1));
    EXPECT_EQ(missed.sentence, "Cel nieosiągnięty: robot dojechał do mety w 0,0 % prób, a potrzeba 100,0 %.");
    ASSERT_EQ(missed.failedRuns.size(), kVerdictFailedRuns);
    EXPECT_EQ(missed.failedRuns[0].rfind("przebieg 1, ziarno 5489: ", 0), 0u) << missed.failedRuns[0];
    ASSERT_EQ(missed.failed.size(), kVerdictFailedRuns);
    EXPECT_EQ(missed.failed[1].run.seed, 5490u);
    EXPECT_FALSE(missed.hints.empty());  // the rule check's patterns without a rule

    const ChallengeVerdict two = judgeChallenge(level(kLevels + "/01-straight.vemrik-task"), solution(2));
    EXPECT_EQ(two.sentence,
              "Cel osiągnięty: robot dojechał do mety w 100,0 % prób, zwykle w 180 krokach; 2 gwiazdki z 3.");
    EXPECT_EQ(two.hints, std::vector<std::string>{"Na trzy gwiazdki: najwyżej 1 reguła (teraz 2)."});

    const struct {
        const char* level;
        std::size_t solution;
        const char* sentence;
    } refused[] = {
        {"/09-four-rules.vemrik-task", 8,
         "Brak gwiazdek: 8 reguł, a ten poziom pozwala najwyżej na 4 reguły."},
        {"/10-two-sensors.vemrik-task", 9,
         "Brak gwiazdek: robot ma 4 czujniki, a ten poziom pozwala najwyżej na 2 czujniki."},
    };
    for (const auto& r : refused) {
        const ChallengeVerdict v = judgeChallenge(level(kLevels + r.level), solution(r.solution));
        EXPECT_TRUE(v.refused && v.tracks.empty());
        EXPECT_EQ(v.sentence, r.sentence);
    }
}

TEST(ChallengeProgress, KeepsTheBestOfEachLevelAndReadsBackWhatItWrites) {
    ChallengeProgress p;
    ChallengeVerdict v;
    v.stars = 2;
    v.medianSteps = 300;
    recordProgress(p, "01", v, "first");
    v.medianSteps = 310;
    recordProgress(p, "01", v, "slower");
    EXPECT_EQ(p.at("01").workspace, "first");
    v.stars = 3;
    recordProgress(p, "01", v, "more stars");
    v.stars = 0;
    v.medianSteps.reset();
    recordProgress(p, "02", v, "tried");
    EXPECT_EQ(p.at("01").workspace, "more stars");
    const ParsedProgress read = parseProgress(progressText(p));
    ASSERT_TRUE(read.progress) << read.error;
    EXPECT_EQ(*read.progress, p);
    EXPECT_FALSE(
        parseProgress(R"({"format": "vemrik-progress", "version": 1, "levels": {"a": {"stars": 4}}})")
            .progress);
}

TEST(ChallengeSession, OpensALevelAsAFreshWorkJudgesItKeepsTheBestAndCarriesItInTheProgressText) {
    ChallengeSession s;
    EXPECT_FALSE(s.check(solution(1)).verdict);                          // no level open
    EXPECT_NE(s.openSeries(VEMRIK_SOURCE_DIR "/tests/challenges"), "");  // solutions, no levels
    ASSERT_EQ(s.openSeries(kLevels), "");
    EXPECT_EQ(s.levelCaption(0), "01. Dojedź prosto do mety ☆☆☆");
    const ChallengeSession::Opened opened = s.openLevel(7);  // the level fixes its robot
    ASSERT_TRUE(opened.work) << opened.error;
    const Workspace track = *readWorkspaceFile(kLevels + "/08-noise.vemrik").workspace;
    EXPECT_EQ(opened.work->map, track.map);
    EXPECT_EQ(opened.work->robot, *s.openTask()->robot);
    EXPECT_TRUE(opened.work->rules.empty());
    ASSERT_TRUE(s.openLevel(0).work);
    EXPECT_EQ(s.openHeading(), "Poziom 1: Dojedź prosto do mety.");
    // Each check keeps the best so far: stars first, then fewer steps.
    const struct {
        Workspace work;
        int stars, kept;
    } checks[] = {{solution(2), 2, 2}, {Workspace{}, 0, 2}, {solution(1), 3, 3}, {solution(2), 2, 3}};
    for (const auto& c : checks) {
        const ChallengeSession::Checked r = s.check(c.work);
        ASSERT_TRUE(r.verdict) << r.error;
        EXPECT_EQ(r.verdict->stars, c.stars) << c.kept;
        EXPECT_EQ(s.progress().at("01-straight").stars, c.kept) << c.stars;
    }
    EXPECT_EQ(s.progress().at("01-straight").workspace, toJson(solution(1)));
    EXPECT_EQ(s.levelCaption(0), "01. Dojedź prosto do mety ★★★");
    ChallengeSession later;
    ASSERT_EQ(later.takeProgress(s.progressText()), "");
    ASSERT_EQ(later.openSeries(kLevels), "");
    EXPECT_EQ(later.levelCaption(0), s.levelCaption(0));
    EXPECT_EQ(later.progress(), s.progress());
    EXPECT_NE(later.takeProgress("{}"), "");
    EXPECT_EQ(later.progress(), s.progress());
}

TEST(ChallengeCommand, ExitsZeroOnTheGoalFiveWhenMissedTwoOnBadInputAndSavesProgress) {
    const fs::path dir = fs::temp_directory_path() / ("vemrik_challenge_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string progress = (dir / "postępy.json").string();
    const std::string first = kLevels + "/01-straight.vemrik-task";
    const std::string sol = VEMRIK_SOURCE_DIR "/tests/challenges/01-solution.vemrik";
    std::ostringstream out, err;
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "challenge");
        out.str({});
        return runEvalCommand(args, out, err);
    };
    EXPECT_EQ(run({first, sol, "--progress", progress}), kEvalOk);
    EXPECT_NE(out.str().find("Gwiazdki: ★★★\n"), std::string::npos) << out.str();
    EXPECT_EQ(run({kLevels, sol, "--progress", progress}), kEvalGoalMissed);
    const ParsedProgress saved = parseProgress(readTextFile(progress).text.value_or(""));
    ASSERT_TRUE(saved.progress);
    EXPECT_EQ(saved.progress->size(), 12u);
    EXPECT_EQ(saved.progress->at("01-straight").stars, 3);
    // grade takes a progress file for a student's workspace: the one kept for the task's level.
    Task t = level(first);
    EXPECT_EQ(gradeStudent(t, "p", progress).score, 1.0);
    t.levelId = "13-none";
    EXPECT_NE(gradeStudent(t, "p", progress).error.find("nie ma poziomu „13-none”"), std::string::npos);
    EXPECT_EQ(run({sol, sol}), kEvalBadWorkspace);
    EXPECT_EQ(run({first}), kEvalBadArguments);
    fs::remove_all(dir);
}
