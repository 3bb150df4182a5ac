// The standards evaluation's benchmark suite: the sample standard and a generated one
// evaluated end to end for the sample macro, one data-file look-up, and a plain memory mode:
//   standards_bench --memory 10000 [generated]
//     -> resident KiB after 1000 evaluations of the sample (or the generated standard) and
//        after all of them
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "StandardsWorkloads.h"

namespace {

bench::StandardsWorkloads* gWorkloads = nullptr;

template <bool (bench::StandardsWorkloads::*run)()>
void runBenchmark(benchmark::State& state) {
    for (auto _ : state)
        if (!(gWorkloads->*run)()) state.SkipWithError("the evaluation failed");
    state.SetLabel(gWorkloads->plateSize());
}

void SampleEndPlate(benchmark::State& state) {
    runBenchmark<&bench::StandardsWorkloads::evaluateSample>(state);
}
void Generated300x500(benchmark::State& state) {
    runBenchmark<&bench::StandardsWorkloads::evaluateGenerated>(state);
}
void DataFileLookUp5000(benchmark::State& state) {
    runBenchmark<&bench::StandardsWorkloads::lookUpGeneratedData>(state);
}

BENCHMARK(SampleEndPlate)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(Generated300x500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(DataFileLookUp5000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// Resident memory after the first 1000 evaluations and after all of them: the pool, the
// caches and the grid must reach a steady state, not grow with every evaluation.
int runMemory(bench::StandardsWorkloads& workloads, int evaluations, bool generated) {
    long afterThousand = -1;
    for (int i = 1; i <= evaluations; ++i) {
        if (!(generated ? workloads.evaluateGenerated() : workloads.evaluateSample())) {
            std::fprintf(stderr, "evaluation %d failed\n", i);
            return 1;
        }
        if (i == 1000) afterThousand = bench::residentKib();
    }
    const long atEnd = bench::residentKib();
    std::printf("after 1000 evaluations: %ld KiB\nafter %d evaluations: %ld KiB\n", afterThousand,
                evaluations, atEnd);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bench::StandardsWorkloads workloads;
    std::string error;
    if (!workloads.setUp(error)) {
        std::fprintf(stderr, "standards_bench: %s\n", error.c_str());
        return 2;
    }
    gWorkloads = &workloads;
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--memory") == 0)
        return runMemory(workloads, std::atoi(argv[2]),
                         argc == 4 && std::strcmp(argv[3], "generated") == 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
