// The grid engine's benchmark suite: the four workloads as Google Benchmarks, and a plain
// mode for run_workloads.sh that runs one workload in this process and prints its figure:
//   grid_bench --workload W1      ->  "W1 <timed ms> <check value>"
//   grid_bench --baseline W1      ->  makes the input only (memory baseline)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "Workloads.h"

namespace {

void runBenchmark(benchmark::State& state, const char* name) {
    for (auto _ : state) {
        bench::WorkloadResult result;
        bench::runWorkload(name, result);
        state.SetIterationTime(result.milliseconds / 1000.0);
        state.SetLabel(result.check);
    }
}

void W1Chain(benchmark::State& state) { runBenchmark(state, "W1"); }
void W2FanIn(benchmark::State& state) { runBenchmark(state, "W2"); }
void W3SetAndRead(benchmark::State& state) { runBenchmark(state, "W3"); }
void W4CustomFunction(benchmark::State& state) { runBenchmark(state, "W4"); }
void W4CustomFunctionThroughWindow(benchmark::State& state) { runBenchmark(state, "W4w"); }

BENCHMARK(W1Chain)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(W2FanIn)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(W3SetAndRead)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(W4CustomFunction)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(W4CustomFunctionThroughWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && (std::strcmp(argv[1], "--workload") == 0 ||
                      std::strcmp(argv[1], "--baseline") == 0)) {
        bool baseline = std::strcmp(argv[1], "--baseline") == 0;
        bench::WorkloadResult result;
        if (!bench::runWorkload(argv[2], result, baseline)) {
            std::fprintf(stderr, "unknown workload %s\n", argv[2]);
            return 2;
        }
        if (!baseline) std::printf("%s %.3f %s\n", argv[2], result.milliseconds, result.check.c_str());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
