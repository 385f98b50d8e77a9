// The evaluation job: its progress, its cancel and the report every front end shows.
#include "evaluation/evaluation_job.h"

#include <gtest/gtest.h>

#include <numeric>

#include "evaluation/job_report.h"
#include "evaluation/job_shares.h"
#include "platform/texts.h"
#include "tests/evaluation_tracks.h"
#include "ui/evaluation_texts.h"

using namespace vemrik;

namespace {

std::unique_ptr<EvaluationJob> straightJob(const JobSettings& settings) {
    PreparedJob p = prepareJob(evaltest::straightTrack(), settings);
    EXPECT_TRUE(p.job) << p.error;
    return std::move(p.job);
}

EvaluatedRun ran(int run, std::uint32_t seed, Outcome o, int steps) {
    return {run, seed, {o, steps, 0.0f, 0.0f, 0.0f}};
}

}  // namespace

TEST(EvaluationJob, ProgressCountsEveryRunOfEveryLevelOnceRisingToTheTotal) {
    struct Case {
        std::vector<double> levels;
        int runs;
        int threads;
        int total;
    };
    for (const Case& c : {Case{{}, 7, 2, 7}, Case{{0.0, 1.0}, 3, 2, 6}, Case{{0.0, 0.5, 1.0}, 4, 1, 12}}) {
        JobSettings s;
        s.runs = c.runs, s.maxSteps = 200, s.levels = c.levels, s.noise.turn = 1.0;
        std::vector<int> seen, each(static_cast<std::size_t>(c.total));
        std::iota(each.begin(), each.end(), 1);
        const JobResult r = straightJob(s)->run(
            [&](int finished, int total) {
                EXPECT_EQ(total, c.total);
                seen.push_back(finished);
            },
            c.threads);
        EXPECT_EQ(seen, each) << c.runs << " runs, " << c.levels.size() << " levels";
        EXPECT_EQ(std::tuple(r.finishedRuns(), r.cancelled(), r.sweep.size()),
                  std::tuple(c.total, false, c.levels.size()));
    }
}

// One thread: the cancel from the third run's progress stops the runs right after it.
TEST(EvaluationJob, ACancelKeepsTheRunsFinishedAndTheReportSaysHowFar) {
    struct Case {
        std::vector<double> levels;
        int cancelAfter;  // -1: before the job starts
        int finished;
        std::size_t levelsBegun;
        const char* said;  // after the noise
    };
    const Case cases[] = {
        {{}, 3, 3, 0, "Przerwano: ukończono 3 z 5 przebiegów"},
        {{}, -1, 0, 0, "Przerwano: ukończono 0 z 5 przebiegów"},
        {{0.0, 0.5, 1.0}, 7, 7, 2, "Przerwano: ukończono 1 z 3 poziomów."},
        // The last run of a level: that level is whole, and the next one never begins.
        {{0.0, 0.5, 1.0}, 5, 5, 1, "Przerwano: ukończono 1 z 3 poziomów."},
    };
    for (const Case& c : cases) {
        JobSettings s;
        s.runs = 5, s.maxSteps = 200, s.levels = c.levels, s.noise.flip = 0.5;
        const std::unique_ptr<EvaluationJob> job = straightJob(s);
        if (c.cancelAfter < 0) job->cancel();
        const JobResult r = job->run(
            [&](int finished, int) {
                if (finished == c.cancelAfter) job->cancel();
            },
            1);
        EXPECT_EQ(std::tuple(r.finishedRuns(), r.cancelled(), r.sweep.size()),
                  std::tuple(c.finished, true, c.levelsBegun))
            << c.said;
        EXPECT_EQ(jobReport(r).lines.at(1), c.said);
    }
}

// Without noise every run takes 84 steps; a start shifted up to 20 pixels changes how far the stop
// is for nearly every run.
TEST(EvaluationJob, RunsFromItsFirstSeedWithItsNoise) {
    JobSettings s;
    s.runs = 6, s.maxSteps = 1000, s.seed = 3, s.noise.shift = 20.0;
    const JobResult noisy = straightJob(s)->run();
    int shifted = 0;
    for (const EvaluatedRun& run : noisy.evaluation.runs)
        shifted += run.result.steps != evaltest::kStraightSteps;
    EXPECT_GE(shifted, 4);
    EXPECT_EQ(noisy.evaluation.runs.at(5).seed, 8u);
}

