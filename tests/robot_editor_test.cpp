#include <gtest/gtest.h>

#include "app/errors.h"
#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::Cells;
using checks::expectPixels;
using checks::nonZero;

TEST(RobotEditor, EachToolWritesItsCodeIntoTheCellUnderThePointer) {
    TForm1 form;
    const struct {
        void (TForm1::*tool)();
        int x, y;
    } presses[] = {
        {&TForm1::Button1Click, 57, 123},   // body into [5][12]
        {&TForm1::Button1Click, 67, 123},   // body, erased below
        {&TForm1::Button3Click, 200, 3},    // wheel into the last column, kept though never drawn
        {&TForm1::Button4Click, 0, 200},    // sensor into the last row
        {&TForm1::Button12Click, 195, 55},  // a double sensor also writes its right neighbour
        {&TForm1::Button2Click, 67, 123},
    };
    for (const auto& p : presses) {
        (form.*p.tool)();
        form.Image1MouseDown(p.x, p.y);
        form.Image1MouseUp(p.x, p.y);
    }
    form.Button12Click();
    form.State.RedrawPending = form.State.MouseHeld = 0;
    // On the last pixel column a double sensor writes its left half, then fails, flags set first.
    EXPECT_THROW(form.Image1MouseDown(200, 65), RangeError);
    EXPECT_EQ(form.State.RedrawPending, 1);
    EXPECT_EQ(form.State.MouseHeld, 1);
    EXPECT_EQ(nonZero(form.State.RobotGrid),
              (Cells{{{5, 12}, 1}, {{20, 0}, 3}, {{0, 20}, 4}, {{19, 5}, 5}, {{20, 5}, 5}, {{20, 6}, 5}}));
}

TEST(RobotEditor, DragsWriteSingleCellsAndFailBeforeTheWriteOffTheBoard) {
    TForm1 form;
    form.Button12Click();
    form.Image1MouseDown(15, 15);
    for (int y : {25, 35}) form.Image1MouseMove(15, y);  // a double sensor's drag writes one cell
    form.Button1Click();
    form.Image1MouseMove(209, 5);  // still column 20
    form.State.RedrawPending = 0;
    form.Image1MouseMove(-9, 45);  // still column 0: truncation toward zero
    EXPECT_EQ(form.State.RedrawPending, 1);
    form.State.RedrawPending = 0;
    EXPECT_THROW(form.Image1MouseMove(210, 25), RangeError);
    EXPECT_THROW(form.Image1MouseMove(-10, 25), RangeError);
    EXPECT_THROW(form.Image1MouseMove(50, 210), RangeError);
    EXPECT_EQ(form.State.RedrawPending, 0);
    form.Image1MouseUp(0, 0);
    form.Image1MouseMove(100, 100);  // released: a hover writes nothing
    EXPECT_EQ(nonZero(form.State.RobotGrid),
              (Cells{{{1, 1}, 5}, {{2, 1}, 5}, {{1, 2}, 5}, {{1, 3}, 5}, {{20, 0}, 1}, {{0, 4}, 1}}));
}

TEST(RobotEditor, HoverDrawsTheToolsShapeOverAFreshBoardAndChangesNoState) {
    TForm1 form;
    form.State.RobotGrid.at(5, 12) = kBody;
    form.State.RedrawPending = 0;
    const Raster& r = form.Image1.canvas;
    for (const auto& [tool, colour] : {std::pair{&TForm1::Button1Click, kGrey},
                                       {&TForm1::Button2Click, kWhite},  // hides the body and its dot
                                       {&TForm1::Button3Click, kBlack}}) {
        (form.*tool)();
        form.Image1MouseMove(57, 123);
        expectPixels(r, {{50, 120, colour}, {59, 129, colour}, {60, 125, kWhite}, {60, 130, kBlack}});
    }
    form.Button4Click();
    form.Image1MouseMove(57, 123);
    expectPixels(r, {{50, 120, kGrey}, {54, 124, kRed}, {55, 125, kRed}, {56, 126, kGrey}, {53, 123, kGrey}});
    form.Button12Click();
    form.Image1MouseMove(195, 55);
    expectPixels(r, {{54, 124, kGrey},
                     {189, 55, kWhite},
                     {198, 55, kGrey},
                     {199, 54, kRed},
                     {200, 55, kRed},
                     {200, 59, kGrey},
                     {200, 60, kBlack}});
    EXPECT_EQ(nonZero(form.State.RobotGrid), (Cells{{{5, 12}, 1}}));
    EXPECT_EQ(form.State.RedrawPending, 0);
}
