#include "simulation/sensing.h"

#include <algorithm>

namespace vemrik {

namespace {
// The last column and row of the map are never looked at.
constexpr int kVisitedColumns = kMapColumns - 1;
constexpr int kVisitedRows = kMapRows - 1;
}  // namespace

void PlaceAtStart(ProgramState& s) {
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

PoseTransform currentPose(const ProgramState& s) {
    return PoseTransform(s.RobotPosX, s.RobotPosY, s.RobotHeading);
}

void SenseSensors(ProgramState& s, const PoseTransform& pose, const Raster& image) {
    SenseSensors(s, pose, [&image](int x, int y) { return image.pixel(x, y); });
}

PoseTransform placeAndSense(ProgramState& s, const Raster& paintedMap) {
    PlaceAtStart(s);
    const PoseTransform pose = currentPose(s);
    SenseSensors(s, pose, paintedMap);
    return pose;
}

}  // namespace vemrik
