#pragma once
// The `mdx macro ...` commands run on a copy of the sample end-plate drawing: the copy's bytes
// before the test tell whether a command wrote the drawing.
#include <string>

#include "testing/SampleDrawingCopy.h"

namespace mdx_testing {

class SampleMacroCommand : public SampleDrawingCopy {
protected:
    void SetUp() override { copySample("EndPlate_IPE300_HEA300.json", "connection.json"); }
    // mdx macro <command> <copy> EndPlate_IPE_HEA <arguments>
    MdxRun macro(const std::string& command, const std::string& arguments = "") {
        return runMdx("macro " + command + " " + quoted(drawing) + " EndPlate_IPE_HEA " +
                      arguments);
    }
};

}  // namespace mdx_testing
