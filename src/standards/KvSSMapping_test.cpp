// The mapping of a spreadsheet: the mapping file (reading, the version line, storing under a
// key), the one-sided comparison and the lists the standards page builds from a mapping.
#include "standards/KvSSMapping.h"

#include <gtest/gtest.h>

#include "core/macro/Mdx_DbMacro.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvMappingFile.h"
#include "standards/testing/LibraryFolder.h"
#include "win/FilePaths.h"

namespace {

using standards::testing::LibraryFolder;

const std::string kBullet = "\x95";
const std::string kFlorin = "\x83";
const std::string kPairs = "\xBF";
const std::string kVersion = "Mapping version 1.0\r\n";

std::string pair(const std::string& var, const std::string& group, const std::string& rest) {
    return var + kFlorin + group + kBullet + rest;
}

KvObjectMap object(const char* var, const char* group, KvObjectKind kind, const char* name,
                   int category = 3) {
    KvObjectMap result;
    result.ssVarName = var;
    result.groupName = group;
    result.kind = kind;
    result.objectName = name;
    result.category = category;
    return result;
}

KvSSMapping mappingOf(std::initializer_list<KvObjectMap> objects) {
    KvSSMapping mapping;
    for (const KvObjectMap& o : objects) mapping.mappedObjectsWrite().append(o);
    return mapping;
}

class MappingFileTest : public ::testing::Test {
protected:
    LibraryFolder library;
};

TEST_F(MappingFileTest, LineGivesOnePairPerObjectAndSkipsBrokenPairs) {
    KvSSMapping mapping = mappingOf({object("old", "G", KvObjectKind::Distance, "x")});
    std::string line = "key=" + pair("width", "Plate", "Distance L1") + kPairs + "no florin" +
                       kPairs + pair("bad", "Plate", "Unknown y") + kPairs +
                       pair("gap", "", "GenVar gen_gap");
    ASSERT_EQ(mapping.initMappingFromLine(Mdx_String(line)), Acad::eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 2);
    EXPECT_EQ(mapping.mappedObjects()[0].ssVarName, Mdx_String("width"));
    EXPECT_EQ(mapping.mappedObjects()[1].kind, KvObjectKind::GenVar);
    EXPECT_EQ(mapping.mappedObjects()[1].category, 3);
    EXPECT_EQ(mapping.initMappingFromLine("no equals sign"), Acad::eInvalidInput);
    EXPECT_TRUE(mapping.mappedObjects().isEmpty());
}

TEST_F(MappingFileTest, VersionLineIsDroppedButAFileWithoutOneStillWorks) {
    library.put("EndPlate.map", kVersion + "k1=" + pair("w", "Plate", "Distance L1") + "\r\n");
    KvSSMapping mapping;
    EXPECT_EQ(mapping.getMappingFromFile("EndPlate", "k1"), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
    // The version line is no mapping line, even when asked for by its text before "=".
    EXPECT_EQ(mapping.getMappingFromFile("EndPlate", "Mapping version 1.0"), Acad::eInvalidInput);

    library.put("Sub/Other.map", "k2=" + pair("d", "Bolts", "BoltsDiameter") + "\n");
    EXPECT_EQ(mapping.getMappingFromFile("Sub\\Other", "k2"), Acad::eOk);
    ASSERT_EQ(mapping.mappedObjects().length(), 1);
    EXPECT_EQ(mapping.mappedObjects()[0].kind, KvObjectKind::BoltsDiameter);
}

TEST_F(MappingFileTest, KeysMatchExactlyAndTheFirstMatchingLineWins) {
    library.put("S.map", kVersion + "Key=" + pair("a", "G", "Distance one") + "\r\n" +
                             "Key=" + pair("a", "G", "Distance two") + "\r\n");
    KvSSMapping mapping;
    ASSERT_EQ(mapping.getMappingFromFile("S", "Key"), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects()[0].objectName, Mdx_String("one"));
    EXPECT_EQ(mapping.getMappingFromFile("S", "key"), Acad::eInvalidInput);
}

TEST_F(MappingFileTest, MissingFileFailsAndAnEmptyOneChangesNothing) {
    KvSSMapping mapping = mappingOf({object("w", "G", KvObjectKind::Distance, "x")});
    EXPECT_EQ(mapping.getMappingFromFile("Missing", "k"), Acad::eInvalidInput);
    library.put("Empty.map", "");
    EXPECT_EQ(mapping.getMappingFromFile("Empty", "k"), Acad::eOk);
    library.put("OnlyVersion.map", kVersion);
    EXPECT_EQ(mapping.getMappingFromFile("OnlyVersion", "k"), Acad::eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
}

TEST_F(MappingFileTest, WritesTheVersionLineAndOneLinePerKey) {
    KvSSMapping mapping = mappingOf({object("width", "Plate", KvObjectKind::Distance, "L1"),
                                     object("gap", "", KvObjectKind::GenVar, "gen_gap")});
    Mdx_String key = "K1";
    ASSERT_EQ(mapping.setMappingToFile("EndPlate", key), Acad::eOk);
    EXPECT_EQ(library.get("EndPlate.map"), kVersion +
                                               "K1=" + pair("width", "Plate", "Distance L1") +
                                               kPairs + pair("gap", "", "GenVar gen_gap") + "\r\n");
    KvSSMapping back;
    ASSERT_EQ(back.getMappingFromFile("EndPlate", "K1"), Acad::eOk);
    EXPECT_TRUE(back.isEqual(mapping));
    EXPECT_TRUE(mapping.isEqual(back));
}

TEST_F(MappingFileTest, SameMappingTwiceLeavesTheFileUntouched) {
    KvSSMapping mapping = mappingOf({object("width", "Plate", KvObjectKind::Distance, "L1")});
    Mdx_String key = "K1";
    ASSERT_EQ(mapping.setMappingToFile("EndPlate", key), Acad::eOk);
    std::string first = library.get("EndPlate.map");
    // Any write from here on fails, so success means nothing was written.
    win::setWriteFaultHook([](win::WriteStage) { return true; });
    KvSSMapping sameTieOtherCase =
        mappingOf({object("WIDTH", "plate", KvObjectKind::Distance, "l1")});
    EXPECT_EQ(sameTieOtherCase.setMappingToFile("EndPlate", key), Acad::eOk);
    EXPECT_EQ(library.get("EndPlate.map"), first);
}

TEST_F(MappingFileTest, ChangedMappingMovesToTheEndAndOtherLinesStay) {
    Mdx_String a = "A", b = "B";
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1")})
                  .setMappingToFile("EndPlate", a),
              Acad::eOk);
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L2")})
                  .setMappingToFile("EndPlate", b),
              Acad::eOk);
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "Width")})
                  .setMappingToFile("EndPlate", a),
              Acad::eOk);
    EXPECT_EQ(library.get("EndPlate.map"),
              kVersion + "B=" + pair("w", "Plate", "Distance L2") + "\r\n" +
                  "A=" + pair("w", "Plate", "Distance Width") + "\r\n");
}

