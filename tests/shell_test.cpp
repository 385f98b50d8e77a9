#include <gtest/gtest.h>

#include "app/refresh_cycle.h"
#include "ui/form.h"
#include "ui/layout.h"

using namespace vemrik;

TEST(StartUp, StateHoldsItsStartValuesBeforeTheFormExists) {
    const ProgramState s;
    EXPECT_EQ(s.ReturnToStart, 1);
    EXPECT_EQ(s.RedrawPending, 1);
    EXPECT_EQ(s.EditTool, 0);
    EXPECT_EQ(s.ActivePage, 0);
    EXPECT_EQ(s.TickCounter, 0);
    EXPECT_EQ(s.MouseHeld, 0);
    EXPECT_EQ(s.RobotGrid.columns(), 0);
    EXPECT_EQ(s.MapGrid.columns(), 0);
    EXPECT_EQ(s.StrokeList.columns(), 0);
}

TEST(StartUp, FormCreateSizesAndZeroesBothBoardsAndLeavesTheFlags) {
    TForm1 form;
    const ProgramState& s = form.State;
    ASSERT_EQ(s.RobotGrid.columns(), 21);
    ASSERT_EQ(s.MapGrid.columns(), 71);
    for (int x = 0; x < 21; ++x) {
        ASSERT_EQ(s.RobotGrid.length(x), 21);
        for (int y = 0; y < 21; ++y) ASSERT_EQ(s.RobotGrid.at(x, y), 0);
    }
    for (int x = 0; x < 71; ++x) {
        ASSERT_EQ(s.MapGrid.length(x), 41);
        for (int y = 0; y < 41; ++y) ASSERT_EQ(s.MapGrid.at(x, y), 0);
    }
    EXPECT_EQ(s.StrokeList.columns(), 0);
    EXPECT_EQ(s.ReturnToStart, 1);
    EXPECT_EQ(s.RedrawPending, 1);
    EXPECT_EQ(s.RobotHeading, 0.0f);
    // The refresh cycle draws the page the window opens on.
    EXPECT_EQ(form.NotebookPageIndex, 3);
    EXPECT_EQ(s.ActivePage, 3);
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(form.Timer1.interval, 25);
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_EQ(form.Timer2.interval, 200);
    EXPECT_EQ(form.Label1.caption, "0");
    EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 0");
}

TEST(RefreshCycle, WithoutEditsEveryFifteenthTickRedraws) {
    ProgramState s;
    s.RedrawPending = 0;
    std::vector<int> drawn;
    for (int tick = 1; tick <= 45; ++tick) {
        if (refreshTick(s)) drawn.push_back(tick);
        ASSERT_LE(s.TickCounter, 14);
        ASSERT_GE(s.TickCounter, 0);
    }
    EXPECT_EQ(drawn, (std::vector<int>{15, 30, 45}));
}

TEST(RefreshCycle, AnEditBetweenTicksSevenAndEightIsDrawnOnEightWithoutResettingTheCount) {
    ProgramState s;
    s.RedrawPending = 0;
    std::vector<int> drawn;
    for (int tick = 1; tick <= 15; ++tick) {
        if (tick == 8) s.RedrawPending = 1;
        if (refreshTick(s)) drawn.push_back(tick);
    }
    EXPECT_EQ(drawn, (std::vector<int>{8, 15}));
}

TEST(RefreshCycle, FirstTickDrawsBecauseTheFlagStartsSet) {
    ProgramState s;
    EXPECT_TRUE(refreshTick(s));
    EXPECT_EQ(s.RedrawPending, 0);
    EXPECT_FALSE(refreshTick(s));
}

TEST(RefreshCycle, AlgorithmPageRecomposesLabel2AtTheNextRedraw) {
    TForm1 form;
    form.TabbedNotebook1Change(kAlgorithmPage);
    form.State.SensorStates = {1, 0, 0, 0, 0, 0, 0, 1};
    form.TrackBar1.position = -30;
    form.State.RedrawPending = 1;
    form.Timer1Timer();
    EXPECT_EQ(form.Label2.caption, "1 0 0 0 0 0 0 1 -30");
}

TEST(RefreshCycle, OtherPagesLeaveLabel2Alone) {
    TForm1 form;
    form.State.SensorStates = {1, 1, 1, 1, 1, 1, 1, 1};
    for (int page : {0, 1, 3, 7}) {
        form.State.ActivePage = page;
        form.BitBtn1Click();
        EXPECT_EQ(form.Label2.caption, "0 0 0 0 0 0 0 0 0") << "page " << page;
    }
}

TEST(PageSwitch, SetsThePageResetsTheToolAndLogsTheIndex) {
    TForm1 form;
    form.State.EditTool = 3;
    form.State.MouseHeld = 1;
    form.State.RedrawPending = 0;
    form.TabbedNotebook1Change(1);
    form.TabbedNotebook1Change(0);
    EXPECT_EQ(form.State.ActivePage, 0);
    EXPECT_EQ(form.State.EditTool, 0);
    EXPECT_EQ(form.State.MouseHeld, 0);
    EXPECT_EQ(form.State.RedrawPending, 0);  // a switch asks for no redraw
    ASSERT_EQ(form.Memo1.size(), 2u);
    EXPECT_EQ(form.Memo1.line(0), "1");
    EXPECT_EQ(form.Memo1.line(1), "0");
}

TEST(Memo, KeepsOnlyTheNewestLines) {
    Memo memo;
    for (std::size_t i = 0; i < Memo::kBound + 5; ++i) memo.append(IntToStr(static_cast<std::int64_t>(i)));
    EXPECT_EQ(memo.size(), Memo::kBound);
    EXPECT_EQ(memo.total(), Memo::kBound + 5);
    EXPECT_EQ(memo.line(0), "5");
    EXPECT_EQ(memo.line(Memo::kBound - 1), IntToStr(Memo::kBound + 4).view());
}

TEST(ListBox, DeletingWithoutASelectionDeletesNothing) {
    ListBox list;
    list.add("a");
    list.add("b");
    list.deleteAt(-1);
    list.deleteAt(2);
    EXPECT_EQ(list.lines, (std::vector<std::string>{"a", "b"}));
    list.itemIndex = 1;
    list.deleteAt(1);
    EXPECT_EQ(list.lines, (std::vector<std::string>{"a"}));
    EXPECT_EQ(list.itemIndex, 0);
}

TEST(Layout, HoldsEveryControlOnceWithThePlacesOfTheForm) {
    EXPECT_EQ(formLayout().size(), 43u);  // with the notebook and two timers, 46 controls
    const ControlSpec* list = findControl("ListBox1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->left, 440);
    EXPECT_EQ(list->height, 217);
    EXPECT_EQ(findControl("Button14")->caption, "Usuń");
    EXPECT_EQ(findControl("BitBtn7")->caption, "Włącz");
    EXPECT_FALSE(findControl("Memo1")->visible);
    for (const ControlSpec& c : formLayout()) EXPECT_EQ(findControl(c.name), &c);
}
