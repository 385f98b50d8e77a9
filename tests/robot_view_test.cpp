#include <gtest/gtest.h>

#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::expectPixels;

namespace {

/// The empty board as drawn: black dots every 10 pixels over the grey cross at 100, else white.
Colour field(int x, int y) {
    if (x % 10 == 0 && y % 10 == 0) return kBlack;
    return (x == 100 || y == 100) ? kGrey : kWhite;
}

int changedFromField(const Raster& r) {
    int n = 0;
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 201; ++x) n += r.pixel(x, y) != field(x, y);
    return n;
}

}  // namespace

TEST(RobotView, EmptyBoardIsTheFieldAloneRepaintedInFull) {
    TForm1 form;
    form.Image1.canvas.fill(kGreen);
    form.State.SensorCount = 7;
    form.BitBtn2Click();
    EXPECT_EQ(changedFromField(form.Image1.canvas), 0);
    EXPECT_EQ(form.State.SensorCount, 0);
}

TEST(RobotView, CellsAreDrawnAndSensorsCountedAsWorkedOutByHand) {
    TForm1 form;
    Grid& g = form.State.RobotGrid;
    g.at(10, 10) = kWheel;                               // 100 pixels less its own dot: 99 change
    g.at(9, 2) = kSensor;                                // 100
    g.at(19, 5) = g.at(20, 5) = kDoubleHalf;             // clipped at x = 200: 11 x 10
    g.at(3, 7) = g.at(4, 7) = g.at(5, 7) = kDoubleHalf;  // two overlapping sensors: 30 x 10
    g.at(4, 4) = kDoubleHalf;                            // a lone half: nothing
    g.at(8, 2) = kDoubleHalf;                            // beside a single sensor: nothing
    g.at(20, 3) = kSensor;                               // the last column and row: nothing
    g.at(20, 6) = kWheel;
    g.at(6, 20) = kBody;
    g.at(2, 20) = g.at(3, 20) = kDoubleHalf;
    form.BitBtn2Click();
    const Raster& r = form.Image1.canvas;
    EXPECT_EQ(changedFromField(r), 99 + 100 + 110 + 300);
    EXPECT_EQ(form.State.SensorCount, 4);
    expectPixels(r, {{109, 109, kBlack},
                     {110, 110, kBlack},
                     {111, 100, kGrey},  // wheel and cross
                     {93, 24, kGrey},
                     {94, 24, kRed},
                     {95, 25, kRed},
                     {96, 26, kGrey},
                     {198, 54, kGrey},
                     {199, 54, kRed},
                     {200, 55, kRed},
                     {200, 60, kBlack},
                     {39, 74, kRed},
                     {40, 75, kGrey},  // the second square covers half the first dot
                     {49, 74, kRed},
                     {50, 75, kRed},
                     {59, 79, kGrey},
                     {61, 75, kWhite}});
}
