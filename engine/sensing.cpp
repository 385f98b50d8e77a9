#include "engine/sensing.h"

#include <algorithm>

#include "robot/robot_cells.h"

namespace vemrik {

namespace {
// The last column and row of the map are never looked at.
constexpr int kVisitedColumns = kMapColumns - 1;
constexpr int kVisitedRows = kMapRows - 1;
}  // namespace

void SensorSamples::follow(const Grid& robot, std::uint64_t version) {
    if (version == version_ && version != 0) return;
    list(robot);
    version_ = version;
}

void SensorSamples::list(const Grid& robot) {
    version_ = 0;
    points_.clear();
    int sensors = 0;
    forEachSensor(robot, [&](const Sensor& sensor) {
        const int slot = sensors < kSensorSlots ? sensors : -1;
        const auto corners = samplePoints(sensor);
        for (std::size_t i = 0; i + 1 < corners.size(); ++i) points_.push_back({corners[i], slot});
        ++sensors;
    });
    counted_ = std::min(sensors, kSensorSlots);
}

void recordSensed(ProgramState& s, Sensed sensed, int counted) {
    for (int k = 0; k < kSensorSlots; ++k)
        s.SensorStates[static_cast<std::size_t>(k)] = (sensed.pattern >> k) & 1;
    if (sensed.stop) s.ReturnToStart = 1;
    s.SensorCount = counted;
}

void placeAtStart(ProgramState& s) {
    if (s.ReturnToStart != 1) return;
    const int columns = std::min(s.MapGrid.columns(), kVisitedColumns);
    for (int x = 0; x < columns; ++x) {
        const int rows = std::min(s.MapGrid.length(x), kVisitedRows);
        for (int y = 0; y < rows; ++y)
            if (s.MapGrid.at(x, y) == kStart) {
                s.RobotPosX = static_cast<float>(10 * x + 5);
                s.RobotPosY = static_cast<float>(10 * y + 5);
            }
    }
}

bool hasStartCell(const Grid& map) {
    const int columns = std::min(map.columns(), kVisitedColumns);
    for (int x = 0; x < columns; ++x) {
        const int rows = std::min(map.length(x), kVisitedRows);
        for (int y = 0; y < rows; ++y)
            if (map.at(x, y) == kStart) return true;
    }
    return false;
}

PoseTransform currentPose(const ProgramState& s) {
    return PoseTransform(s.RobotPosX, s.RobotPosY, s.RobotHeading);
}

void senseSensors(ProgramState& s, const PoseTransform& pose, const Raster& image) {
    senseSensors(s, pose, [&image](int x, int y) { return image.pixel(x, y); });
}

}  // namespace vemrik
