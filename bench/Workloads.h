#pragma once
// The four benchmark workloads of the grid engine, shared by the Google Benchmark suite and
// the plain per-process runner. Each prepares its input first, then times the engine from an
// empty sheet until every formula has its value, and returns the check value as text.
#include <string>

namespace bench {

struct WorkloadResult {
    double milliseconds = 0;
    std::string check;
};

// name: "W1" chain, "W2" fan-in, "W3" set-and-read, "W4" custom function ("W4w" the same
// through a grid window and its calculation-value records). With
// prepareOnly the input is made and nothing else: the memory baseline of the process.
bool runWorkload(const std::string& name, WorkloadResult& result, bool prepareOnly = false);

}  // namespace bench
