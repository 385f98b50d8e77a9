// The step: the candidates of the sensed pattern, a draw among them or no turn, the turn and a
// move of 3 pixels; through the engine, a failed step changes nothing.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/errors.h"
#include "engine/engine.h"
#include "engine/step.h"
#include "tests/allocation_counter.h"

using namespace vemrik;

namespace {

const std::string kAllOff = "0 0 0 0 0 0 0 0 ";

/// One step from (100, 100) with the rules, the sensor pattern and the draw given.
ProgramState stepped(const std::vector<std::string>& rules, std::uint32_t draw, int pattern = 0,
                     float heading = 0.0f, Memo* log = nullptr) {
    ProgramState s;
    s.RobotPosX = s.RobotPosY = 100.0f;
    s.RobotHeading = heading;
    s.RedrawPending = 0;
    RuleTable table;
    table.follow(rules);
    stepWith(s, table.candidates(pattern), draw, log);
    return s;
}

}  // namespace

TEST(Step, MovesThreePixelsAlongTheHeadingWhichIsNeverWrapped) {
    Memo memo;
    const ProgramState up = stepped({}, 7, 0, 0.0f, &memo);
    EXPECT_EQ(up.RobotPosX, 100.0f);
    EXPECT_EQ(up.RobotPosY, 97.0f);
    EXPECT_EQ(up.RedrawPending, 1);
    ASSERT_EQ(memo.size(), 4u);
    EXPECT_EQ(memo.line(0), "0");
    EXPECT_EQ(memo.line(1), "XXX");
    EXPECT_EQ(memo.line(3), "97");
    EXPECT_EQ(stepped({}, 0, 0, 90.0f).RobotPosX, 103.0f);
    // 350 + 30 = 380 is kept; the move is that of heading 20: (3 sin 20, -3 cos 20).
    const ProgramState turned = stepped({kAllOff + "30"}, 0, 0, 350.0f);
    EXPECT_EQ(turned.RobotHeading, 380.0f);
    EXPECT_NEAR(turned.RobotPosX, 101.02606f, 1e-4);
    EXPECT_NEAR(turned.RobotPosY, 97.18092f, 1e-4);
}

// With n candidates the draw r picks slot r % (n + 1); slot n is going straight on.
TEST(Step, TheDrawPicksAmongTheFirstFourMatchesOrNoTurn) {
    const std::vector<std::string> rules = {kAllOff + "10", "1 1 1 1 1 1 1 1 99", kAllOff + "20",
                                            kAllOff + "30", kAllOff + "40",       kAllOff + "50"};
    for (const auto& [draw, heading] :
         std::map<std::uint32_t, float>{{0, 10}, {3, 40}, {4, 0}, {9, 0}, {7, 30}})
        EXPECT_EQ(stepped(rules, draw).RobotHeading, heading) << "draw " << draw;
    // Sensors 0 and 7 on: only the first sixteen characters count, and an angle may have a fraction.
    const std::vector<std::string> near = {"1 0 0 0 0 0 0 0 40", "0 0 0 0 0 0 0 1 40", "1 0 0 0 0 0 0 1",
                                           "1 0 0 0 0 0 0 1 12.5"};
    EXPECT_EQ(stepped(near, 0, 0b10000001).RobotHeading, 12.5f);
}

TEST(Step, AnUnreadableMatchingAngleFailsBeforeAnythingChanges) {
    for (const std::string& bad : {kAllOff + "abc", kAllOff, kAllOff + "1e", kAllOff + "nan"}) {
        Engine e;
        e.State.RobotPosX = 50.0f;
        e.State.RedrawPending = 0;
        e.Rules = {kAllOff + "10", bad};
        Memo memo;
        EXPECT_THROW(e.step(&memo), ConversionError) << bad;
        EXPECT_EQ(e.State.RobotPosX, 50.0f);
        EXPECT_EQ(e.State.RobotHeading, 0.0f);
        EXPECT_EQ(e.State.RedrawPending, 0);
        EXPECT_EQ(memo.total(), 0u);
        EXPECT_EQ(e.Run.steps(), 0u);
    }
    // A bad line that does not match, or that comes after the fourth match, is never read.
    Engine e;
    e.Rules = {"1 1 1 1 1 1 1 1 x", kAllOff + "0", kAllOff + "0",
               kAllOff + "0",       kAllOff + "0", kAllOff + "x"};
    EXPECT_NO_THROW(e.step(nullptr));
}

// Over many seeded steps each candidate and going straight come up equally often.
TEST(Step, EachOfTheFirstFourMatchesAndNoTurnAreEquallyLikely) {
    struct Case {
        std::vector<std::string> rules;
        std::map<float, double> shares;
    };
    const Case cases[] = {
        {{"1 1 1 1 1 1 1 1 45", kAllOff + "90"}, {{0.0f, 0.5}, {90.0f, 0.5}}},
        {{kAllOff + "90", kAllOff + "90"}, {{0.0f, 1.0 / 3}, {90.0f, 2.0 / 3}}},  // copies are candidates
        {{kAllOff + "1", kAllOff + "2", kAllOff + "3", kAllOff + "4", kAllOff + "5"},
         {{0.0f, 0.2}, {1.0f, 0.2}, {2.0f, 0.2}, {3.0f, 0.2}, {4.0f, 0.2}}},
    };
    constexpr int kSteps = 30000;
    for (const Case& c : cases) {
        Engine e;
        e.RandomEngine.seed(20240611u);
        e.Rules = c.rules;
        std::map<float, int> counts;
        for (int i = 0; i < kSteps; ++i) {
            e.State.RobotHeading = 0.0f;
            e.step(nullptr);
            ++counts[e.State.RobotHeading];
        }
        ASSERT_EQ(counts.size(), c.shares.size()) << c.rules.front();
        for (const auto& [turn, share] : c.shares)
            EXPECT_NEAR(counts[turn] / double(kSteps), share, 0.015) << turn;  // about six deviations
    }
}

TEST(Step, AWarmStepAllocatesNothing) {
    Engine e;
    for (int i = 0; i < 100; ++i)
        e.Rules.push_back((i % 2 ? "1 0 0 0 0 0 0 1 " : kAllOff) + std::to_string(i % 60 - 30));
    Memo memo;
    const auto steps = [&] {
        for (int i = 0; i < 200; ++i) {
            e.State.SensorStates[0] = e.State.SensorStates[7] = i % 2;
            e.step(&memo);
        }
    };
    steps();  // the record allocates when a rule first acts, and the log its lines once
    const auto before = heapAllocations();
    steps();
    EXPECT_EQ(heapAllocations(), before);
    EXPECT_EQ(memo.total(), 1600u);
}
