#include "scenes/scenes.h"

#include <cmath>
#include <random>
#include <string>

#include "algorithm/rule_text.h"
#include "map/map_editor.h"

namespace vemrik {

namespace {

constexpr double kPi = 3.141592653589793;

// The oval every track scene uses: centre (350, 200), half-axes 250 and 140.
std::pair<int, int> ovalPoint(double t) {
    return {static_cast<int>(std::lround(350 + 250 * std::cos(t))),
            static_cast<int>(std::lround(200 + 140 * std::sin(t)))};
}

// A body of 7 x 8 cells with four wheels at its sides, sensors in a row in front of it.
void buildRobot(Grid& robot, int sensors) {
    for (int x = 7; x <= 13; ++x)
        for (int y = 9; y <= 16; ++y) robot.at(x, y) = kBody;
    for (int y : {10, 15}) {
        robot.at(6, y) = kWheel;
        robot.at(14, y) = kWheel;
    }
    for (int k = 0; k < sensors; ++k) robot.at(6 + k, 7) = kSensor;
}

std::string rule(const std::array<std::int32_t, kSensorSlots>& pattern, int angle) {
    std::string text;
    ruleText(pattern, angle, text);
    return text;
}

}  // namespace

Workspace typicalScene() {
    Workspace ws;
    constexpr int kSegments = 300;
    for (int i = 0; i < kSegments; ++i) {
        const auto [x0, y0] = ovalPoint(2 * kPi * i / kSegments);
        const auto [x1, y1] = ovalPoint(2 * kPi * (i + 1) / kSegments);
        appendStroke(ws.strokes, x0, y0, x1, y1);
    }
    // A line cell under each of 400 points round the oval: 146 cells, two of which then become
    // the start and the stop cell.
    constexpr int kCellPoints = 400;
    for (int i = 0; i < kCellPoints; ++i) {
        const auto [x, y] = ovalPoint(2 * kPi * (i + 0.5) / kCellPoints);
        ws.map.at(x / 10, y / 10) = kLine;
    }
    ws.map.at(35, 34) = kStart;  // bottom of the oval
    ws.map.at(10, 20) = kStop;   // left end
    buildRobot(ws.robot, 8);
    ws.startHeading = 90;  // along the bottom of the oval, to the right

    // Steer towards the sensor that sees the line: further out, sharper turn.
    constexpr int kAngles[] = {-30, -20, -10, -5, 5, 10, 20, 30};
    for (int k = 0; k < 8; ++k) {
        std::array<std::int32_t, kSensorSlots> p{};
        p[static_cast<std::size_t>(k)] = 1;
        ws.rules.push_back(rule(p, kAngles[k]));
    }
    for (int k = 0; k < 7; ++k) {
        std::array<std::int32_t, kSensorSlots> p{};
        p[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k + 1)] = 1;
        ws.rules.push_back(rule(p, (kAngles[k] + kAngles[k + 1]) / 2));
    }
    ws.rules.push_back(rule({1, 1, 1, 0, 0, 0, 0, 0}, -25));
    ws.rules.push_back(rule({0, 0, 0, 0, 0, 1, 1, 1}, 25));
    ws.rules.push_back(rule({0, 0, 1, 1, 1, 1, 0, 0}, 0));
    ws.rules.push_back(rule({0, 0, 0, 0, 0, 0, 0, 0}, 15));
    ws.rules.push_back(rule({1, 1, 1, 1, 1, 1, 1, 1}, 0));
    return ws;
}

Workspace busyScene() {
    Workspace ws;
    std::mt19937 random(12345u);
    const auto coord = [&](int limit) { return static_cast<int>(random() % static_cast<unsigned>(limit)); };
    // Scribbles: chains of short moves, as a brush drag records them.
    int x = 350, y = 200;
    for (int i = 0; i < 10000; ++i) {
        if (i % 50 == 0) {
            x = coord(701);
            y = coord(401);
        }
        const int nx = x + coord(21) - 10, ny = y + coord(21) - 10;
        appendStroke(ws.strokes, x, y, nx, ny);
        x = nx;
        y = ny;
    }
    int cells = 0;
    while (cells < 2000) {
        std::int32_t& cell = ws.map.at(coord(70), coord(40));
        if (cell != kMapEmpty) continue;
        cell = cells == 0 ? kStart : (cells % 97 == 0 ? kStop : kLine);
        ++cells;
    }
    buildRobot(ws.robot, 9);
    for (int r = 0; r < 100; ++r) {
        std::array<std::int32_t, kSensorSlots> p{};
        for (auto& v : p) v = static_cast<std::int32_t>(random() % 4 == 0);
        ws.rules.push_back(rule(p, static_cast<int>(random() % 121) - 60));
    }
    return ws;
}

}  // namespace vemrik
