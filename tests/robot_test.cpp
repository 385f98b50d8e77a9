#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "app/errors.h"
#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::expectPixels;

namespace {

/// Every set cell as "column,row=code", column by column.
std::string nonZero(const Grid& g) {
    std::string out;
    for (int i = 0; i < g.columns(); ++i)
        for (int j = 0; j < g.length(i); ++j)
            if (g.at(i, j) != 0)
                out += std::to_string(i) + "," + std::to_string(j) + "=" + std::to_string(g.at(i, j)) + " ";
    return out;
}

}  // namespace

TEST(RobotView, RepaintsInFullAndClipsAtTheEdges) {
    TForm1 form;
    form.Image1.canvas.fill(kGreen);
    Grid& g = form.State.RobotGrid;
    g.at(19, 5) = g.at(20, 5) = kDoubleHalf;  // clipped at x = 200: 11 x 10 pixels change
    g.at(20, 3) = g.at(0, 20) = kSensor;      // the last column and row are never drawn
    form.BitBtn2Click();
    // The empty board: black dots every 10 pixels over the grey cross at 100, else white.
    const auto field = [](int x, int y) {
        return x % 10 == 0 && y % 10 == 0 ? kBlack : x == 100 || y == 100 ? kGrey : kWhite;
    };
    EXPECT_EQ(checks::differing(form.Image1.canvas, field), 110);
    EXPECT_EQ(form.State.SensorCount, 1);
    expectPixels(form.Image1.canvas, {{198, 54, kGrey}, {199, 54, kRed}, {200, 55, kRed}});
}

TEST(RobotEditor, ToolsWriteTheCellUnderThePointerAndFailBeforeTheWriteOffTheBoard) {
    TForm1 form;
    form.State.RobotGrid.at(5, 12) = kBody;
    form.Button2Click();
    form.Image1MouseDown(57, 123);  // erased
    form.Button12Click();
    form.Image1MouseMove(-9, 45);   // held: a double sensor's drag writes one cell; column 0, truncated
    form.Image1MouseMove(209, 45);  // still column 20
    form.State.RedrawPending = form.State.MouseHeld = 0;
    // On the last pixel column a double sensor writes its left half, then fails, flags set first.
    EXPECT_THROW(form.Image1MouseDown(200, 65), RangeError);
    EXPECT_EQ(form.State.RedrawPending + form.State.MouseHeld, 2);
    for (auto [x, y] : {std::pair{210, 25}, {-10, 25}, {50, 210}})
        EXPECT_THROW(form.Image1MouseMove(x, y), RangeError) << x << ", " << y;
    EXPECT_EQ(nonZero(form.State.RobotGrid), "0,4=5 20,4=5 20,6=5 ");
}

// Hover previews last only until the next redraw.
TEST(RobotEditor, HoverDrawsTheToolsShapeOverAFreshBoard) {
    TForm1 form;
    form.State.RobotGrid.at(5, 12) = kBody;
    // Each tool: the colour at the cell's centre and at its corners; then the pixel to the right.
    for (auto [tool, centre, corner, right] :
         {std::tuple{&TForm1::Button1Click, kGrey, kGrey, kWhite},
          {&TForm1::Button2Click, kWhite, kWhite, kWhite},  // hides body, dot
          {&TForm1::Button3Click, kBlack, kBlack, kWhite},
          {&TForm1::Button4Click, kRed, kGrey, kWhite},
          {&TForm1::Button12Click, kGrey, kGrey, kRed}}) {
        (form.*tool)();
        form.Image1MouseMove(57, 123);
        expectPixels(form.Image1.canvas,
                     {{55, 125, centre}, {50, 120, corner}, {59, 129, corner}, {60, 125, right}});
    }
}
