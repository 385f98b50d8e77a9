// The simulation page redraws up to 40 times a second and the run timer steps every 200 ms;
// each case runs beside a plain fill of the same image, the floor any redraw is measured against.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/startup.h"
#include "simulation/sensing.h"
#include "simulation/simulation_view.h"
#include "simulation/step.h"

using namespace vemrik;

namespace {

constexpr int kSegments = 4000;

/// A robot with a body, two wheels and eight sensors (six single, two double).
void buildRobot(ProgramState& s) {
    for (int x = 6; x <= 14; ++x)
        for (int y = 8; y <= 14; ++y) s.RobotGrid.at(x, y) = kBody;
    s.RobotGrid.at(5, 12) = kWheel;
    s.RobotGrid.at(15, 12) = kWheel;
    for (int x : {6, 8, 10, 12, 14, 16}) s.RobotGrid.at(x, 4) = kSensor;
    for (int x : {7, 8, 12, 13}) s.RobotGrid.at(x, 6) = kDoubleHalf;
}

/// Thousands of brush segments wandering over the whole image and a few hundred cells.
ProgramState busyScene() {
    ProgramState s;
    createState(s);
    buildRobot(s);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> step(-25, 25);
    int x = 350, y = 200;
    s.StrokeList.setColumns(kSegments);
    for (int e = 0; e < kSegments; ++e) {
        const int nx = std::clamp(x + step(rng), 0, 700), ny = std::clamp(y + step(rng), 0, 400);
        s.StrokeList.setLength(e, 4);
        s.StrokeList.at(e, 0) = x;
        s.StrokeList.at(e, 1) = y;
        s.StrokeList.at(e, 2) = nx;
        s.StrokeList.at(e, 3) = ny;
        x = nx;
        y = ny;
    }
    for (int cx = 2; cx < 68; ++cx) {
        s.MapGrid.at(cx, 5) = kLine;
        s.MapGrid.at(cx, 34) = kLine;
    }
    for (int cy = 5; cy <= 34; ++cy) {
        s.MapGrid.at(2, cy) = kLine;
        s.MapGrid.at(67, cy) = kLine;
    }
    s.MapGrid.at(2, 20) = kStart;
    s.MapGrid.at(67, 20) = kStop;
    s.ReturnToStart = 0;
    s.RobotPosX = 355.0f;
    s.RobotPosY = 205.0f;
    s.RobotHeading = 30.0f;
    return s;
}

/// A hundred rules; the four that match the all-off pattern stand at the end of the list.
std::vector<std::string> hundredRules() {
    std::vector<std::string> rules;
    for (int i = 0; i < 96; ++i) {
        std::string r;
        for (int k = 0; k < 8; ++k) r += ((i >> (k % 7)) & 1) || k == 7 ? "1 " : "0 ";
        rules.push_back(r + std::to_string(i % 90 - 45));
    }
    for (int angle : {-30, -10, 10, 30}) rules.push_back("0 0 0 0 0 0 0 0 " + std::to_string(angle));
    return rules;
}

void BM_PlainFill(benchmark::State& state) {
    Raster image(701, 401);
    for (auto _ : state) {
        image.fill(kWhite);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_PlainFill);

void BM_SimulationRedrawBusyScene(benchmark::State& state) {
    ProgramState s = busyScene();
    Raster image(701, 401);
    for (auto _ : state) {
        paintSimulationView(s, image);
        benchmark::DoNotOptimize(image.data());
    }
    state.counters["segments"] = s.StrokeList.columns();
}
BENCHMARK(BM_SimulationRedrawBusyScene);

// What a headless run repeats per step once the track is painted: placement and sensing only.
void BM_SenseOnPaintedTrack(benchmark::State& state) {
    ProgramState s = busyScene();
    Raster image(701, 401);
    paintTrack(s, image);
    for (auto _ : state) {
        const PoseTransform pose = placeAndSense(s, image);
        benchmark::DoNotOptimize(pose);
        benchmark::DoNotOptimize(s.SensorStates);
    }
}
BENCHMARK(BM_SenseOnPaintedTrack);

void BM_StepHundredRules(benchmark::State& state) {
    ProgramState s = busyScene();
    const std::vector<std::string> rules = hundredRules();
    std::mt19937 engine(5489u);
    Memo memo;
    for (auto _ : state) {
        stepOnce(s, rules, [&engine] { return engine(); }, &memo);
        benchmark::DoNotOptimize(s.RobotPosX);
    }
}
BENCHMARK(BM_StepHundredRules);

}  // namespace
