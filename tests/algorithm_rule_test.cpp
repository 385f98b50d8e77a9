#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "algorithm/rule_parse.h"
#include "app/errors.h"
#include "ui/form.h"

using namespace vemrik;

using Lines = std::vector<std::string>;

TEST(AlgorithmPage, TheBarShowsAtOnceAndTheRuleTextAtTheNextRedraw) {
    TForm1 form;
    form.TabbedNotebook1Change(kAlgorithmPage);
    form.State.RedrawPending = 0;
    form.TrackBar1.position = -360;
    form.TrackBar1Change();
    EXPECT_EQ(form.Label1.caption, "-360");
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.CheckBox8.checked = true;
    form.CheckBox8Click();
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 0");
    form.Timer1Timer();
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 1 -360");  // the longest text there is
}

TEST(AlgorithmPage, EachCheckBoxSetsOnlyItsOwnSensorAndAsksForARedraw) {
    TForm1 form;
    void (TForm1::*clicks[])() = {&TForm1::CheckBox1Click, &TForm1::CheckBox2Click, &TForm1::CheckBox3Click,
                                  &TForm1::CheckBox4Click, &TForm1::CheckBox5Click, &TForm1::CheckBox6Click,
                                  &TForm1::CheckBox7Click, &TForm1::CheckBox8Click};
    for (int n = 1; n <= 8; ++n) {
        std::array<std::int32_t, kSensorSlots> want{1, 1, 1, 1, 1, 1, 1, 1};  // as a sensing pass left them
        want[static_cast<std::size_t>(n - 1)] = 0;
        form.State.SensorStates = {1, 1, 1, 1, 1, 1, 1, 1};
        form.State.RedrawPending = 0;
        (form.*clicks[n - 1])();
        EXPECT_EQ(form.State.SensorStates, want) << "check box " << n;
        EXPECT_EQ(form.State.RedrawPending, 1);
        form.checkBox(n).checked = true;
        (form.*clicks[n - 1])();
        EXPECT_EQ(form.State.SensorStates[static_cast<std::size_t>(n - 1)], 1);
    }
}

TEST(AlgorithmPage, AddTakesTheTextAsShownAndRemoveOnlyTheSelectedLine) {
    TForm1 form;
    form.TabbedNotebook1Change(kAlgorithmPage);
    form.Timer1Timer();
    form.CheckBox2.checked = true;
    form.CheckBox2Click();
    form.Button13Click();  // before the tick: the text still shown
    form.Timer1Timer();
    form.Button13Click();
    form.Button13Click();
    EXPECT_EQ(form.ListBox1.lines, (Lines{"0 0 0 0 0 0 0 0 0", "0 1 0 0 0 0 0 0 0", "0 1 0 0 0 0 0 0 0"}));
    form.ListBox1.lines = {"a", "b", "c", "d"};
    form.State.RedrawPending = 0;
    for (int selected : {-1, 4, 1, 2}) {  // nothing, past the end, then the middle and the last
        form.ListBox1.itemIndex = selected;
        form.Button14Click();
    }
    EXPECT_EQ(form.ListBox1.lines, (Lines{"a", "c"}));
    EXPECT_EQ(form.ListBox1.itemIndex, 1);  // the selection stays inside the list
    EXPECT_EQ(form.State.RedrawPending, 0);
}

TEST(RuleParsing, MatchComparesTheFirstSixteenCharactersOnly) {
    const std::string_view p = "1 0 0 0 0 0 0 1 ";
    EXPECT_TRUE(ruleMatches("1 0 0 0 0 0 0 1 whatever follows", p));
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 0 -30", p));  // the last sensor differs
    EXPECT_FALSE(ruleMatches("0 0 0 0 0 0 0 1 -30", p));  // the first sensor differs
    EXPECT_FALSE(ruleMatches("1 0 0 0 0 0 0 1", p));      // shorter: the whole line is compared
}

TEST(RuleParsing, TheAngleIsTheRestReadAsANumberOrAConversionError) {
    EXPECT_EQ(ruleAngle("1 0 0 0 0 0 0 1 -30"), -30.0f);
    EXPECT_EQ(ruleAngle("0 0 0 0 0 0 0 0 0.1"), 0.1f);  // rounded to single precision
    for (const char* bad :
         {"0 0 0 0 0 0 0 0 abc", "0 0 0 0 0 0 0 0 ", "0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 inf",
          "0 0 0 0 0 0 0 0 1e39"})  // empty, cut short, beyond every float
        EXPECT_THROW(ruleAngle(bad), ConversionError) << bad;
}
