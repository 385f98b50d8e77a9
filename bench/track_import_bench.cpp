// Turning a map-sized picture into a track: what the import dialog redoes after every change.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "track_import/threshold.h"
#include "track_import/track_import.h"

namespace vemrik::bench {

namespace {

/// A tape loop 18 pixels wide with dust, as a photo of a floor track gives it.
GreyImage tapeLoop() {
    GreyImage g{701, 401, std::vector<std::uint8_t>(701 * 401)};
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> dust(0, 400);
    for (int y = 0; y < 401; ++y)
        for (int x = 0; x < 701; ++x) {
            const double r = std::hypot((x - 350) / 1.6, y - 200.0);
            const bool tape = std::abs(r - 150) <= 9;
            g.pixels[static_cast<std::size_t>(y * 701 + x)] =
                static_cast<std::uint8_t>(tape || dust(rng) == 0 ? 40 : 220 - x / 20);
        }
    return g;
}

/// The worst case for thinning: a picture dark nearly everywhere, as with the threshold pushed up.
GreyImage mostlyDark() {
    GreyImage g{701, 401, std::vector<std::uint8_t>(701 * 401, 30)};
    for (int y = 150; y < 250; ++y)
        for (int x = 300; x < 400; ++x) g.pixels[static_cast<std::size_t>(y * 701 + x)] = 230;
    return g;
}

void run(benchmark::State& state, const GreyImage& picture, ImportMode mode) {
    ImportOptions options;
    options.threshold = otsuThreshold(picture);
    options.mode = mode;
    for (auto _ : state) {
        const ImportedTrack track = importTrack(picture, options);
        benchmark::DoNotOptimize(track.strokes.data());
    }
}

void ImportTapeLoopStrokes(benchmark::State& state) { run(state, tapeLoop(), ImportMode::Strokes); }
void ImportTapeLoopCells(benchmark::State& state) { run(state, tapeLoop(), ImportMode::Cells); }
void ImportMostlyDarkStrokes(benchmark::State& state) { run(state, mostlyDark(), ImportMode::Strokes); }

}  // namespace

BENCHMARK(ImportTapeLoopStrokes)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportTapeLoopCells)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportMostlyDarkStrokes)->Unit(benchmark::kMillisecond);

}  // namespace vemrik::bench