// Workers that each make a share of the runs give the report and the runs one worker gives.
TEST(JobShares, AnyNumberOfSharesMakesTheSameRunsAndReport) {
    EXPECT_EQ((std::vector{runShare(7, 0, 3).from, runShare(7, 0, 3).count, runShare(7, 1, 3).from,
                           runShare(7, 2, 3).from, runShare(7, 2, 3).count}),
              (std::vector{0, 3, 3, 5, 2}));
    for (const std::vector<double>& levels : {std::vector<double>{}, defaultSweepLevels()}) {
        JobSettings whole;
        whole.runs = 7, whole.maxSteps = 300, whole.seed = 4294967293u, whole.noise = {0.02, 20.0, 5.0};
        whole.levels = levels;
        std::vector<std::string> reports;
        for (const int parts : {1, 3, 7}) {
            std::vector<JobResult> shares;
            for (int part = 0; part < parts; ++part)
                shares.push_back(straightJob(shareSettings(whole, runShare(whole.runs, part, parts)))->run());
            const JobResult r = mergedShares(whole, shares, 0.5);
            const std::vector<EvaluatedRun>& runs =
                levels.empty() ? r.evaluation.runs : r.sweep.at(4).evaluation.runs;
            EXPECT_EQ(std::tuple(runs.at(6).run, runs.at(6).seed, r.cancelled()), std::tuple(6, 3u, false));
            std::string report;
            for (const std::string& line : reportLines(jobReport(r))) report += line + '\n';
            for (const EvaluatedRun& run : runs) report += failedRunLine(run) + '\n';
            reports.push_back(report);
        }
        EXPECT_EQ(reports.at(1), reports.at(0));
        EXPECT_EQ(reports.at(2), reports.at(0));
    }
}

// A failed run is shown held 20 steps before its end, unless the form no longer holds what was
// judged or the history cannot keep it; a sweep scales noise, so it needs some.
TEST(EvaluatedRun, ShownBeforeItsEndUnlessTheWorkChangedOrItIsTooLong) {
    EXPECT_EQ((std::vector{evaluatedRunStop(5), evaluatedRunStop(20), evaluatedRunStop(121)}),
              (std::vector<std::uint64_t>{0, 0, 101}));
    EXPECT_EQ((std::vector{evaluatedRunRefusal(false, 100000).empty(),
                           evaluatedRunRefusal(false, 100001).empty(), evaluatedRunRefusal(true, 10).empty(),
                           sweepRefusal({}).empty(), sweepRefusal({0.0, 0.0, 1.0}).empty()}),
              (std::vector{true, false, false, false, true}));
}

// 3 of 4: Wilson's interval 0.3006 … 0.9544; steps 10, 20, 30 by nearest rank: 2nd and 3rd.
TEST(JobReport, OneEvaluationNamesItsNoiseThenSummarisesThenTimes) {
    JobResult r;
    r.settings.noise = {0.05, 5.0, 10.0};
    r.evaluation.requested = 4;
    r.evaluation.runs = {ran(0, 1, Outcome::Success, 30), ran(1, 2, Outcome::Lost, 7),
                         ran(2, 3, Outcome::Success, 10), ran(3, 4, Outcome::Success, 20)};
    r.seconds = 1.25;
    EXPECT_EQ(reportLines(jobReport(r)),
              (std::vector<std::string>{
                  "Robot dojechał do mety w 3 z 4 prób (75 %); zwykle potrzebował 20 kroków.",
                  "Zakłócenia: odwrócenie 0,050, przesunięcie 5,0 px, obrót 10,0°",
                  "Przebiegi: 4",
                  "Dojazd do stopu: 3 (75,0 %), przedział ufności 95 %: 30,1 % – 95,4 %",
                  "Kroki do stopu: mediana 20, 90. percentyl 30",
                  "Poza mapą: 1 (25,0 %)",
                  "Limit kroków: 0 (0,0 %)",
                  "Czas: 1,250 s",
              }));
}

