// mdx section, end to end: the sample tables, and copies of them changed through the
// command with the mistakes a user makes.
#include <gtest/gtest.h>

#include <string>

#include "testing/MdxProcess.h"

namespace {

using namespace mdx_testing;
namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SectionCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // The process id keeps two test runs at the same time (two build folders) apart.
        library = fs::temp_directory_path() /
                  ("mdx-section-cli-" + std::to_string(::getpid()) + "-" +
                   std::string(::testing::UnitTest::GetInstance()
                                                        ->current_test_info()
                                                        ->name()));
        fs::remove_all(library);
        fs::create_directories(library / "prof");
        for (const char* name : {"HEA.pr", "RHS.pr"})
            fs::copy_file(fs::path(kSourceDir) / "examples" / "prof" / name,
                          library / "prof" / name);
    }
    void TearDown() override { fs::remove_all(library); }
    MdxRun section(const std::string& args) {
        return runMdx("section " + args + " --library " + quoted(library));
    }
    std::string table(const char* name) const { return readFile(library / "prof" / name); }
    fs::path library;
};

TEST(SectionSamples, ListAndShowTheBundledTables) {
    const MdxRun list = runMdx("section list --library '" + kSourceDir + "/examples'");
    ASSERT_EQ(list.status, 0) << list.out;
    EXPECT_TRUE(contains(list.out, "3 section tables in prof/")) << list.out;
    EXPECT_TRUE(contains(list.out, "IPE\n  picture   1 (I section)\n  sizes     18 (18 active)"))
        << list.out;
    EXPECT_TRUE(contains(list.out, "picture   10 (Rectangular tube)")) << list.out;
    for (const char* name : {"IPE300", "IPE-300", "ipe-300"}) {
        const MdxRun show = runMdx(std::string("section show ") + name + " --library '" +
                                   kSourceDir + "/examples'");
        ASSERT_EQ(show.status, 0) << show.out;
        EXPECT_TRUE(contains(show.out, "300      1    IPE 300  IPE 300  IPE 300  IPE 300     300  "
                                       "150  7.1  10.7  15  53.8"))
            << show.out;
    }
    EXPECT_EQ(runMdx("section show IPE-301 --library '" + kSourceDir + "/examples'").status, 3);
}

TEST(SectionSamples, ScenarioPlaysTheSectionDialogs) {
    const MdxRun run = runMdx("run '" + kSourceDir + "/examples/scenarios/section-library.json'");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_TRUE(contains(run.out, "\"added\":\"RHS-200x100x12\",\"newRow\":11,\"result\":true"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "The fourth dimension must be greater than the third")) << run.out;
    EXPECT_TRUE(contains(run.out, "\"currentTable\":1,\"groups\":[{\"enabled\":true,"
                                  "\"name\":\"New group\"}]"))
        << run.out;
    EXPECT_FALSE(contains(run.out, "user step failed")) << run.out;
    EXPECT_FALSE(contains(run.out, "were not used")) << run.out;
}

TEST_F(SectionCommand, AddPutsTheSizeInPlaceAndRefusesBadInput) {
    const MdxRun added = section("add RHS 120x80x5 --values 120,80,5,10");
    ASSERT_EQ(added.status, 0) << added.out;
    EXPECT_TRUE(contains(added.out, "added RHS-120x80x5 as row 10 of 13")) << added.out;
    const MdxRun show = section("show RHS-120x80x5");
    EXPECT_TRUE(contains(show.out, "120x80x5  1    RHS 120x80x5")) << show.out;

    const std::string before = table("RHS.pr");
    EXPECT_EQ(section("add RHS 120x80x5 --values 120,80,5,10").status, 4) << "taken";
    EXPECT_EQ(section("add RHS 1x1 --values 1,2,3").status, 2) << "too few values";
    EXPECT_EQ(section("add RHS 1x1 --values 1,2,x,4").status, 2) << "not a number";
    EXPECT_EQ(section("add ../RHS 1x1 --values 1,2,3,4").status, 2);
    EXPECT_EQ(section("add Nope 1x1 --values 1,2,3,4").status, 3);
    EXPECT_EQ(table("RHS.pr"), before);
}

TEST_F(SectionCommand, RenameWritesTheNewTableBeforeRemovingTheOld) {
    const std::string content = table("RHS.pr");
    EXPECT_EQ(section("rename RHS HEA").status, 4) << "another table's name";
    EXPECT_EQ(section("rename RHS rhs").status, 4) << "only the case differs";
    EXPECT_EQ(section("rename RHS 'a/b'").status, 2);
    EXPECT_EQ(table("RHS.pr"), content);

    // A folder of the new name stands in for a disk that refuses the write.
    fs::create_directories(library / "prof" / "Blocked.pr");
    const MdxRun blocked = section("rename RHS Blocked");
    EXPECT_NE(blocked.status, 0) << blocked.out;
    EXPECT_EQ(table("RHS.pr"), content) << "the old table is still readable";
    EXPECT_EQ(section("show RHS").status, 0);

    const MdxRun renamed = section("rename RHS Tubes");
    ASSERT_EQ(renamed.status, 0) << renamed.out;
    EXPECT_FALSE(fs::exists(library / "prof" / "RHS.pr"));
    EXPECT_TRUE(contains(section("show Tubes-100x50x4").out, "RHS 100x50x4"));
}

TEST_F(SectionCommand, RemoveTakesASizeOrAWholeTable) {
    ASSERT_EQ(section("remove RHS --size 50x30x3").status, 0);
    EXPECT_FALSE(contains(section("show RHS").out, "50x30x3"));
    EXPECT_EQ(section("remove RHS --size 50x30x3").status, 3);
    ASSERT_EQ(section("remove HEA").status, 0);
    EXPECT_FALSE(fs::exists(library / "prof" / "HEA.pr"));
    EXPECT_EQ(section("remove HEA").status, 3);
    EXPECT_EQ(section("list").status, 0);
}

}  // namespace
