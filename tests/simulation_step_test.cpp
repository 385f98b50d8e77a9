#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "app/errors.h"
#include "simulation/step.h"
#include "tests/allocation_counter.h"

using namespace vemrik;

namespace {

/// A source that hands out the given draws in turn and counts how many were taken.
struct Draws {
    std::vector<std::uint32_t> values;
    std::size_t taken = 0;
    std::uint32_t operator()() { return values[taken++ % values.size()]; }
};

std::vector<std::string> memoLines(const Memo& m) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < m.size(); ++i) out.emplace_back(m.line(i));
    return out;
}

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

}  // namespace

TEST(Step, WithoutRulesTheRobotMovesThreePixelsAlongItsHeading) {
    ProgramState s;
    s.RedrawPending = 0;
    s.RobotPosX = 100.0f;
    s.RobotPosY = 97.0f;
    Memo memo;
    Draws draws{{7}};
    stepOnce(s, {}, draws, &memo);
    EXPECT_EQ(s.RobotPosX, 100.0f);
    EXPECT_EQ(s.RobotPosY, 94.0f);
    EXPECT_EQ(s.RobotHeading, 0.0f);
    EXPECT_EQ(s.RedrawPending, 1);
    EXPECT_EQ(draws.taken, 1u);  // drawn even with nothing to choose from
    EXPECT_EQ(memoLines(memo), (std::vector<std::string>{"0", "XXX", "100", "94"}));

    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;
    s.RobotHeading = 90.0f;
    stepOnce(s, {}, draws, nullptr);
    EXPECT_EQ(s.RobotPosX, 103.0f);
    EXPECT_EQ(s.RobotPosY, 100.0f);
}

// 350 + 30 = 380 is kept; the move is that of heading 20: (3 sin 20, -3 cos 20).
TEST(Step, TheHeadingIsNeverWrapped) {
    ProgramState s;
    s.RobotHeading = 350.0f;
    s.RobotPosX = 100.0f;
    s.RobotPosY = 100.0f;
    Memo memo;
    Draws draws{{0}};
    stepOnce(s, {kAllOff + "30"}, draws, &memo);
    EXPECT_EQ(s.RobotHeading, 380.0f);
    EXPECT_NEAR(s.RobotPosX, 101.02606f, 1e-4);
    EXPECT_NEAR(s.RobotPosY, 97.18092f, 1e-4);
    EXPECT_EQ(memo.line(0), "380");
}

TEST(Step, OnlyTheFirstSixteenCharactersAreComparedAndTheAngleMayHaveAFraction) {
    ProgramState s;
    s.SensorStates = {1, 0, 0, 0, 0, 0, 0, 1};
    const std::vector<std::string> rules = {
        "1 0 0 0 0 0 0 0 40",   // differs in sensor 7
        "0 0 0 0 0 0 0 1 40",   // differs in sensor 0
        "1 0 0 0 0 0 0 1",      // shorter than the pattern
        "1 0 0 0 0 0 0 1 12.5",
    };
    Draws draws{{0}};
    stepOnce(s, rules, draws, nullptr);
    EXPECT_EQ(s.RobotHeading, 12.5f);
}

// With n candidates the draw r picks slot r % (n + 1); slot n is going straight on.
TEST(Step, TheDrawPicksAmongTheFirstFourMatchesOrNoTurn) {
    const std::vector<std::string> rules = {kAllOff + "10", "1 1 1 1 1 1 1 1 99", kAllOff + "20",
                                            kAllOff + "30", kAllOff + "40", kAllOff + "50"};
    const std::map<std::uint32_t, float> expected = {{0, 10}, {3, 40}, {4, 0}, {9, 0}, {7, 30}};
    for (const auto& [draw, heading] : expected) {
        ProgramState s;
        Draws draws{{draw}};
        stepOnce(s, rules, draws, nullptr);
        EXPECT_EQ(s.RobotHeading, heading) << "draw " << draw;
    }
}

