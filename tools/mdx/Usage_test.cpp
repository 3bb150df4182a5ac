// The program's own command line: the version, and one exit code for a command line that
// cannot be parsed, whatever the parser calls the fault.
#include <gtest/gtest.h>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;

TEST(MdxUsage, VersionAndUsageErrors) {
    const MdxRun version = runMdx("--version", false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "mdx 0.1\n");
    EXPECT_EQ(runMdx("--help", false).status, 0);
    for (const char* wrong : {"", "nosuch", "sheet calc", "sheet show --bogus x.sss",
                              "sheet export a.sss b.tsv --format pdf", "evaluate", "library list extra"}) {
        const MdxRun run = runMdx(wrong);
        EXPECT_EQ(run.status, 64) << "mdx " << wrong << "\n" << run.out;
        EXPECT_FALSE(run.out.empty()) << "mdx " << wrong << " says why";
    }
}

}  // namespace
