#include "robot_export/wiring_svg.h"

#include <algorithm>
#include <cstdlib>

#include "robot_export/default_pins.h"

namespace vemrik {

namespace {

constexpr int kRow = 28;
constexpr int kTop = 100;
constexpr int kBoardRight = 200;
constexpr int kPartLeft = 420;

std::string num(int v) { return std::to_string(v); }

std::string text(int x, int y, const std::string& s, const char* anchor = "start",
                 const char* weight = "normal") {
    return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\" font-weight=\"" +
           weight + "\">" + s + "</text>\n";
}

std::string rect(int x, int y, int w, int h, const char* fill) {
    return "<rect x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(w) + "\" height=\"" + num(h) +
           "\" rx=\"6\" fill=\"" + fill + "\" stroke=\"#333\" stroke-width=\"1.5\"/>\n";
}

std::string line(int x1, int y1, int x2, int y2, const char* colour, double width = 2.5) {
    return "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" + num(y2) +
           "\" stroke=\"" + colour + "\" stroke-width=\"" + std::to_string(width).substr(0, 3) + "\"/>\n";
}

/// One wire from a board pin to a part's input, at row `row`.
std::string wire(int row, const std::string& pin, const std::string& input, const char* colour) {
    const int y = kTop + row * kRow;
    return text(kBoardRight - 10, y + 5, pin, "end") + line(kBoardRight, y, kPartLeft, y, colour) +
           text(kPartLeft + 10, y + 5, input);
}

std::string group(int firstRow, int rows, const std::string& title, const char* fill) {
    const int y = kTop + firstRow * kRow - kRow / 2;
    return rect(kPartLeft, y, 190, rows * kRow, fill) + text(kPartLeft + 180, y + 18, title, "end", "bold");
}

/// The robot from above: its turning point, the way forward and each sensor where it reads.
std::string topView(const SketchPlan& plan, int x, int y, int size) {
    int reach = 20;
    for (const Sensor& s : plan.sensors) {
        const SensorPlace p = sensorPlace(s);
        reach = std::max({reach, std::abs(p.rightMm), std::abs(p.forwardMm)});
    }
    const int cx = x + size / 2, cy = y + size / 2, half = size / 2 - 30;
    std::string out = text(cx, y - 10, "Robot z góry (przód w górę)", "middle", "bold") +
                      rect(x, y, size, size, "#f7f7f7") + line(cx - half, cy, cx + half, cy, "#999", 1) +
                      line(cx, cy + half, cx, cy - half, "#999", 1) + "<circle cx=\"" + num(cx) + "\" cy=\"" +
                      num(cy) + "\" r=\"4\" fill=\"#333\"/>\n" + text(cx - 8, cy + 18, "oś kół", "end");
    for (std::size_t k = 0; k < plan.sensors.size(); ++k) {
        const SensorPlace p = sensorPlace(plan.sensors[k]);
        const int sx = cx + p.rightMm * half / reach, sy = cy - p.forwardMm * half / reach;
        out += "<circle cx=\"" + num(sx) + "\" cy=\"" + num(sy) + "\" r=\"5\" fill=\"#2a7\"/>\n" +
               text(sx, sy - 8, "S" + num(static_cast<int>(k) + 1), "middle");
    }
    return out + text(cx, y + size + 20, "od osi do brzegu: " + num(reach) + " mm", "middle");
}

/// Each sensor's place in millimetres, as the sketch's comment gives it, below the top view.
std::string placeTable(const SketchPlan& plan, int x, int y) {
    std::string out = text(x, y, "Miejsca czujników, mm", "start", "bold") +
                      text(x + 110, y + 20, "w prawo", "end") + text(x + 200, y + 20, "do przodu", "end");
    for (std::size_t k = 0; k < plan.sensors.size(); ++k) {
        const SensorPlace p = sensorPlace(plan.sensors[k]);
        const int row = y + 20 * (static_cast<int>(k) + 2);
        out += text(x, row, "S" + num(static_cast<int>(k) + 1)) + text(x + 110, row, num(p.rightMm), "end") +
               text(x + 200, row, num(p.forwardMm), "end");
    }
    return out;
}

}  // namespace

std::string wiringSvg(const SketchPlan& plan) {
    const int sensors = static_cast<int>(plan.sensors.size());
    const int rows = sensors + 1 + static_cast<int>(kMotorPins.size()) + 1 + 2;
    const int height = kTop + rows * kRow + 40;
    const int width = 1100;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(width) + "\" height=\"" +
                      num(height) + "\" viewBox=\"0 0 " + num(width) + " " + num(height) +
                      "\" font-family=\"sans-serif\" font-size=\"14\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n" +
                      text(30, 30, "Połączenia szkicu „" + plan.name + "” (piny domyślne)", "start", "bold") +
                      rect(30, kTop - 45, kBoardRight - 30, rows * kRow + 30, "#d9ecf7") +
                      text(45, kTop - 22, "Arduino Uno / Nano", "start", "bold");
    svg += group(0, sensors, "Czujniki", "#e3f4e8");
    for (int k = 0; k < sensors; ++k)
        svg += wire(k, kSensorPins[static_cast<std::size_t>(k)], "S" + num(k + 1) + " (OUT)", "#2a7");
    const int motorRow = sensors + 1;
    svg += group(motorRow, static_cast<int>(kMotorPins.size()), "Mostek H", "#fbe9d6");
    for (std::size_t i = 0; i < kMotorPins.size(); ++i)
        svg += wire(motorRow + static_cast<int>(i), kMotorPins[i].pin, kMotorPins[i].input,
                    i % 3 == 0 ? "#c60" : "#e90");
    const int powerRow = motorRow + static_cast<int>(kMotorPins.size()) + 1;
    svg += wire(powerRow, "5V", "VCC czujników", "#d22") +
           wire(powerRow + 1, "GND", "GND czujników i mostka H", "#222");
    // The motors hang off the driver's outputs, and their own battery feeds it.
    const int out = kPartLeft + 200, motorTop = kTop + motorRow * kRow - kRow / 2;
    svg += rect(out + 20, motorTop, 200, 3 * kRow - 6, "#eee") +
           text(out + 30, motorTop + 22, "lewy silnik") + text(out + 30, motorTop + 44, "OUT1, OUT2") +
           rect(out + 20, motorTop + 3 * kRow, 200, 3 * kRow - 6, "#eee") +
           text(out + 30, motorTop + 3 * kRow + 22, "prawy silnik") +
           text(out + 30, motorTop + 3 * kRow + 44, "OUT3, OUT4") +
           line(out - 10, motorTop + kRow, out + 20, motorTop + kRow, "#555") +
           line(out - 10, motorTop + 4 * kRow, out + 20, motorTop + 4 * kRow, "#555");
    // The battery feeds the driver's +12V terminal and the board's VIN; the jumpers would tie ENA
    // and ENB to 5 V against the PWM pins.
    const int battery = motorTop + 6 * kRow;
    svg +=
        rect(out + 20, battery, 200, 2 * kRow, "#fff4c2") +
        text(out + 30, battery + 22, "bateria 7 … 12 V", "start", "bold") +
        text(out + 30, battery + 44, "+ do +12V mostka i VIN") +
        text(kPartLeft + 10, kTop + (motorRow - 1) * kRow + 5, "zdejmij zworki ENA i ENB", "start", "bold") +
        text(30, height - 14,
             "Bateria (np. 2 × 18650 albo 6 × AA): plus do zacisku +12V mostka H i do VIN Arduino, "
             "minus do GND obu.");
    svg += topView(plan, out + 250, kTop - 45, 200) + placeTable(plan, out + 250, kTop + 210);
    return svg + "</svg>\n";
}

}  // namespace vemrik
