// A race of six of the oval's robots on the oval: its picture redrawn, and one step of all six against six
// steps of one robot alone.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "evaluation/run_setup.h"
#include "race/race.h"
#include "race/race_image.h"
#include "workspace/workspace_file.h"
#include "workspace/workspace_json.h"

using namespace vemrik;

namespace {

Workspace example(const char* name) {
    return *readWorkspaceFile(std::string(VEMRIK_SOURCE_DIR "/examples/") + name + ".vemrik").workspace;
}

/// Six of the oval's robots on the oval, `steps` steps in.
Race sixOnTheOval(int steps) {
    Race race;
    race.setTrack(example("oval"));
    std::vector<EntrantFile> files;
    for (int i = 0; i < Race::kMost; ++i)
        files.push_back({"oval " + std::to_string(i + 1), toJson(example("oval"))});
    race.add(files);
    for (int i = 0; i < steps; ++i) race.step();
    return race;
}

// The picture with six robots, their names and 300 steps of trails, as each refresh redraws it.
void RaceDraw(benchmark::State& state) {
    Race race = sixOnTheOval(300);
    RaceImage image;
    image.draw(race);
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.draw(race).data());
        benchmark::ClobberMemory();
    }
}

// One step of all six, started again when the race is over.
void RaceStep(benchmark::State& state) {
    Race race = sixOnTheOval(0);
    for (auto _ : state)
        if (!race.step()) race.reset();
}

// One step of the oval's robot alone on the oval, started again at the stop: a sixth of the above.
void HeadlessStep(benchmark::State& state) {
    const RunSetup setup = *prepareRun(example("oval")).setup;
    auto run = std::make_unique<HeadlessRun>(setup, Race::kDefaultSeed);
    for (auto _ : state)
        if (!run->step() || run->stopSensed()) run = std::make_unique<HeadlessRun>(setup, Race::kDefaultSeed);
}

BENCHMARK(RaceDraw)->Name("Race/draw_six");
BENCHMARK(RaceStep)->Name("Race/step_six");
BENCHMARK(HeadlessStep)->Name("Race/step_one_alone");

}  // namespace
