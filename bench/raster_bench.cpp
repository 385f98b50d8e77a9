// The raster and the sensing on their own, at their worst.
#include <benchmark/benchmark.h>

#include <random>

#include "bench/bench_scenes.h"
#include "engine/sensing.h"
#include "map/map_paint.h"
#include "simulation/simulation_view.h"

namespace vemrik::bench {

namespace {

// The worst a user can draw: 10,000 brush segments each right across the map.
void WideLinesLong(benchmark::State& state) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> xs(0, 700), ys(0, 400);
    std::vector<std::array<int, 4>> segments(10000);
    for (auto& s : segments) s = {xs(rng), ys(rng), xs(rng), ys(rng)};
    Raster image(701, 401);
    for (auto _ : state) {
        for (const auto& s : segments) paintSegment(image, s[0], s[1], s[2], s[3]);
        benchmark::ClobberMemory();
    }
}

// What a headless run repeats per step once the track is painted: placement and sensing.
void SenseOnBusyTrack(benchmark::State& state) {
    TForm1 form;
    prepareForm(form, Scene::kBusy);
    Raster image(701, 401);
    paintTrack(form.State, image);
    for (auto _ : state) {
        const PoseTransform pose = form.engine.placeAndSense(image);
        benchmark::DoNotOptimize(pose);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(WideLinesLong)->Name("Raster/10000_long_10px_lines")->Unit(benchmark::kMillisecond);
BENCHMARK(SenseOnBusyTrack)->Name("Sense/busy");

}  // namespace vemrik::bench
