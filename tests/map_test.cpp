#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/errors.h"
#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

using Ints = std::vector<int>;

/// Every stroke's entries, one after another.
Ints strokes(const Grid& g) {
    Ints out;
    for (int e = 0; e < g.columns(); ++e)
        for (int k = 0; k < g.length(e); ++k) out.push_back(g.at(e, k));
    return out;
}

void press(TForm1& f, void (TForm1::*tool)(), int x, int y) {
    (f.*tool)();
    f.Image2MouseDown(x, y);
    f.Image2MouseUp(x, y);
}

/// Pixels that differ from the empty map: white with a black dot at every multiple of 10.
int changedFromEmpty(const Raster& r) {
    return checks::differing(r, [](int x, int y) { return x % 10 == 0 && y % 10 == 0 ? kBlack : kWhite; });
}

}  // namespace

TEST(MapView, RepaintsInFullAndNeverDrawsTheLastColumnAndRow) {
    TForm1 form;
    press(form, &TForm1::Button5Click, 700, 400);
    press(form, &TForm1::Button8Click, 700, 55);
    press(form, &TForm1::Button9Click, 55, 400);
    form.Image2.canvas.fill(kRed);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 0);
}

TEST(MapEditor, TheBrushRecordsAndLogsOneSegmentPerMoveUndoAndClearAskARedrawOnlyWhenThereIsOne) {
    TForm1 form;
    press(form, &TForm1::Button8Click, 15, 5);
    form.Button7Click();
    form.Image2MouseDown(100, 100);
    for (auto [x, y] : {std::pair{110, 100}, {120, 105}, {130, 105}}) form.Image2MouseMove(x, y);
    EXPECT_EQ(form.Image2.canvas.penWidth(), 0);
    form.Image2MouseUp(130, 105);
    form.Image2MouseMove(300, 300);  // a hover after the release records nothing
    EXPECT_EQ(form.State.StrokeAnchorX, 300.0f);
    std::string memo;
    for (std::size_t i = 0; i < form.Memo1.size(); ++i) memo += std::string(form.Memo1.line(i)) + " ";
    EXPECT_EQ(memo, "100 100 110 100 110 100 120 105 120 105 130 105 ");
    form.State.RedrawPending = 0;
    form.Button10Click();
    EXPECT_EQ(strokes(form.State.StrokeList), (Ints{100, 100, 110, 100, 110, 100, 120, 105}));
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.State.RedrawPending = 0;
    form.Button11Click();
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.BitBtn3Click();
    EXPECT_EQ(changedFromEmpty(form.Image2.canvas), 100);  // only the start cell is left
    form.State.RedrawPending = 0;
    form.Button10Click();
    form.Button11Click();
    EXPECT_EQ(form.State.RedrawPending, 0);
}

TEST(MapEditor, CellToolsFailOffTheBoardButTheBrushRecords) {
    TForm1 form;
    press(form, &TForm1::Button9Click, 709, 15);  // still column 70
    EXPECT_EQ(form.State.MapGrid.at(70, 1), kStop);
    EXPECT_THROW(press(form, &TForm1::Button9Click, 300, 410), RangeError);
    form.Button7Click();
    form.Image2MouseDown(709, 15);
    form.Image2MouseMove(710, 425);
    EXPECT_EQ(strokes(form.State.StrokeList), (Ints{709, 15, 710, 425}));
}

// Hover previews last only until the next redraw.
TEST(MapEditor, HoverPreviewColoursTheCellUnderThePointer) {
    TForm1 form;
    form.Button8Click();
    form.Image2MouseMove(157, 103);
    checks::expectPixels(form.Image2.canvas,
                         {{150, 100, kBlue}, {159, 109, kBlue}, {160, 105, kWhite}, {149, 105, kWhite}});
}
