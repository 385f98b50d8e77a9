#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "tests/page_checks.h"
#include "ui/form.h"

using namespace vemrik;
using checks::differing;
using checks::expectPixels;

namespace {

using Points = std::initializer_list<std::pair<int, int>>;

/// White with the one-pixel grey cross along x = 100 and y = 100; with dots every 10 pixels, the
/// empty sensor view.
Raster empty(bool dots) {
    Raster r(201, 201);
    for (int i = 0; i < 201; ++i) {
        r.setPixel(100, i, kGrey);
        r.setPixel(i, 100, kGrey);
    }
    for (int x = 0; dots && x <= 200; x += 10)
        for (int y = 0; y <= 200; y += 10) r.setPixel(x, y, kBlack);
    return r;
}

/// A closed outline through the corners with the 2-pixel pen.
void outline(Raster& r, Colour c, Points corners) {
    r.setPenColour(c);
    r.setPenWidth(2);
    r.moveTo(corners.begin()->first, corners.begin()->second);
    for (auto it = corners.begin() + 1; it != corners.end(); ++it) r.lineTo(it->first, it->second);
}

}  // namespace

TEST(AlgorithmView, CellsAreOutlinedTurnedAboutTheBoardCentreOverAFreshBackgroundAndStayOffTheSensorView) {
    const struct {
        int x, y, code, angle;
        Colour colour;
        Points corners;
    } cases[] = {
        {10, 10, kBody, 0, kGrey, {{100, 100}, {100, 110}, {110, 110}, {110, 100}, {100, 100}}},
        {10, 10, kWheel, -90, kBlack, {{100, 100}, {110, 100}, {110, 90}, {100, 90}, {100, 100}}},
        {10, 0, kBody, 90, kGrey, {{200, 100}, {190, 100}, {190, 110}, {200, 110}, {200, 100}}},
        // The last column and row that are drawn.
        {19, 19, kWheel, 0, kBlack, {{190, 190}, {190, 200}, {200, 200}, {200, 190}, {190, 190}}},
    };
    for (const auto& c : cases) {
        TForm1 form;  // every drawing starts afresh
        form.Image3.canvas.fill(kGreen);
        form.Image4.canvas.fill(kGreen);
        form.State.SensorCount = 5;
        form.State.RobotGrid.at(c.x, c.y) = c.code;
        form.TrackBar1.position = c.angle;
        form.BitBtn4Click();
        Raster want = empty(false);
        outline(want, c.colour, c.corners);
        EXPECT_EQ(differing(form.Image3.canvas, want), 0)
            << "cell [" << c.x << "][" << c.y << "] at " << c.angle;
        EXPECT_EQ(differing(form.Image4.canvas, empty(true)), 0);
        EXPECT_EQ(form.State.SensorCount, 0);
    }
}

TEST(AlgorithmView, DoubleSensorIsBothCellsOutlinedWithItsMarkOnTheSharedEdge) {
    TForm1 form;
    form.State.RobotGrid.at(3, 2) = form.State.RobotGrid.at(4, 2) = kDoubleHalf;
    form.State.RobotGrid.at(5, 5) = kDoubleHalf;  // a lone half is drawn nowhere
    form.BitBtn4Click();
    Raster want = empty(false);
    outline(want, kGrey, {{30, 20}, {30, 30}, {40, 30}, {40, 20}, {30, 20}});
    outline(want, kGrey, {{40, 20}, {40, 30}, {50, 30}, {50, 20}, {40, 20}});
    outline(want, kRed, {{39, 24}, {39, 26}, {41, 26}, {41, 24}, {39, 24}});
    EXPECT_EQ(differing(form.Image3.canvas, want), 0);
    EXPECT_EQ(form.State.SensorCount, 1);
}

TEST(AlgorithmView, TheFirstEightSensorsInRowOrderShowTheirStatesAndEveryOneIsMarked) {
    TForm1 form;
    Grid& g = form.State.RobotGrid;
    g.at(19, 2) = g.at(20, 2) = kDoubleHalf;           // sensor 0: its square straddles both cells
    for (int x = 0; x < 8; ++x) g.at(x, 3) = kSensor;  // sensors 1 .. 8
    form.State.SensorStates = {0, 1, 1, 1, 1, 1, 1, 1};
    form.BitBtn4Click();
    EXPECT_EQ(form.State.SensorCount, 8);
    expectPixels(form.Image4.canvas, {{194, 25, kWhite},
                                      {195, 20, kRed},
                                      {200, 29, kRed},  // clipped at the right edge
                                      {0, 30, kGreen},
                                      {69, 39, kGreen},
                                      {70, 30, kBlack},  // the ninth gets no square
                                      {75, 35, kWhite}});
    for (int x = 0; x < 8; ++x) EXPECT_EQ(form.Image3.canvas.pixel(10 * x + 5, 35), kRed) << x;
    EXPECT_EQ(form.Image3.canvas.pixel(200, 25), kRed);
}
