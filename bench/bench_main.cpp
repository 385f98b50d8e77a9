#include <benchmark/benchmark.h>

#include "bench/floor_table.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vemrik::bench::FloorTableReporter reporter;
    reporter.compare("BitBtn3Click/busy", vemrik::bench::kPeerName);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
