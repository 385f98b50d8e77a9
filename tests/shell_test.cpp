#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "app/refresh_cycle.h"
#include "ui/form.h"
#include "ui/layout.h"

using namespace vemrik;

TEST(StartUp, FormCreateSizesAndZeroesBothBoardsAndOpensOnTheSimulationPage) {
    TForm1 form;
    const ProgramState& s = form.State;
    for (const auto& [grid, columns, rows] : {std::tuple{&s.RobotGrid, 21, 21}, {&s.MapGrid, 71, 41}}) {
        ASSERT_EQ(grid->columns(), columns);
        for (int x = 0; x < columns; ++x) {
            ASSERT_EQ(grid->length(x), rows);
            for (int y = 0; y < rows; ++y) ASSERT_EQ(grid->at(x, y), 0);
        }
    }
    EXPECT_EQ(s.ActivePage, kSimulationPage);  // so the first refresh places and senses the robot
    EXPECT_EQ(s.ReturnToStart, 1);
}

TEST(RefreshCycle, DrawsOnTheFirstTickOnEveryFifteenthAndAfterAnEditWithoutResettingTheCount) {
    ProgramState s;  // the flag starts set
    std::vector<int> drawn;
    for (int tick = 1; tick <= 45; ++tick) {
        if (tick == 8) s.RedrawPending = 1;
        if (refreshTick(s)) drawn.push_back(tick);
    }
    EXPECT_EQ(drawn, (std::vector<int>{1, 8, 15, 30, 45}));
}

TEST(RefreshCycle, DrawsOnlyThePageShownAndComposesTheRuleTextOnlyOnTheAlgorithmPage) {
    for (int page : {0, 1, 2, 3, 7}) {
        TForm1 form;
        Image* images[] = {&form.Image1, &form.Image2, &form.Image3, &form.Image5};
        for (Image* image : images) image->canvas.fill(kGreen);
        form.State.SensorStates = {1, 0, 0, 0, 0, 0, 0, 1};
        form.TrackBar1.position = -30;
        form.State.ActivePage = page;
        form.BitBtn1Click();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(images[i]->canvas.pixel(1, 1) != kGreen, i == page)
                << "page " << page << " image " << i;
        EXPECT_EQ(form.Label2.caption, page == 2 ? "1 0 0 0 0 0 0 1 -30" : "0 0 0 0 0 0 0 0 0");
    }
}

TEST(PageSwitch, SetsThePageDropsToolAndButtonAndLogsTheIndexWithoutARedraw) {
    TForm1 form;
    form.State.EditTool = 3;
    form.State.MouseHeld = 1;
    form.State.RedrawPending = 0;
    form.TabbedNotebook1Change(1);
    form.TabbedNotebook1Change(0);
    EXPECT_EQ(form.State.ActivePage, 0);
    EXPECT_EQ(form.State.EditTool, 0);
    EXPECT_EQ(form.State.MouseHeld, 0);
    EXPECT_EQ(form.State.RedrawPending, 0);
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
    EXPECT_EQ(memo.line(Memo::kBound), "");
}

TEST(Layout, FindsEveryControlByItsName) {
    for (const ControlSpec& c : formLayout()) EXPECT_EQ(findControl(c.name), &c);
    EXPECT_EQ(findControl("Button99"), nullptr);
}
