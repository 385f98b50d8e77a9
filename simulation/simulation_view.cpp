#include "simulation/simulation_view.h"

#include <algorithm>

#include "map/map_paint.h"
#include "simulation/robot_outline.h"
#include "simulation/sensing.h"
#include "simulation/sensor_layout.h"

namespace vemrik {

namespace {

// Only columns and rows 0 .. 19 of the robot board are drawn.
constexpr int kDrawnCells = kRobotCells - 1;

void outlineCell(Raster& image, const PoseTransform& pose, int x, int y, Colour c) {
    image.setPenColour(c);
    drawTurned(image, pose, cellOutline(x, y));
}

void markSensor(ProgramState& s, Raster& image, const PoseTransform& pose, const Sensor& sensor) {
    // A sensor past the eighth has no state to show and is not counted.
    if (s.SensorCount >= kSensorSlots) return;
    image.setPenColour(s.SensorStates[s.SensorCount] != 0 ? kGreen : kRed);
    drawTurned(image, pose, samplePoints(sensor));
    ++s.SensorCount;
}

}  // namespace

void paintTrack(const ProgramState& s, Raster& image) {
    image.setBrushColour(kWhite);
    image.setPenColour(kWhite);
    image.rectangle(0, 0, image.width() + 1, image.height() + 1);
    paintStrokes(s.StrokeList, image);
    paintCells(s.MapGrid, image);
}

void drawRobot(ProgramState& s, const PoseTransform& pose, Raster& image) {
    const Grid& robot = s.RobotGrid;
    const int rows = std::min(robot.length(0), kDrawnCells);
    const int columns = std::min(robot.columns(), kDrawnCells);
    Sensor sensor{};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x) {
            const std::int32_t code = robot.at(x, y);
            if (code == kBody) outlineCell(image, pose, x, y, kGrey);
            if (code == kWheel) outlineCell(image, pose, x, y, kBlack);
            if (!sensorAt(robot, x, y, sensor)) continue;
            outlineCell(image, pose, x, y, kGrey);
            if (sensor.isDouble) outlineCell(image, pose, x + 1, y, kGrey);
            markSensor(s, image, pose, sensor);
        }
}

void paintSimulationView(ProgramState& s, Raster& image) {
    paintTrack(s, image);
    // The placement leaves the image alone, so the pen may be set before it.
    image.setPenColour(kBlack);
    image.setPenWidth(kRobotPenWidth);
    const PoseTransform pose = placeAndSense(s, image);
    drawRobot(s, pose, image);
    image.setPenWidth(0);
}

}  // namespace vemrik
