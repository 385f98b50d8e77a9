#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "raster/raster.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

using Points = std::initializer_list<std::pair<int, int>>;

/// White with the one-pixel grey cross along x = 100 and y = 100.
Raster background() {
    Raster r(201, 201);
    r.fill(kWhite);
    for (int i = 0; i < 201; ++i) {
        r.setPixel(100, i, kGrey);
        r.setPixel(i, 100, kGrey);
    }
    return r;
}

/// The empty sensor state view: background plus a black dot at every multiple of 10.
Raster lattice() {
    Raster r = background();
    for (int x = 0; x <= 200; x += 10)
        for (int y = 0; y <= 200; y += 10) r.setPixel(x, y, kBlack);
    return r;
}

/// A closed outline through the given pixels with the 2-pixel pen.
void outline(Raster& r, Colour c, Points pts) {
    r.setPenColour(c);
    r.setPenWidth(2);
    r.moveTo(pts.begin()->first, pts.begin()->second);
    for (auto it = pts.begin() + 1; it != pts.end(); ++it) r.lineTo(it->first, it->second);
}

::testing::AssertionResult sameImage(const Raster& got, const Raster& want) {
    int diffs = 0, fx = -1, fy = -1;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y) && diffs++ == 0) fx = x, fy = y;
    if (diffs == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << diffs << " pixels differ, first at (" << fx << ", " << fy << "): got " << std::hex
           << got.pixel(fx, fy) << ", want " << want.pixel(fx, fy);
}

/// Every pixel of x1..x2 by y1..y2 (inclusive) has the colour.
bool filled(const Raster& r, int x1, int y1, int x2, int y2, Colour c) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (r.pixel(x, y) != c) return false;
    return true;
}

struct AlgorithmView : ::testing::Test {
    TForm1 form;
    Grid& board = form.State.RobotGrid;
    void draw(int angle = 0) {
        form.TrackBar1.position = angle;
        form.BitBtn4Click();
    }
    const Raster& turned() const { return form.Image3.canvas; }
    const Raster& sensors() const { return form.Image4.canvas; }
};

}  // namespace

TEST_F(AlgorithmView, EmptyBoardShowsOnlyCrossesAndTheLattice) {
    form.State.SensorCount = 5;
    draw(30);
    EXPECT_TRUE(sameImage(turned(), background()));
    EXPECT_TRUE(sameImage(sensors(), lattice()));
    int dots = 0;
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 201; ++x) dots += sensors().pixel(x, y) == kBlack;
    EXPECT_EQ(dots, 441);
    EXPECT_EQ(form.State.SensorCount, 0);
}

TEST_F(AlgorithmView, CellsTurnAboutTheBoardCentre) {
    struct Case {
        int x, y, angle;
        Points corners;
    };
    for (const Case& c : {Case{10, 10, 0, {{100, 100}, {100, 110}, {110, 110}, {110, 100}, {100, 100}}},
                          Case{10, 10, 90, {{100, 100}, {90, 100}, {90, 110}, {100, 110}, {100, 100}}},
                          Case{10, 10, -90, {{100, 100}, {110, 100}, {110, 90}, {100, 90}, {100, 100}}},
                          Case{10, 0, 90, {{200, 100}, {190, 100}, {190, 110}, {200, 110}, {200, 100}}}}) {
        board.at(c.x, c.y) = kBody;
        draw(c.angle);
        board.at(c.x, c.y) = kRobotEmpty;
        Raster want = background();
        outline(want, kGrey, c.corners);
        EXPECT_TRUE(sameImage(turned(), want)) << "cell [" << c.x << "][" << c.y << "] at " << c.angle;
    }
}

TEST_F(AlgorithmView, WheelsAreBlackOutlinesAndBodiesStayOffTheSensorView) {
    board.at(10, 10) = kWheel;
    board.at(0, 0) = kBody;
    draw();
    Raster want = background();
    outline(want, kGrey, {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}});
    outline(want, kBlack, {{100, 100}, {100, 110}, {110, 110}, {110, 100}, {100, 100}});
    EXPECT_TRUE(sameImage(turned(), want));
    EXPECT_TRUE(sameImage(sensors(), lattice()));
}