TEST_F(MappingFileTest, MappingThatLostATieIsStoredAgain) {
    Mdx_String key = "K";
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1"),
                         object("t", "Plate", KvObjectKind::Distance, "Thickness")})
                  .setMappingToFile("EndPlate", key),
              Acad::eOk);
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1")})
                  .setMappingToFile("EndPlate", key),
              Acad::eOk);
    KvSSMapping back;
    ASSERT_EQ(back.getMappingFromFile("EndPlate", "K"), Acad::eOk);
    EXPECT_EQ(back.mappedObjects().length(), 1);
}

TEST_F(MappingFileTest, DuplicateAndUnstorableVariablesAreLeftOut) {
    KvSSMapping mapping = mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1"),
                                     object("W", "Plate", KvObjectKind::Distance, "L2"),
                                     object("a/b", "Plate", KvObjectKind::Distance, "L3"),
                                     object("none", "Plate", KvObjectKind::None, "L4"),
                                     object("x",
                                            "Pl\xBF"
                                            "ate",
                                            KvObjectKind::Distance, "L5"),
                                     object("y", "Plate", KvObjectKind::Distance, "L\n6"),
                                     object("t", "Plate", KvObjectKind::Distance, "Thickness")});
    Mdx_String key = "K";
    ASSERT_EQ(mapping.setMappingToFile("EndPlate", key), Acad::eOk);
    EXPECT_EQ(library.get("EndPlate.map"), kVersion + "K=" + pair("w", "Plate", "Distance L1") +
                                               kPairs + pair("t", "Plate", "Distance Thickness") +
                                               "\r\n");
}

