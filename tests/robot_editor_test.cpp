#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "app/errors.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

using Cells = std::map<std::pair<int, int>, int>;

/// Every non-zero cell of the robot board.
Cells nonZero(const Grid& g) {
    Cells out;
    for (int i = 0; i < g.columns(); ++i)
        for (int j = 0; j < g.length(i); ++j)
            if (g.at(i, j) != 0) out[{i, j}] = g.at(i, j);
    return out;
}

}  // namespace

TEST(RobotEditor, PressesWriteTheCellUnderThePointer) {
    TForm1 form;
    form.Button1Click();
    form.Image1MouseDown(57, 123);
    form.Image1MouseUp(57, 123);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{5, 12}, 1}}));
    form.Button3Click();
    form.Image1MouseDown(200, 3);  // the last pixel column is column 20, kept but not drawn
    form.Button4Click();
    form.Image1MouseDown(0, 200);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{5, 12}, 1}, {{20, 0}, 3}, {{0, 20}, 4}}));
}

TEST(RobotEditor, DoubleSensorPressWritesItsRightNeighbourUpToTheLastColumn) {
    TForm1 form;
    form.Button12Click();
    form.Image1MouseDown(195, 55);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{19, 5}, 5}, {{20, 5}, 5}}));
}

TEST(RobotEditor, DoubleSensorPressOnTheLastPixelColumnWritesOneHalfThenFails) {
    TForm1 form;
    form.Button12Click();
    form.State.RedrawPending = 0;
    try {
        form.Image1MouseDown(200, 55);
        FAIL() << "no range error";
    } catch (const RangeError& e) {
        EXPECT_EQ(e.index(), 21);
        EXPECT_EQ(e.length(), 21);
    }
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{20, 5}, 5}}));
    EXPECT_EQ(form.State.RedrawPending, 1);
    EXPECT_EQ(form.State.MouseHeld, 1);
}

TEST(RobotEditor, DoubleSensorDragsWriteSingleCells) {
    TForm1 down;
    down.Button12Click();
    down.Image1MouseDown(15, 15);
    for (int y : {25, 35, 45}) down.Image1MouseMove(15, y);
    down.Image1MouseUp(15, 45);
    EXPECT_EQ(nonZero(down.State.RobotGrid),
              (Cells{{{1, 1}, 5}, {{2, 1}, 5}, {{1, 2}, 5}, {{1, 3}, 5}, {{1, 4}, 5}}));
    down.BitBtn2Click();
    EXPECT_EQ(down.State.SensorCount, 1);

    TForm1 right;
    right.Button12Click();
    right.Image1MouseDown(15, 15);
    for (int x : {25, 35}) right.Image1MouseMove(x, 15);
    EXPECT_EQ(nonZero(right.State.RobotGrid), (Cells{{{1, 1}, 5}, {{2, 1}, 5}, {{3, 1}, 5}}));
    right.BitBtn2Click();
    EXPECT_EQ(right.State.SensorCount, 2);
}

TEST(RobotEditor, ErasingHalfADoubleSensorLeavesItsPartner) {
    TForm1 form;
    form.Button12Click();
    form.Image1MouseDown(15, 15);
    form.Image1MouseUp(15, 15);
    form.Button2Click();
    form.Image1MouseDown(25, 15);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{1, 1}, 5}}));
    form.BitBtn2Click();
    EXPECT_EQ(form.State.SensorCount, 0);
}

TEST(RobotEditor, WithoutAToolAPressOnlySetsTheFlagsAndToolButtonsAskNoRedraw) {
    TForm1 form;
    form.State.RedrawPending = 0;
    form.Button1Click();
    form.Button12Click();
    EXPECT_EQ(form.State.RedrawPending, 0);
    form.TabbedNotebook1Change(0);  // a page switch drops the tool
    form.Image1MouseDown(57, 123);
    form.Image1MouseMove(67, 123);
    EXPECT_EQ(form.State.RedrawPending, 1);
    EXPECT_EQ(form.State.MouseHeld, 1);
    EXPECT_TRUE(nonZero(form.State.RobotGrid).empty());
    form.Image1MouseUp(0, 0);
    EXPECT_EQ(form.State.MouseHeld, 0);
}

TEST(RobotEditor, HoverDrawsThePreviewOverAFreshBoardAndChangesNoState) {
    TForm1 form;
    form.State.RobotGrid.at(5, 12) = kBody;
    form.State.RedrawPending = 0;
    form.Button4Click();
    form.Image1MouseMove(57, 123);
    const Raster& r = form.Image1.canvas;
    EXPECT_EQ(r.pixel(50, 120), kGrey);
    EXPECT_EQ(r.pixel(54, 124), kRed);
    EXPECT_EQ(r.pixel(55, 125), kRed);
    EXPECT_EQ(r.pixel(56, 126), kGrey);
    form.Button2Click();
    form.Image1MouseMove(57, 123);  // the eraser's white square hides the body cell and its dot
    EXPECT_EQ(r.pixel(50, 120), kWhite);
    EXPECT_EQ(r.pixel(54, 124), kWhite);
    form.Button12Click();
    form.Image1MouseMove(195, 55);
    EXPECT_EQ(r.pixel(54, 124), kGrey);  // the old preview went with the redraw
    EXPECT_EQ(r.pixel(199, 55), kRed);
    EXPECT_EQ(r.pixel(200, 50), kGrey);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{5, 12}, 1}}));
    EXPECT_EQ(form.State.RedrawPending, 0);
}

TEST(RobotEditor, DragBeyondTheImageFailsBeforeTheWriteOnceACellIsOffTheBoard) {
    TForm1 form;
    form.Button1Click();
    form.Image1MouseDown(195, 5);
    form.Image1MouseMove(209, 5);  // still column 20
    form.Image1MouseMove(-9, 15);  // still column 0
    form.State.RedrawPending = 0;
    EXPECT_THROW(form.Image1MouseMove(210, 25), RangeError);
    EXPECT_THROW(form.Image1MouseMove(-10, 25), RangeError);
    EXPECT_THROW(form.Image1MouseMove(50, 210), RangeError);
    EXPECT_EQ(form.State.RedrawPending, 0);
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{19, 0}, 1}, {{20, 0}, 1}, {{0, 1}, 1}}));
}