TEST_F(AlgorithmView, SensorsAreColouredInRowOrder) {
    board.at(2, 0) = kSensor;
    board.at(1, 1) = kSensor;
    form.State.SensorStates = {1, 0, 0, 0, 0, 0, 0, 0};  // only CheckBox1 checked
    draw();
    EXPECT_TRUE(filled(sensors(), 20, 0, 29, 9, kGreen));
    EXPECT_TRUE(filled(sensors(), 10, 10, 19, 19, kRed));
    EXPECT_EQ(form.State.SensorCount, 2);
}

TEST_F(AlgorithmView, DoubleSensorSquareStraddlesItsTwoCells) {
    board.at(3, 2) = kDoubleHalf;
    board.at(4, 2) = kDoubleHalf;
    draw();
    Raster want = lattice();
    want.setBrushColour(kRed);
    want.setPenColour(kRed);
    want.rectangle(35, 20, 45, 30);
    EXPECT_TRUE(sameImage(sensors(), want));
    EXPECT_EQ(form.State.SensorCount, 1);
    // Both cells outlined, the mark on their shared edge: (39, 24) to (41, 26).
    Raster turnedWant = background();
    outline(turnedWant, kGrey, {{30, 20}, {30, 30}, {40, 30}, {40, 20}, {30, 20}});
    outline(turnedWant, kGrey, {{40, 20}, {40, 30}, {50, 30}, {50, 20}, {40, 20}});
    outline(turnedWant, kRed, {{39, 24}, {39, 26}, {41, 26}, {41, 24}, {39, 24}});
    EXPECT_TRUE(sameImage(turned(), turnedWant));
}

TEST_F(AlgorithmView, NinthSensorIsMarkedButGetsNoSquare) {
    for (int x = 0; x < 9; ++x) board.at(x, 3) = kSensor;
    form.State.SensorStates = {1, 1, 1, 1, 1, 1, 1, 1};
    draw();
    for (int x = 0; x < 8; ++x) EXPECT_TRUE(filled(sensors(), 10 * x, 30, 10 * x + 9, 39, kGreen)) << x;
    EXPECT_EQ(sensors().pixel(85, 35), kWhite);
    // Marks are red whatever the states; each covers the middle of its cell's 2 x 2 square.
    for (int x = 0; x < 9; ++x) EXPECT_EQ(turned().pixel(10 * x + 5, 35), kRed) << x;
    EXPECT_EQ(form.State.SensorCount, 8);
}

TEST_F(AlgorithmView, LoneHalfOfADoubleSensorIsDrawnNowhere) {
    board.at(10, 10) = kBody;
    draw();  // something on the images first: every call starts afresh
    board.at(10, 10) = kRobotEmpty;
    board.at(5, 5) = kDoubleHalf;
    draw();
    EXPECT_TRUE(sameImage(turned(), background()));
    EXPECT_TRUE(sameImage(sensors(), lattice()));
    EXPECT_EQ(form.State.SensorCount, 0);
}

TEST_F(AlgorithmView, LastRowAndColumnOnlyServeAsADoubleSensorsRightHalf) {
    board.at(20, 4) = kSensor;
    board.at(6, 20) = kSensor;
    board.at(7, 20) = kDoubleHalf;
    board.at(8, 20) = kDoubleHalf;
    board.at(19, 5) = kDoubleHalf;
    board.at(20, 5) = kDoubleHalf;
    draw();
    EXPECT_EQ(form.State.SensorCount, 1);
    Raster want = lattice();
    want.setBrushColour(kRed);
    want.setPenColour(kRed);
    want.rectangle(195, 50, 205, 60);  // clipped at the right edge
    EXPECT_TRUE(sameImage(sensors(), want));
}
