#pragma once
// The standards evaluation as the benchmarks drive it: the module loaded the way the host
// loads it, a library folder in a temporary place holding a copy of the sample library and
// a generated standard, and the sample drawing loaded once. Each evaluation then goes the
// whole way through the launch point: load the standard, map, calculate with its children,
// write back into the macro.
#include <filesystem>
#include <memory>
#include <string>

namespace bench {

class StandardsWorkloads {
public:
    StandardsWorkloads();
    ~StandardsWorkloads();
    StandardsWorkloads(const StandardsWorkloads&) = delete;
    StandardsWorkloads& operator=(const StandardsWorkloads&) = delete;

    // False, with error set, when the module, the library or the drawing is not there.
    bool setUp(std::string& error);

    // The sample end-plate standard for the sample macro, through its mapping file.
    bool evaluateSample();
    // The generated standard: 300 variables, 500 equations, 2 child calls and look-ups in a
    // data file of 5000 lines, mapped by the module group of the sample macro's plate.
    bool evaluateGenerated();
    // One GETCELL look-up, without the grid: the data file found and a key near its end.
    bool lookUpGeneratedData();

    // What the last evaluation wrote into the macro, for the check column.
    std::string plateSize() const;

    static constexpr int kGeneratedVariables = 300;
    static constexpr int kGeneratedEquations = 500;
    static constexpr int kGeneratedDataLines = 5000;

private:
    struct Session;
    std::filesystem::path folder_;
    std::unique_ptr<Session> session_;
};

// Resident memory of this process in KiB.
long residentKib();

}  // namespace bench
