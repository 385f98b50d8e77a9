#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "algorithm/rule_parse.h"
#include "algorithm/rule_text.h"
#include "app/errors.h"
#include "tests/allocation_counter.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

/// A form showing "Algorytm", with the start-up redraw already done.
struct AlgorithmPage : ::testing::Test {
    TForm1 form;
    void SetUp() override {
        form.TabbedNotebook1Change(2);
        tick();
    }
    void tick() { form.Timer1Timer(); }
    void click(int n, bool checked) {
        form.checkBox(n).checked = checked;
        void (TForm1::*handlers[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click,
                                        &TForm1::CheckBox3Click, &TForm1::CheckBox4Click,
                                        &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                        &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
        (form.*handlers[n - 1])();
    }
    void moveBar(int position) {
        form.TrackBar1.position = position;
        form.TrackBar1Change();
    }
    void add(std::initializer_list<const char*> lines) {
        for (const char* l : lines) form.ListBox1.add(l);
    }
};

}  // namespace

TEST_F(AlgorithmPage, NothingSetComposesAllZeros) {
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 0");
    EXPECT_EQ(form.Label1.caption, "0");
}

TEST_F(AlgorithmPage, LastSensorAndFullLeftTurnMakeTheLongestText) {
    click(8, true);
    moveBar(-360);
    EXPECT_EQ(form.Label1.caption, "-360");               // at once
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 0");  // not before the tick
    tick();
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 1 -360");
    EXPECT_EQ(form.Label2.caption.size(), 20u);
}

TEST_F(AlgorithmPage, ACheckBoxRewritesOnlyItsOwnSensedEntry) {
    form.State.SensorStates = {1, 1, 1, 1, 0, 0, 0, 0};  // as a sensing pass left them
    click(3, false);
    click(6, true);
    tick();
    EXPECT_EQ(form.Label2.caption, "1 1 0 1 0 1 0 0 0");
}

TEST_F(AlgorithmPage, AddBeforeTheNextTickTakesTheTextAsShown) {
    click(2, true);
    form.Button13Click();
    EXPECT_EQ(form.ListBox1.lines, (std::vector<std::string>{"0 0 0 0 0 0 0 0 0"}));
    EXPECT_EQ(form.State.RedrawPending, 1);  // from the click, untouched by "Dodaj"
    tick();
    form.Button13Click();
    form.Button13Click();
    EXPECT_EQ(form.ListBox1.lines,
              (std::vector<std::string>{"0 0 0 0 0 0 0 0 0", "0 1 0 0 0 0 0 0 0", "0 1 0 0 0 0 0 0 0"}));
}

TEST_F(AlgorithmPage, RemoveTakesOnlyTheSelectedLineAndKeepsTheOrderOfTheRest) {
    add({"a", "b", "c", "d"});
    form.ListBox1.itemIndex = 1;
    form.State.RedrawPending = 0;
    form.Button14Click();
    EXPECT_EQ(form.ListBox1.lines, (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(form.State.RedrawPending, 0);
    form.ListBox1.itemIndex = -1;  // nothing selected: nothing goes
    form.Button14Click();
    EXPECT_EQ(form.ListBox1.lines, (std::vector<std::string>{"a", "c", "d"}));
}

TEST(RuleParsing, MatchLooksAtTheFirstSixteenCharactersOnly) {
    const std::string_view p = "1 0 0 0 0 0 0 1 ";
    EXPECT_TRUE(ruleMatches("1 0 0 0 0 0 0 1 -30", p));
    EXPECT_TRUE(ruleMatches("1 0 0 0 0 0 0 1 whatever follows", p));
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 0 -30", p));  // one sensor differs
    EXPECT_FALSE(ruleMatches("0 0 0 0 0 0 0 1 -30", p));
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 1", p));  // shorter: the whole line is compared
    EXPECT_FALSE(ruleMatches("", p));
}

TEST(RuleParsing, AngleIsTheRestReadAsANumber) {
    EXPECT_EQ(ruleAngle("1 0 0 0 0 0 0 1 -30"), -30.0f);
    EXPECT_EQ(ruleAngle("0 0 0 0 0 0 0 1 -360"), -360.0f);
    EXPECT_EQ(ruleAngle("0 0 0 1 1 0 0 0 45"), 45.0f);
    EXPECT_EQ(ruleAngle("0 0 0 0 0 0 0 0 12.5"), 12.5f);
    EXPECT_EQ(ruleAngle("0 0 0 0 0 0 0 0 0.1"), 0.1f);  // rounded to single precision
}

TEST(RuleParsing, AnAngleThatIsNoNumberRaisesAConversionError) {
    EXPECT_THROW(ruleAngle("0 0 0 0 0 0 0 0 abc"), ConversionError);
    EXPECT_THROW(ruleAngle("0 0 0 0 0 0 0 0 "), ConversionError);  // 16 characters: empty angle
    EXPECT_THROW(ruleAngle("0 0 0 0 0 0 0 0"), ConversionError);   // shorter still
    EXPECT_THROW(ruleAngle(""), ConversionError);
    EXPECT_THROW(ruleAngle("0 0 0 0 0 0 0 0 inf"), ConversionError);
    EXPECT_THROW(ruleAngle("0 0 0 0 0 0 0 0 1e39"), ConversionError);  // no float holds it
}

TEST(RuleParsing, MatchingAndReadingAnAngleNeverAllocate) {
    const std::string line = "1 0 0 0 0 0 0 1 -12.75";
    const std::array<std::int32_t, kSensorSlots> states{1, 0, 0, 0, 0, 0, 0, 1};
    const auto before = heapAllocations();
    const ShortText p = sensorPattern(states);
    const bool match = ruleMatches(line, p);
    const float angle = ruleAngle(line);
    EXPECT_EQ(heapAllocations(), before);
    EXPECT_TRUE(match);
    EXPECT_EQ(angle, -12.75f);
}
