#include <gtest/gtest.h>

#include "ui/form.h"

using namespace vemrik;

namespace {

/// The empty board as drawn: black dots every 10 pixels over the grey cross at 100, else white.
Colour field(int x, int y) {
    if (x % 10 == 0 && y % 10 == 0) return kBlack;
    return (x == 100 || y == 100) ? kGrey : kWhite;
}

/// Number of pixels that differ from the empty field.
int changedPixels(const Raster& r) {
    int n = 0;
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 201; ++x) n += r.pixel(x, y) != field(x, y);
    return n;
}

}  // namespace

TEST(RobotView, EmptyBoardIsFieldCrossAndLatticeWithNoSensors) {
    TForm1 form;
    form.State.SensorCount = 7;
    form.BitBtn2Click();
    EXPECT_EQ(changedPixels(form.Image1.canvas), 0);
    EXPECT_EQ(form.State.SensorCount, 0);
}

TEST(RobotView, WheelAtCentreCoversExactlyItsSquareAndItsOwnDot) {
    TForm1 form;
    form.State.RobotGrid.at(10, 10) = kWheel;
    form.BitBtn2Click();
    const Raster& r = form.Image1.canvas;
    for (int y = 100; y <= 109; ++y)
        for (int x = 100; x <= 109; ++x) ASSERT_EQ(r.pixel(x, y), kBlack) << x << "," << y;
    // Only the 81 pixels of the square that are not already black dots change.
    EXPECT_EQ(changedPixels(r), 99);
    EXPECT_EQ(r.pixel(111, 100), kGrey);
    EXPECT_EQ(r.pixel(100, 111), kGrey);
    EXPECT_EQ(r.pixel(110, 110), kBlack);
}

TEST(RobotView, DoubleSensorOnTheLastTwoColumnsReachesTheEdgeAndCountsOnce) {
    TForm1 form;
    form.State.RobotGrid.at(19, 5) = kDoubleHalf;
    form.State.RobotGrid.at(20, 5) = kDoubleHalf;
    form.BitBtn2Click();
    const Raster& r = form.Image1.canvas;
    EXPECT_EQ(r.pixel(190, 50), kGrey);
    EXPECT_EQ(r.pixel(200, 59), kGrey);
    EXPECT_EQ(r.pixel(198, 54), kGrey);
    EXPECT_EQ(r.pixel(199, 54), kRed);
    EXPECT_EQ(r.pixel(200, 55), kRed);
    EXPECT_EQ(r.pixel(200, 60), kBlack);
    EXPECT_EQ(changedPixels(r), 11 * 10);  // clipped at x = 200
    EXPECT_EQ(form.State.SensorCount, 1);
}

TEST(RobotView, ThreeFivesInARowAreTwoOverlappingDoubleSensors) {
    TForm1 form;
    for (int i = 3; i <= 5; ++i) form.State.RobotGrid.at(i, 7) = kDoubleHalf;
    form.BitBtn2Click();
    const Raster& r = form.Image1.canvas;
    EXPECT_EQ(r.pixel(39, 74), kRed);
    EXPECT_EQ(r.pixel(40, 75), kGrey);  // the second sensor's square covers half the first dot
    EXPECT_EQ(r.pixel(49, 74), kRed);
    EXPECT_EQ(r.pixel(50, 75), kRed);
    EXPECT_EQ(r.pixel(59, 79), kGrey);
    EXPECT_EQ(r.pixel(60, 70), kBlack);  // the third cell alone is not drawn
    EXPECT_EQ(r.pixel(61, 75), kWhite);
    EXPECT_EQ(form.State.SensorCount, 2);
}

TEST(RobotView, LoneHalvesAndTheLastColumnAndRowAreNeitherDrawnNorCounted) {
    TForm1 form;
    Grid& g = form.State.RobotGrid;
    g.at(4, 4) = kDoubleHalf;  // right neighbour empty
    g.at(8, 2) = kDoubleHalf;
    g.at(9, 2) = kSensor;
    g.at(20, 3) = kSensor;
    g.at(20, 6) = kWheel;
    g.at(6, 20) = kBody;
    g.at(2, 20) = kDoubleHalf;
    g.at(3, 20) = kDoubleHalf;
    form.BitBtn2Click();
    // Only the single sensor at [9][2] shows: its grey square, its red dot.
    EXPECT_EQ(form.State.SensorCount, 1);
    EXPECT_EQ(changedPixels(form.Image1.canvas), 100);
    EXPECT_EQ(form.Image1.canvas.pixel(94, 24), kRed);
}
