#include <benchmark/benchmark.h>

#include <string>

#include "bench/floor_table.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vemrik::bench::FloorTableReporter reporter;
    reporter.compare("BitBtn3Click/busy", vemrik::bench::kPeerName);
    // The headless runs on all cores against one thread (see evaluation_bench.cpp).
    const auto threads = [](int n) {
        return "BM_StepsAllCores/" + std::to_string(n) + "/process_time/real_time";
    };
    reporter.compareSteps(threads(vemrik::bench::allCores()), threads(1));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
