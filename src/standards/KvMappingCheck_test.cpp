// Mapping lines that do not read as the format are found and named by their line, so that a
// mapping never silently ties nothing.
#include "standards/KvMappingCheck.h"

#include <gtest/gtest.h>

#include "standards/testing/LibraryFolder.h"

namespace {

TEST(MappingCheck, SoundLinesPassAndBrokenOnesSayWhy) {
    for (const char* sound : {"K=", "K=L1\x83Plate\x95" "Distance L1",
                              "K=L1\x83Plate\x95" "Distance L1\xBFGrade\x83gen_Grade\x95GenVar "})
        EXPECT_TRUE(mappingfile::lineProblem(sound).isEmpty()) << sound;
    const std::pair<const char*, const char*> broken[] = {
        {"K=L1\xC6\x92Plate\xE2\x80\xA2" "Distance L1", "UTF-8"},
        {"K L1\x83Plate\x95" "Distance L1", "no \"=\""},
        {"=L1\x83Plate\x95" "Distance L1", "no key"},
        {"K=L1 Plate\x95" "Distance L1", "tie 1"},
        {"K=L1\x83Plate\x95" "Distance L1\xBFL2\x83Plate Distance L2", "tie 2 (L2)"},
        {"K=L1\x83Plate\x95" "Nothing L1", "tie 1 (L1)"},
    };
    for (const auto& [line, expected] : broken) {
        const Mdx_String problem = mappingfile::lineProblem(line);
        EXPECT_NE(problem.str().find(expected), std::string::npos) << line << ": " << problem.str();
    }
}

TEST(MappingCheck, ProblemsNameTheLineAsAnEditorCountsIt) {
    standards::testing::LibraryFolder library;
    library.put("EndPlate.map", "Mapping version 1.0\r\nA=L1\x83Plate\x95" "Distance L1\r\n\r\n"
                                "B=L1\xC6\x92Plate\xE2\x80\xA2" "Distance L1\r\nno key here\r\n");
    const std::vector<KvMappingProblem> problems = mappingfile::findProblems("EndPlate");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].lineNumber, 4);
    EXPECT_EQ(problems[0].key, Mdx_String("B"));
    EXPECT_EQ(problems[1].lineNumber, 5);
    EXPECT_TRUE(mappingfile::findProblems("NoSuchStandard").empty());
}

}  // namespace
