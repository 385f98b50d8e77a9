// What the sensors read and where the simulation page draws, at the edges of the map, of the
// image and past the eighth sensor.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "app/startup.h"
#include "engine/sensing.h"
#include "engine/turned_samples.h"
#include "simulation/simulation_view.h"
#include "tests/engine_edits.h"

using namespace vemrik;

namespace {

void paint(Raster& image, int x1, int y1, int x2, int y2, Colour c) {
    image.setBrushColour(c);
    image.setPenColour(c);
    image.rectangle(x1, y1, x2, y2);
}

}  // namespace

TEST(Sensing, OnlyEightSensorsHaveStatesAndTheTenthStillStops) {
    ProgramState s;  // fresh boards, running (not held) at (100, 100)
    createState(s);
    s.ReturnToStart = 0;
    s.RobotPosX = s.RobotPosY = 100.0f;
    for (int x = 0; x < 10; ++x)
        s.RobotGrid.at(x, 3) = kSensor;  // sensor x samples 10x+4 .. 10x+6, rows 34 .. 36
    Raster image(701, 401);
    paint(image, 0, 0, 701, 401, kBlue);  // blue is nothing
    paint(image, 80, 30, 90, 40, kGrey);  // under the ninth only
    paint(image, 90, 30, 100, 40, kRed);  // under the tenth only
    senseSensors(s, currentPose(s), image);
    EXPECT_EQ(std::tuple(s.SensorStates, s.SensorCount, s.ReturnToStart),
              std::tuple(std::array<std::int32_t, 8>{}, 8, 1));
}

// Outlines are 2 pixels wide: the body's top edge along y = 210 covers rows 209 and 210.
TEST(SimulationView, ARobotHalfOffTheImageIsClippedSensesWhatIsOnAndLeavesPenWidthZero) {
    Engine e;
    setRun(e, [](RunMoment& m) { m.returnToStart = 0, m.x = 0.0f, m.y = 200.0f; });
    setTrack(e, [](ProgramState& s) { s.MapGrid.at(9, 20) = kLine; });
    setRobot(e, [](ProgramState& s) {
        s.RobotGrid.at(0, 10) = kSensor;                             // samples x -96 .. -94: off the image
        s.RobotGrid.at(19, 10) = kSensor;                            // (94 .. 96, 204 .. 206): on the line
        for (int x = 0; x < 20; ++x) s.RobotGrid.at(x, 11) = kBody;  // cells from x = -100 to 100
    });
    const ProgramState& s = e.state();
    Raster image(701, 401);
    Raster track(701, 401);
    paintTrack(s, track);
    e.placeAndSense(track);
    paintSimulationView(e, image);
    EXPECT_EQ(
        std::tuple(s.SensorCount, s.SensorStates[0], s.SensorStates[1], s.ReturnToStart, image.penWidth()),
        std::tuple(2, 0, 1, 0, 0));
    EXPECT_EQ(
        std::tuple(image.pixel(95, 205), image.pixel(0, 209), image.pixel(45, 210), image.pixel(45, 208)),
        std::tuple(kGreen, kGrey, kGrey, kWhite));
}

// The evaluation's sensing turns the points only when the heading changes and reads without
// bounds checks when the robot is well within the image; it must read what senseSamples reads,
// on and off the image, at its edges and for wild poses.
TEST(Sensing, TurnedSamplesSenseExactlyAsSenseSamples) {
    Grid robot;
    robot.setColumns(kRobotCells);
    for (int x = 0; x < kRobotCells; ++x) robot.setLength(x, kRobotCells);
    for (int x = 0; x < 20; x += 3) robot.at(x, x % 7) = kSensor;  // seven sensors, corners too
    robot.at(19, 19) = robot.at(0, 19) = kSensor;
    robot.at(4, 12) = robot.at(5, 12) = kDoubleHalf;  // the tenth is double
    SensorSamples samples;
    samples.list(robot);
    std::mt19937 random(3);
    std::vector<Sight> pixels(701 * 401);
    for (Sight& p : pixels) p = static_cast<Sight>(random() % 3);
    const SightView sight{pixels.data(), 701, 401};
    TurnedSamples turned(samples, sight);
    std::uniform_real_distribution<float> x(-150.0f, 850.0f), y(-150.0f, 550.0f), heading(-720.0f, 720.0f);
    std::vector<float> poses;        // x, y, heading
    for (int i = 0; i < 20000; ++i)  // two of three keep the heading before
        poses.insert(poses.end(), {x(random), y(random), i % 3 ? poses.back() : heading(random)});
    for (float d = 0.0f; d < 160.0f; d += 0.5f)  // into the image from each edge, turning about
        for (float h = 0.0f; h < 360.0f; h += 3.0f)
            poses.insert(poses.end(),
                         {d, 200.0f, h, 701.0f - d, 200.0f, h, 350.0f, d, h, 350.0f, 401.0f - d, h});
    const float wild[] = {0.0f, 1e30f, -1e30f, INFINITY, -INFINITY, NAN};
    for (float a : wild)
        for (float b : wild) poses.insert(poses.end(), {a, b, 30.0f, 350.0f, 200.0f, a + b, a, 200.0f, b});
    for (std::size_t i = 0; i < poses.size(); i += 3) {
        const PoseTransform pose(poses[i], poses[i + 1], poses[i + 2]);
        const Sensed want = senseSamples(samples, pose, [&](int px, int py) { return sight.at(px, py); });
        const Sensed got = turned.sense(poses[i], poses[i + 1], poses[i + 2]);
        ASSERT_EQ(std::tuple(got.pattern, got.stop), std::tuple(want.pattern, want.stop))
            << poses[i] << ", " << poses[i + 1] << ", " << poses[i + 2];
    }
}
