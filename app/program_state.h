#pragma once

#include <array>
#include <cstdint>

#include "app/grid.h"

namespace vemrik {

/// Board sizes fixed at form creation.
inline constexpr int kRobotCells = 21;
inline constexpr int kMapColumns = 71;
inline constexpr int kMapRows = 41;
inline constexpr int kSensorSlots = 8;

/// Robot cell codes.
enum RobotCode : std::int32_t { kRobotEmpty = 0, kBody = 1, kWheel = 3, kSensor = 4, kDoubleHalf = 5 };
/// Map cell codes.
enum MapCode : std::int32_t { kMapEmpty = 0, kLine = 1, kStart = 4, kStop = 5 };

/// Notebook page indices.
enum Page : std::int32_t { kRobotPage = 0, kMapPage = 1, kAlgorithmPage = 2, kSimulationPage = 3 };

/// The boards and strokes a user makes and the robot's pose and senses over them.
struct ProgramState {
    std::int32_t ReturnToStart = 1;
    Grid RobotGrid;
    Grid MapGrid;
    Grid StrokeList;
    std::array<std::int32_t, kSensorSlots> SensorStates{};
    std::int32_t SensorCount = 0;
    float RobotPosX = 0.0f;
    float RobotPosY = 0.0f;
    float RobotHeading = 0.0f;
    float StrokeAnchorX = 0.0f;
    float StrokeAnchorY = 0.0f;

    ProgramState() = default;
    ProgramState(const ProgramState&) = default;
    ProgramState& operator=(const ProgramState&) = default;
    /// Releases the grids in the order StrokeList, MapGrid, RobotGrid.
    ~ProgramState();
};

}  // namespace vemrik
