#pragma once

#include <concepts>

#include "app/program_state.h"
#include "raster/raster.h"
#include "simulation/pose.h"
#include "simulation/sensor_layout.h"

namespace vemrik {

/// While ReturnToStart is 1, puts the robot on the centre of the last start cell met column by
/// column over columns 0 .. 69 and rows 0 .. 39; otherwise, or with no start cell, does nothing.
void PlaceAtStart(ProgramState& s);

/// The pose of this redraw: the current position, the heading turned into one angle.
PoseTransform currentPose(const ProgramState& s);

/// Records what one sample point read: grey turns the counted sensor on (the ninth sensor on
/// has no state to turn on), red asks for the return to the start.
inline void recordSample(ProgramState& s, Colour c) {
    if (c == kGrey && s.SensorCount < kSensorSlots) s.SensorStates[s.SensorCount] = 1;
    if (c == kRed) s.ReturnToStart = 1;
}

/// The sensing pass: every state cleared, then each sensor's five sample points read in sensor
/// order through readPixel(x, y); at most eight sensors are counted, but every sensor's points
/// still detect the stop. Leaves SensorCount at 0 for the drawing to count again.
template <class ReadPixel>
requires std::invocable<ReadPixel&, int, int>
void SenseSensors(ProgramState& s, const PoseTransform& pose, ReadPixel&& readPixel) {
    s.SensorCount = 0;
    for (auto& v : s.SensorStates) v = 0;
    forEachSensor(s.RobotGrid, [&](const Sensor& sensor) {
        for (const FramePoint& p : samplePoints(sensor)) {
            const Pixel px = pose.RobotToMap(p);
            recordSample(s, readPixel(px.x, px.y));
        }
        if (s.SensorCount < kSensorSlots) ++s.SensorCount;
    });
    s.SensorCount = 0;
}

/// The sensing pass over a painted image.
void SenseSensors(ProgramState& s, const PoseTransform& pose, const Raster& image);

/// What every redraw does between painting the map and drawing the robot: the start placement,
/// then the sensing pass on the image at the pose that follows. Returns that pose.
PoseTransform placeAndSense(ProgramState& s, const Raster& paintedMap);

}  // namespace vemrik
