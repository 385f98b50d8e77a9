#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <vector>

#include "app/grid.h"
#include "app/program_state.h"
#include "raster/raster.h"
#include "robot/pose.h"

namespace vemrik {

/// What a sensor's sample point makes of one pixel of the painted track.
enum class Sight : std::uint8_t { Nothing, Line, Stop };

/// Line grey and stop red are part of the model; every other colour is nothing to a sensor.
inline Sight sightOf(Colour c) { return c == kGrey ? Sight::Line : c == kRed ? Sight::Stop : Sight::Nothing; }

/// One sample point of a sensor and the state slot that grey turns on (-1 for a sensor past the
/// eighth, whose points only detect the stop).
struct SamplePoint {
    FramePoint point;
    int slot;
};

/// The robot's sample points in sensor order, four per sensor: the fifth corner of a sensor's
/// square is the first again and reads the same pixel.
class SensorSamples {
public:
    /// Lists the points of the robot at this version, unless they were listed from it last.
    void follow(const Grid& robot, std::uint64_t version);
    /// Lists the points of the robot as it is now.
    void list(const Grid& robot);
    const std::vector<SamplePoint>& points() const { return points_; }
    /// Sensors that have a state: at most eight.
    int counted() const { return counted_; }

private:
    std::uint64_t version_ = 0;  // no robot has version 0: nothing listed yet
    std::vector<SamplePoint> points_;
    int counted_ = 0;
};

/// What one sensing pass saw: bit k for sensor k on the line, and whether any point saw a stop.
struct Sensed {
    int pattern = 0;
    bool stop = false;
};

/// The sensing pass: each sample point carried onto the map by the pose and looked at through
/// at(x, y), which gives the Sight of that pixel.
template <class At>
requires std::invocable<At&, int, int> Sensed senseSamples(const SensorSamples& samples,
                                                           const PoseTransform& pose, At&& at) {
    Sensed r;
    for (const SamplePoint& p : samples.points()) {
        const Pixel px = pose.robotToMap(p.point);
        const Sight seen = at(px.x, px.y);
        if (seen == Sight::Line && p.slot >= 0) r.pattern |= 1 << p.slot;
        if (seen == Sight::Stop) r.stop = true;
    }
    return r;
}

/// A painted track classified once: what each pixel means to a sensor, row by row.
struct SightView {
    const Sight* data = nullptr;
    int width = 0;
    int height = 0;

    /// What the pixel under (x, y) means to a sensor; nothing outside the image.
    Sight at(int x, int y) const {
        if (static_cast<unsigned>(x) >= static_cast<unsigned>(width) ||
            static_cast<unsigned>(y) >= static_cast<unsigned>(height))
            return Sight::Nothing;
        return data[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                    static_cast<std::size_t>(x)];
    }
};

/// Writes a pass into the state: every state set from the pattern, the stop asks for the return
/// to the start, and SensorCount holds the sensors that have a state.
void recordSensed(ProgramState& s, Sensed sensed, int counted);

/// While ReturnToStart is 1, puts the robot on the centre of the last start cell met column by
/// column over columns 0 .. 69 and rows 0 .. 39; otherwise, or with no start cell, does nothing.
void placeAtStart(ProgramState& s);
/// Whether placeAtStart finds a start cell to put the robot on.
bool hasStartCell(const Grid& map);

/// The pose to sense and draw at: the current position, the heading turned into one angle.
PoseTransform currentPose(const ProgramState& s);

/// A whole sensing pass over colours read through readPixel(x, y), for callers without an engine.
template <class ReadPixel>
requires std::invocable<ReadPixel&, int, int>
void senseSensors(ProgramState& s, const PoseTransform& pose, ReadPixel&& readPixel) {
    SensorSamples samples;
    samples.list(s.RobotGrid);
    recordSensed(s, senseSamples(samples, pose, [&](int x, int y) { return sightOf(readPixel(x, y)); }),
                 samples.counted());
}

/// The sensing pass over a painted image.
void senseSensors(ProgramState& s, const PoseTransform& pose, const Raster& image);

}  // namespace vemrik
