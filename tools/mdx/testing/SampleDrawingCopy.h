#pragma once
// A copy of one of the sample drawings in a scratch folder of the test's own, and the bytes
// it held before the test ran, so that a test can tell whether the drawing was written.
#include <string>

#include "testing/MdxProcess.h"

namespace mdx_testing {

inline const std::filesystem::path kExamples = std::filesystem::path(kSourceDir) / "examples";

class SampleDrawingCopy : public ::testing::Test {
protected:
    // Copies examples/drawings/<sample> to <copyName> in the scratch folder.
    void copySample(const std::string& sample, const std::string& copyName) {
        drawing = scratch / copyName;
        std::filesystem::copy_file(kExamples / "drawings" / sample, drawing);
        original = readFile(drawing);
    }

    ScratchFolder scratch;
    std::filesystem::path drawing;
    std::string original;
};

}  // namespace mdx_testing
