#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/errors.h"
#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::expectPixels;

namespace {

using Entries = std::vector<std::vector<int>>;

Entries strokes(const Grid& g) {
    Entries out;
    for (int e = 0; e < g.columns(); ++e) {
        out.emplace_back();
        for (int k = 0; k < g.length(e); ++k) out.back().push_back(g.at(e, k));
    }
    return out;
}

}  // namespace

TEST(MapEditor, BrushRecordsOneSegmentPerMoveFromThePressPointWithFourMemoLines) {
    TForm1 form;
    form.Button7Click();
    form.Image2MouseDown(100, 100);
    form.Image2MouseMove(110, 100);
    form.Image2MouseMove(120, 105);
    form.Image2MouseUp(120, 105);
    form.Image2MouseMove(300, 300);  // a hover after the release records nothing
    EXPECT_EQ(strokes(form.State.StrokeList), (Entries{{100, 100, 110, 100}, {110, 100, 120, 105}}));
    std::vector<std::string> memo;
    for (std::size_t i = 0; i < form.Memo1.size(); ++i) memo.emplace_back(form.Memo1.line(i));
    EXPECT_EQ(memo, (std::vector<std::string>{"100", "100", "110", "100", "110", "100", "120", "105"}));
    EXPECT_EQ(form.State.StrokeAnchorX, 300.0f);
}

TEST(MapEditor, UndoTakesTheNewestSegmentClearTakesAllAndAnEmptyListAsksNoRedraw) {
    TForm1 form;
    form.Button7Click();
    form.Image2MouseDown(0, 0);
    for (int x : {10, 20, 30}) form.Image2MouseMove(x, 0);
    form.State.RedrawPending = 0;
    form.Button10Click();
    EXPECT_EQ(strokes(form.State.StrokeList), (Entries{{0, 0, 10, 0}, {10, 0, 20, 0}}));
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.State.RedrawPending = 0;
    form.Button11Click();
    EXPECT_EQ(form.State.StrokeList.columns(), 0);
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.State.RedrawPending = 0;
    form.Button10Click();
    form.Button11Click();
    EXPECT_EQ(form.State.RedrawPending, 0);
}

TEST(MapEditor, CellToolsFailBeforeTheWriteOffTheBoardButTheBrushRecords) {
    TForm1 form;
    form.Button9Click();
    form.Image2MouseDown(695, 5);
    form.Image2MouseMove(709, 15);  // still column 70
    EXPECT_EQ(form.State.MapGrid.at(70, 1), kStop);
    form.State.RedrawPending = 0;
    EXPECT_THROW(form.Image2MouseMove(710, 25), RangeError);
    EXPECT_THROW(form.Image2MouseMove(300, 410), RangeError);
    EXPECT_EQ(form.State.RedrawPending, 0);
    EXPECT_EQ(form.State.StrokeAnchorX, 709.0f);  // the failed moves did not reach the anchor
    form.Button7Click();
    form.Image2MouseMove(710, 25);
    EXPECT_EQ(strokes(form.State.StrokeList), (Entries{{709, 15, 710, 25}}));
    EXPECT_EQ(form.State.RedrawPending, 1);
    EXPECT_EQ(form.State.MapGrid.at(70, 2), kMapEmpty);
}

TEST(MapEditor, HoverPreviewColoursTheCellWithoutTouchingTheMap) {
    TForm1 form;
    form.Button7Click();
    form.Image2MouseDown(100, 105);
    form.Image2MouseMove(200, 105);
    form.Image2MouseUp(200, 105);
    form.State.RedrawPending = 0;
    for (const auto& [tool, colour] : {std::pair{&TForm1::Button5Click, kBlack},
                                       {&TForm1::Button6Click, kWhite},  // hides the stroke under it
                                       {&TForm1::Button8Click, kBlue},
                                       {&TForm1::Button9Click, kRed},
                                       {&TForm1::Button7Click, kGrey}}) {  // the brush only redraws
        (form.*tool)();
        form.Image2MouseMove(157, 103);
        expectPixels(form.Image2.canvas, {{150, 100, colour}, {159, 109, colour}, {160, 105, kGrey}});
    }
    EXPECT_EQ(form.State.StrokeList.columns(), 1);
    EXPECT_EQ(form.State.RedrawPending, 0);
    EXPECT_EQ(form.State.MapGrid.at(15, 10), kMapEmpty);
}
