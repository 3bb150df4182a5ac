// End to end: the built mdx run on the bundled sample sheet.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct MdxRun {
    std::string out;
    int status = -1;
};

MdxRun runMdx(const std::string& args) {
    MdxRun run;
    const std::string command = std::string(MDX_EXE) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

const std::string kSample = std::string(MDX_SOURCE_DIR) + "/examples/sheets/bolt-shear-check.sss";

TEST(SheetCommand, DemoCalculatesTheSampleCheck) {
    const MdxRun run = runMdx("demo");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("Tensile stress area            245"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("564.48"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Verdict                        OK"), std::string::npos) << run.out;
}

TEST(SheetCommand, CalcAppliesSetValuesBeforeCalculating) {
    const MdxRun run = runMdx("sheet calc '" + kSample + "' --set B7=1200");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("2.126"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("FAILS"), std::string::npos) << run.out;
}

TEST(SheetCommand, ShowFormulasPrintsTheFormulaTexts) {
    const MdxRun run = runMdx("sheet show '" + kSample + "' --formulas");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("=B4*B5"), std::string::npos) << run.out;
}

TEST(SheetCommand, BadInputIsRefusedWithAnExitCodeAndAReason) {
    MdxRun run = runMdx("sheet show /nonexistent/sheet.sss");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("cannot load sheet file"), std::string::npos) << run.out;

    run = runMdx("sheet calc '" + kSample + "' --set 7B=1");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("is not CELL=TEXT"), std::string::npos) << run.out;

    run = runMdx("sheet calc '" + kSample + "' --set B0=1");
    EXPECT_EQ(run.status, 2);
}

}  // namespace
