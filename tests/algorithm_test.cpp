#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "algorithm/rule_parse.h"
#include "app/errors.h"
#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;

TEST(AlgorithmPage, EachCheckBoxSetsOnlyItsOwnSensorAndAsksForARedraw) {
    TForm1 form;
    void (TForm1::*clicks[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                  &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                  &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
    for (std::size_t n = 0; n < 8; ++n) {  // checked one after another
        form.checkBox(static_cast<int>(n) + 1).checked = true;
        form.State.RedrawPending = 0;
        (form.*clicks[n])();
        EXPECT_EQ(form.State.SensorStates[n], 1) << "check box " << n + 1;
        EXPECT_EQ(form.State.RedrawPending, 1);
    }
    form.CheckBox8.checked = false;
    form.CheckBox8Click();
    EXPECT_EQ(form.State.SensorStates, (std::array<std::int32_t, kSensorSlots>{1, 1, 1, 1, 1, 1, 1, 0}));
}

TEST(AlgorithmPage, RemoveTakesOnlyTheSelectedLineAndKeepsTheSelectionInTheList) {
    TForm1 form;
    form.ListBox1.lines = {"a", "b", "c", "d"};
    for (int selected : {-1, 4, 1, 2}) {  // nothing, past the end, then the middle and the last
        form.ListBox1.itemIndex = selected;
        form.Button14Click();
    }
    EXPECT_EQ(form.ListBox1.lines, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(form.ListBox1.itemIndex, 1);
}

TEST(RuleParsing, MatchComparesTheFirstSixteenCharactersOnly) {
    const std::string_view p = "1 0 0 0 0 0 0 1 ";
    EXPECT_TRUE(ruleMatches("1 0 0 0 0 0 0 1 whatever follows", p));
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 0 -30", p));  // the last sensor differs
    EXPECT_FALSE(ruleMatches("0 0 0 0 0 0 0 1 -30", p));  // the first sensor differs
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 1", p));      // shorter: the whole line is compared
}

TEST(RuleParsing, TheAngleIsTheRestReadAsANumberOrAConversionError) {
    EXPECT_EQ(ruleAngle("0 0 0 0 0 0 0 0 0.1"), 0.1f);  // rounded to single precision
    // Not a number, empty, cut short, beyond every float.
    for (const char* bad : {"0 0 0 0 0 0 0 0 abc", "0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0",
                            "0 0 0 0 0 0 0 0 inf", "0 0 0 0 0 0 0 0 1e39"})
        EXPECT_THROW(ruleAngle(bad), ConversionError) << bad;
}

TEST(AlgorithmView, TheLastDrawnCellIsOutlinedOverAFreshBackground) {
    TForm1 form;
    form.Image3.canvas.fill(kGreen);
    form.State.RobotGrid.at(19, 19) = kWheel;
    form.State.RobotGrid.at(20, 20) = kWheel;  // the last column and row are never drawn
    form.BitBtn4Click();
    // White with the grey cross at 100; the cell's 2-pixel outline covers 189 .. 200 less 191 .. 198.
    const auto want = [](int x, int y) {
        const bool inside = x >= 191 && x <= 198 && y >= 191 && y <= 198;
        return x >= 189 && y >= 189 && !inside ? kBlack : x == 100 || y == 100 ? kGrey : kWhite;
    };
    EXPECT_EQ(checks::differing(form.Image3.canvas, want), 0);
}

TEST(AlgorithmView, TheFirstEightSensorsInRowOrderShowTheirStatesAndEveryOneIsMarked) {
    TForm1 form;
    Grid& g = form.State.RobotGrid;
    g.at(19, 2) = g.at(20, 2) = kDoubleHalf;           // sensor 0: its square straddles both cells
    for (int x = 0; x < 8; ++x) g.at(x, 3) = kSensor;  // sensors 1 .. 8
    form.State.SensorStates = {0, 1, 1, 1, 1, 1, 1, 1};
    form.BitBtn4Click();
    EXPECT_EQ(form.State.SensorCount, 8);
    // Sensor 0 red, clipped at the right edge; sensor 7 green; the ninth gets no square.
    checks::expectPixels(form.Image4.canvas, {{194, 25, kWhite},
                                              {195, 20, kRed},
                                              {200, 29, kRed},
                                              {69, 39, kGreen},
                                              {70, 30, kBlack},
                                              {75, 35, kWhite}});
    for (int x = 0; x < 8; ++x) EXPECT_EQ(form.Image3.canvas.pixel(10 * x + 5, 35), kRed) << x;
}