TEST_F(MappingFileTest, KeyThatCouldNotBeFoundAgainIsRefused) {
    Mdx_String key = "a=b";
    EXPECT_EQ(mappingOf({object("w", "P", KvObjectKind::Distance, "L1")})
                  .setMappingToFile("EndPlate", key),
              Acad::eInvalidInput);
    EXPECT_FALSE(std::filesystem::exists(library.standards() / "EndPlate.map"));
}

TEST_F(MappingFileTest, FailedWriteLeavesTheSharedFileIntact) {
    Mdx_String a = "A";
    ASSERT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1")})
                  .setMappingToFile("EndPlate", a),
              Acad::eOk);
    std::string before = library.get("EndPlate.map");
    for (win::WriteStage stage : {win::WriteStage::Create, win::WriteStage::Write,
                                  win::WriteStage::Flush, win::WriteStage::Rename}) {
        win::setWriteFaultHook([stage](win::WriteStage at) { return at == stage; });
        Mdx_String b = "B";
        EXPECT_EQ(mappingOf({object("w", "Plate", KvObjectKind::Distance, "L2")})
                      .setMappingToFile("EndPlate", b),
                  Acad::eInvalidInput);
        EXPECT_EQ(library.get("EndPlate.map"), before);
    }
    win::setWriteFaultHook({});
    std::size_t files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(library.standards()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST_F(MappingFileTest, SameMappingIsFoundUnderItsKey) {
    library.put("S.map", kVersion + "A=" + pair("w", "Plate", "Distance L2") + "\r\n" +
                             "B=" + pair("w", "Plate", "Distance L1") + kPairs +
                             pair("g", "", "GenVar gen_gap") + "\r\n");
    Mdx_String key;
    EXPECT_TRUE(
        mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1")}).hasSameMapping("S", key));
    EXPECT_EQ(key, Mdx_String("B"));
    EXPECT_FALSE(
        mappingOf({object("w", "Plate", KvObjectKind::Distance, "L3")}).hasSameMapping("S", key));
    EXPECT_FALSE(KvSSMapping().hasSameMapping("Missing", key));
}

TEST_F(MappingFileTest, InitFromMacroNeedsAMacroAndNoModuleGroup) {
    library.put("S.map", kVersion + "K=" + pair("w", "Plate", "Distance L1") + "\r\n");
    KvDlgStandardsData data;
    data.fileName = "S";
    data.mapsTo = "K";
    KvSSMapping mapping;
    EXPECT_EQ(mapping.initFromMacro(data), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mappingMode, KvSSMapping::kNone);
    Mdx_DbMacro macro;
    data.dbMacro = &macro;
    data.moduleGroup = "Plate";
    EXPECT_EQ(mapping.initFromMacro(data), Acad::eInvalidInput);
    data.moduleGroup.setEmpty();
    EXPECT_EQ(mapping.initFromMacro(data), Acad::eOk);
    EXPECT_EQ(mapping.mappingMode, KvSSMapping::kMappingFile);
    EXPECT_EQ(mapping.mappedObjects().length(), 1);
}

TEST(MappingModeTest, ModuleGroupNeedsAGroup) {
    KvSSMapping mapping;
    EXPECT_EQ(mapping.initFromModuleGroup(""), Acad::eInvalidInput);
    EXPECT_EQ(mapping.mappingMode, KvSSMapping::kNone);
    EXPECT_EQ(mapping.initFromModuleGroup("Plate"), Acad::eOk);
    EXPECT_EQ(mapping.mappingMode, KvSSMapping::kModuleGroup);
}

TEST(MappingCompareTest, EqualityIsOneSided) {
    KvSSMapping small = mappingOf({object("w", "Plate", KvObjectKind::Distance, "L1")});
    KvSSMapping large = mappingOf({object("g", "", KvObjectKind::GenVar, "gen_gap"),
                                   object("W", "PLATE", KvObjectKind::Distance, "l1")});
    EXPECT_TRUE(small.isEqual(large));
    EXPECT_FALSE(large.isEqual(small));
    EXPECT_TRUE(KvSSMapping().isEqual(small));
    EXPECT_FALSE(small.isEqual(KvSSMapping()));
    // The same tie under a variable of another value type is no match.
    KvSSMapping text = mappingOf({object("w", "Plate", KvObjectKind::OwnedMemberName, "L1")});
    EXPECT_FALSE(small.isEqual(text));
    // An object without a kind never equals anything.
    EXPECT_FALSE(mappingOf({object("w", "Plate", KvObjectKind::None, "L1")}).isEqual(large));
}

TEST(MappingCompareTest, FindsVariablesByNameAndTypeAndCountsMissingTies) {
    KvSSMapping mapping = mappingOf({object("n", "Bolts", KvObjectKind::PatternNrBolts1, "P"),
                                     object("n", "Bolts", KvObjectKind::PatternReverseStart1, "P"),
                                     object("d", "Bolts", KvObjectKind::BoltsDiameter, "")});
    int index = -1;
    ASSERT_EQ(mapping.findSSVar("N", KvValueType::Int, index), Acad::eOk);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(mapping.findSSVar("n", KvValueType::String, index), Acad::eOk);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(mapping.findSSVar("d", KvValueType::Int, index), Acad::eInvalidInput);

    KvSSMapping other = mappingOf({object("x", "bolts", KvObjectKind::BoltsDiameter, "")});
    int missing = -1;
    EXPECT_EQ(mapping.isCompatible(other, missing), Acad::eOk);
    EXPECT_EQ(missing, 2);
    ASSERT_EQ(other.findCompatible(mapping.mappedObjects()[2], index), Acad::eOk);
    EXPECT_EQ(index, 0);
}

TEST(MappingListsTest, ValidVariablesSplitIntoNumbersAndTexts) {
    KvSSMapping mapping = mappingOf({object("a", "P", KvObjectKind::Distance, "L1"),
                                     object("b", "P", KvObjectKind::None, "x"),
                                     object("c", "P", KvObjectKind::PrPlName, "Prof0"),
                                     object("d", "P", KvObjectKind::PatternReverseStart1, "P"),
                                     object("e", "P", KvObjectKind::PatternNrBolts1, "P")});
    AcArray<int> indices;
    EXPECT_EQ(mapping.getValidVars(true, KvValueType::Int, indices), Acad::eOk);
    EXPECT_EQ(indices, (AcArray<int>{0, 3}));
    EXPECT_EQ(mapping.getValidVars(false, KvValueType::Double, indices), Acad::eOk);
    EXPECT_EQ(indices, (AcArray<int>{0, 3}));
    EXPECT_EQ(mapping.getValidVars(false, KvValueType::String, indices), Acad::eOk);
    EXPECT_EQ(indices, (AcArray<int>{2, 4}));
}

TEST(MappingListsTest, SortingGroupsByCategoryWithUnlistedOnesLast) {
    KvSSMapping mapping = mappingOf({object("a", "P", KvObjectKind::Distance, "L1", 1),
                                     object("b", "P", KvObjectKind::Distance, "L2", 3),
                                     object("c", "P", KvObjectKind::Distance, "L3", 0)});
    AcArray<int> indices{0, 1, 2};
    ASSERT_EQ(mapping.sortValidVars(indices, {0, 1}), Acad::eOk);
    EXPECT_EQ(indices, (AcArray<int>{-1, 2, -1, 0, 1}));
    indices = {2, 0};
    ASSERT_EQ(mapping.sortValidVars(indices, {3, 1, 0}), Acad::eOk);
    EXPECT_EQ(indices, (AcArray<int>{-1, -1, 0, -1, 2}));
    EXPECT_EQ(mapping.sortValidVars(indices, AcArray<int>()), Acad::eInvalidInput);
    EXPECT_TRUE(indices.isEmpty());
}

}  // namespace