// Genitive after "z" and "potrzebował"; a share rounded to neither 0 nor 100 % unless it is.
TEST(JobReport, TheHeadlineSaysInPlainWordsHowOftenAndHowLong) {
    struct Case {
        int runs, successes, median;
        const char* pl;
        const char* en;
    };
    const Case cases[] = {
        {1, 1, 1, "Robot dojechał do mety w 1 z 1 próby (100 %); potrzebował 1 kroku.",
         "The robot reached the finish in 1 of 1 run (100 %); it needed 1 step."},
        {200, 199, 2, "Robot dojechał do mety w 199 z 200 prób (99 %); zwykle potrzebował 2 kroków.",
         "The robot reached the finish in 199 of 200 runs (99 %); it usually needed 2 steps."},
        {1000, 1, 22, "Robot dojechał do mety w 1 z 1000 prób (1 %); potrzebował 22 kroków.",
         "The robot reached the finish in 1 of 1000 runs (1 %); it needed 22 steps."},
        {3, 0, 0, "Robot nie dojechał do mety w żadnej z 3 prób.",
         "The robot did not reach the finish in any of the 3 runs."},
        {1, 0, 0, "Robot nie dojechał do mety w jedynej próbie.",
         "The robot did not reach the finish in its only run."},
        {0, 0, 0, "Robot nie odbył żadnej próby.", "The robot made no run."},
    };
    for (const Case& c : cases) {
        Summary s;
        s.runs = c.runs, s.successes = c.successes;
        if (c.successes > 0) s.medianSteps = c.median;
        EXPECT_EQ(headline(s), c.pl);
        speakCore(Language::English);
        EXPECT_EQ(headline(s), c.en);
        speakCore(Language::Polish);
    }
}

// 2 of 2: low 2 / (2 + 1.96²) = 0.342; 1 of 2: 0.095 … 0.905.
TEST(JobReport, ASweepIsATableWhoseColumnsLineUpOnATerminal) {
    JobResult r;
    r.settings.levels = {0.0, 1.0};
    r.settings.noise = {0.1, 4.0, 0.0};
    r.seconds = 0.0125;
    Evaluation both{{ran(0, 9, Outcome::Success, 5), ran(1, 10, Outcome::Success, 6)}, 2, false};
    Evaluation half{{ran(0, 9, Outcome::Success, 5), ran(1, 10, Outcome::Timeout, 50)}, 2, false};
    r.sweep = {{0.0, {}, both, summarize(both.runs)}, {1.0, r.settings.noise, half, summarize(half.runs)}};
    EXPECT_EQ(reportLines(jobReport(r)),
              (std::vector<std::string>{
                  "Zakłócenia przy poziomie 1: odwrócenie 0,100, przesunięcie 4,0 px, obrót 0,0°",
                  "poziom odwrócenie  przesunięcie  obrót   przebiegi  dojazd    przedział 95 %",
                  "0,00   0,000       0,0 px        0,0°    2          100,0 %   34,2 % – 100,0 %",
                  "1,00   0,100       4,0 px        0,0°    2          50,0 %    9,5 % – 90,5 %",
                  "Czas: 0,013 s",
              }));
}

TEST(JobReport, FailedRunsAreListedFromOneInRunOrderUpToTheLimit) {
    JobResult r;
    r.evaluation.runs = {ran(0, 4294967295u, Outcome::Lost, 84), ran(1, 0, Outcome::Success, 120),
                         ran(2, 1, Outcome::Timeout, 5000), ran(3, 2, Outcome::Lost, 3)};
    const std::vector<EvaluatedRun> two = failedRuns(r, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(failedRunLine(two[0]), "przebieg 1, ziarno 4294967295: zgubiony po 84 krokach");
    EXPECT_EQ(failedRunLine(two[1]), "przebieg 3, ziarno 1: bez stopu po 5000 krokach");
    EXPECT_EQ(failedRuns(r, 1000).size(), 3u);
}
