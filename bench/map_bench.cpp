#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "map/map_editor.h"
#include "ui/form.h"

using namespace vemrik;

namespace {

constexpr int kSegments = 10000;

/// A long brush drag as move events deliver it: short steps of a few pixels along a curve
/// that wanders over the whole map.
void drawBrushDrag(Grid& strokes, int segments) {
    int px = 350, py = 200;
    for (int k = 1; k <= segments; ++k) {
        const double t = k * 0.01;
        const int x = 350 + static_cast<int>(330 * std::sin(1.3 * t));
        const int y = 200 + static_cast<int>(180 * std::sin(2.1 * t + 0.7));
        appendStroke(strokes, px, py, x, y);
        px = x;
        py = y;
    }
}

/// The worst a user can do: every segment a long line across the map.
void drawLongSegments(Grid& strokes, int segments) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> xs(0, 700), ys(0, 400);
    for (int k = 0; k < segments; ++k) appendStroke(strokes, xs(rng), ys(rng), xs(rng), ys(rng));
}

void BM_RasterFill(benchmark::State& state) {
    Raster image(701, 401);
    for (auto _ : state) {
        image.fill(kWhite);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_RasterFill)->Unit(benchmark::kMicrosecond);

void BM_MapRedrawEmpty(benchmark::State& state) {
    TForm1 form;
    for (auto _ : state) {
        form.BitBtn3Click();
        benchmark::DoNotOptimize(form.Image2.canvas.data());
    }
}
BENCHMARK(BM_MapRedrawEmpty)->Unit(benchmark::kMicrosecond);

void BM_MapRedrawBrushDrag(benchmark::State& state) {
    TForm1 form;
    drawBrushDrag(form.State.StrokeList, kSegments);
    for (auto _ : state) {
        form.BitBtn3Click();
        benchmark::DoNotOptimize(form.Image2.canvas.data());
    }
    state.counters["segments"] = kSegments;
}
BENCHMARK(BM_MapRedrawBrushDrag)->Unit(benchmark::kMillisecond);

void BM_MapRedrawLongSegments(benchmark::State& state) {
    TForm1 form;
    drawLongSegments(form.State.StrokeList, kSegments);
    for (auto _ : state) {
        form.BitBtn3Click();
        benchmark::DoNotOptimize(form.Image2.canvas.data());
    }
    state.counters["segments"] = kSegments;
}
BENCHMARK(BM_MapRedrawLongSegments)->Unit(benchmark::kMillisecond);

}  // namespace