TEST(Step, AMatchingRuleWithoutANumberEndsTheStepBeforeAnythingChanges) {
    ProgramState s;
    s.RedrawPending = 0;
    s.RobotPosX = 50.0f;
    s.RobotPosY = 60.0f;
    s.RobotHeading = 15.0f;
    Memo memo;
    Draws draws{{0}};
    for (const std::string& bad : {kAllOff + "abc", kAllOff, kAllOff + "1e", kAllOff + "nan"}) {
        EXPECT_THROW(stepOnce(s, {kAllOff + "10", bad}, draws, &memo), ConversionError) << bad;
        EXPECT_EQ(s.RobotHeading, 15.0f);
        EXPECT_EQ(s.RobotPosX, 50.0f);
        EXPECT_EQ(s.RobotPosY, 60.0f);
        EXPECT_EQ(s.RedrawPending, 0);
        EXPECT_EQ(memo.total(), 0u);
    }
    // A bad line that does not match, or that comes after the fourth match, is never converted.
    const std::vector<std::string> harmless = {"1 1 1 1 1 1 1 1 x", kAllOff + "0", kAllOff + "0",
                                               kAllOff + "0", kAllOff + "0", kAllOff + "x"};
    EXPECT_NO_THROW(stepOnce(s, harmless, draws, &memo));
}

namespace {

/// How often each heading change comes up over many steps with a seeded source.
std::map<float, double> turnFrequencies(const std::vector<std::string>& rules, int steps) {
    std::mt19937 engine(20240611u);
    std::map<float, int> counts;
    ProgramState s;
    for (int i = 0; i < steps; ++i) {
        s.RobotHeading = 0.0f;
        stepOnce(s, rules, [&engine] { return engine(); }, nullptr);
        ++counts[s.RobotHeading];
    }
    std::map<float, double> freq;
    for (const auto& [turn, n] : counts) freq[turn] = double(n) / steps;
    return freq;
}

constexpr int kSteps = 30000;
constexpr double kTolerance = 0.015;  // about six standard deviations at this many steps

}  // namespace

TEST(StepChoice, OneMatchTurnsAboutHalfTheTime) {
    const auto f = turnFrequencies({"1 1 1 1 1 1 1 1 45", kAllOff + "90"}, kSteps);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_NEAR(f.at(90.0f), 0.5, kTolerance);
    EXPECT_NEAR(f.at(0.0f), 0.5, kTolerance);
}

TEST(StepChoice, TwoIdenticalMatchesAreTwoCandidates) {
    const auto f = turnFrequencies({kAllOff + "90", kAllOff + "90"}, kSteps);
    EXPECT_NEAR(f.at(90.0f), 2.0 / 3.0, kTolerance);
    EXPECT_NEAR(f.at(0.0f), 1.0 / 3.0, kTolerance);
}

TEST(StepChoice, FiveMatchesLeaveOnlyTheFirstFourEachAFifth) {
    const auto f = turnFrequencies(
        {kAllOff + "1", kAllOff + "2", kAllOff + "3", kAllOff + "4", kAllOff + "5"}, kSteps);
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f.count(5.0f), 0u);
    for (float turn : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f}) EXPECT_NEAR(f.at(turn), 0.2, kTolerance) << turn;
}

TEST(Step, AWarmStepAllocatesNothing) {
    std::vector<std::string> rules;
    for (int i = 0; i < 100; ++i)
        rules.push_back((i % 2 ? "1 0 0 0 0 0 0 1 " : kAllOff) + std::to_string(i % 60 - 30));
    ProgramState s;
    Memo memo;
    std::mt19937 engine(1u);
    stepOnce(s, rules, [&engine] { return engine(); }, &memo);
    const auto before = heapAllocations();
    for (int i = 0; i < 100; ++i) {
        s.SensorStates[0] = i % 2;
        s.SensorStates[7] = i % 2;
        stepOnce(s, rules, [&engine] { return engine(); }, &memo);
    }
    EXPECT_EQ(heapAllocations(), before);
    EXPECT_EQ(memo.total(), 404u);
}
