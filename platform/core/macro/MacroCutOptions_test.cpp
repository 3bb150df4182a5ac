// The options of a cut through the cut dialog's record and the drawing file: everything the
// dialog sets comes back, drawings without options keep their bytes, and options that
// cannot be right are refused whole.
#include <gtest/gtest.h>

#include "core/macro/MacroClasses.h"
#include "core/macro/MacroCutRecord.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/DrawingFile.h"

namespace {

using host::DrawingFile;

class CutOptions : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        drawing = endplate::build(db);
        source = {&db, drawing.macro, "EndPlate"};
        ASSERT_TRUE(ReadCutRecord(source, "Cut1", record));
    }
    // Every option away from its default, the other part a module of another macro.
    void chooseEverything() {
        record.secondOption = true;
        record.check1325 = true;
        record.check1326 = true;
        record.threeSegments = false;
        record.threeSegmentsSecond = true;
        record.check1323 = true;
        record.choice = 3;
        record.variablePrefix = "cp_";
        record.otherPartSource = 2;
        record.moduleName = "Bolts";
    }
    static void expectSame(const DlgMacroCutsData& a, const DlgMacroCutsData& b) {
        EXPECT_EQ(a.secondOption, b.secondOption);
        EXPECT_EQ(a.check1325, b.check1325);
        EXPECT_EQ(a.check1326, b.check1326);
        EXPECT_EQ(a.threeSegments, b.threeSegments);
        EXPECT_EQ(a.threeSegmentsSecond, b.threeSegmentsSecond);
        EXPECT_EQ(a.check1323, b.check1323);
        EXPECT_EQ(a.choice, b.choice);
        EXPECT_EQ(a.variablePrefix, b.variablePrefix);
        EXPECT_EQ(a.otherPartSource, b.otherPartSource);
        EXPECT_EQ(a.moduleName, b.moduleName);
        EXPECT_EQ(a.values, b.values);
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    EditSource source;
    DlgMacroCutsData record;
};

// A drawing from before options were kept loads with the defaults (the cut's own module as
// the other part), and writing a cut back unchanged leaves its bytes alone.
TEST_F(CutOptions, ADrawingWithoutOptionsLoadsAndKeepsItsBytes) {
    const std::string before = DrawingFile::saveText(db);
    EXPECT_EQ(before.find("cut.options"), std::string::npos);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, before, error), Acad::eOk) << error;
    DlgMacroCutsData fresh;
    ASSERT_TRUE(ReadCutRecord({&loaded, drawing.macro, "EndPlate"}, "Cut1", fresh));
    expectSame(fresh, record);
    EXPECT_EQ(fresh.moduleName, Mdx_String("EndPlate"));
    EXPECT_EQ(fresh.otherPartSource, 1);
    ASSERT_TRUE(WriteCutRecord(source, "Cut1", fresh));
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
}

TEST_F(CutOptions, EveryOptionComesBackThroughTheRecordAndTheFile) {
    chooseEverything();
    ASSERT_TRUE(WriteCutRecord(source, "Cut1", record));
    DlgMacroCutsData read;
    ASSERT_TRUE(ReadCutRecord(source, "Cut1", read));
    expectSame(read, record);

    const std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    DlgMacroCutsData reloaded;
    ASSERT_TRUE(ReadCutRecord({&loaded, drawing.macro, "EndPlate"}, "Cut1", reloaded));
    expectSame(reloaded, record);
    EXPECT_TRUE(DrawingFile::saveText(loaded) == saved);
}

// Out-of-range options in a record are refused before anything is written; in a file they
// refuse the whole drawing.
TEST_F(CutOptions, OptionsOutOfRangeAreRefusedWhole) {
    const std::string before = DrawingFile::saveText(db);
    for (auto spoil : std::initializer_list<void (*)(DlgMacroCutsData&)>{
             [](DlgMacroCutsData& r) { r.choice = 4; },
             [](DlgMacroCutsData& r) { r.otherPartSource = 0; },
             [](DlgMacroCutsData& r) { r.variablePrefix = Mdx_String(std::string(256, 'p')); }}) {
        DlgMacroCutsData bad = record;
        bad.secondOption = true;
        spoil(bad);
        EXPECT_FALSE(WriteCutRecord(source, "Cut1", bad));
    }
    EXPECT_TRUE(DrawingFile::saveText(db) == before);

    chooseEverything();
    ASSERT_TRUE(WriteCutRecord(source, "Cut1", record));
    const std::string saved = DrawingFile::saveText(db);
    const std::pair<std::string, std::string> cases[] = {
        {"[\"cut.options\", \"int\", 55]", "[\"cut.options\", \"int\", 64]"},
        {"[\"cut.choice\", \"int\", 3]", "[\"cut.choice\", \"int\", 4]"},
        {"[\"cut.source\", \"int\", 2]", "[\"cut.source\", \"int\", 3]"},
        {"[\"cut.prefix\", \"text\", \"cp_\"]",
         "[\"cut.prefix\", \"text\", \"" + std::string(256, 'p') + "\"]"},
        {"[\"cut.otherModule\", \"text\", \"Bolts\"]", ""},
    };
    for (const auto& [what, with] : cases) {
        std::string text = saved;
        const auto at = text.find(what);
        ASSERT_NE(at, std::string::npos) << what;
        AcDbDatabase refused;
        std::string error;
        EXPECT_NE(DrawingFile::loadText(refused, text.replace(at, what.size(), with), error),
                  Acad::eOk)
            << with;
        EXPECT_EQ(refused.objectCount(), 0) << with;
    }
}

// The other part's macro is kept by its id through the record and the file (a part in the
// cut's own macro writes no id); a macro erased since is still read, and found gone by the
// module list, not opened; an id with a part of the own macro is refused in a file.
TEST_F(CutOptions, TheOtherMacroIsKeptByIdAndAnErasedOneIsFoundGone) {
    const endplate::Drawing second = endplate::build(db);
    record.otherPartSource = 2;
    record.moduleName = "Bolts";
    record.macroChoice.macroId = second.macro;
    ASSERT_TRUE(WriteCutRecord(source, "Cut1", record));
    DlgMacroCutsData read;
    ASSERT_TRUE(ReadCutRecord(source, "Cut1", read));
    EXPECT_EQ(read.macroChoice.macroId, second.macro);

    const std::string saved = DrawingFile::saveText(db);
    ASSERT_NE(saved.find("cut.otherMacro"), std::string::npos);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    ASSERT_TRUE(ReadCutRecord({&loaded, drawing.macro, "EndPlate"}, "Cut1", read));
    EXPECT_EQ(read.macroChoice.macroId, second.macro);
    EXPECT_TRUE(DrawingFile::saveText(loaded) == saved);

    {
        AcTransaction t(loaded);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(t.getObject(macro, second.macro, host::OpenMode::ForWrite), Acad::eOk);
        ASSERT_EQ(macro->erase(), Acad::eOk);
        ASSERT_EQ(t.commit(), Acad::eOk);
    }
    ASSERT_TRUE(ReadCutRecord({&loaded, drawing.macro, "EndPlate"}, "Cut1", read));
    Mdx_StringArray modules;
    EXPECT_FALSE(read.macroChoice.GetAllMods(read.macroChoice.macroId, modules));
    EXPECT_TRUE(WriteCutRecord({&loaded, drawing.macro, "EndPlate"}, "Cut1", read))
        << "the cut's other edits are still written";

    record.otherPartSource = 1;
    record.moduleName = "EndPlate";
    ASSERT_TRUE(WriteCutRecord(source, "Cut1", record));
    EXPECT_EQ(DrawingFile::saveText(db).find("cut.otherMacro"), std::string::npos);

    std::string ownPart = saved;
    const std::string sourceTwo = "[\"cut.source\", \"int\", 2]";
    ASSERT_NE(ownPart.find(sourceTwo), std::string::npos);
    ownPart.replace(ownPart.find(sourceTwo), sourceTwo.size(), "[\"cut.source\", \"int\", 1]");
    AcDbDatabase refused;
    EXPECT_NE(DrawingFile::loadText(refused, ownPart, error), Acad::eOk);
    EXPECT_EQ(refused.objectCount(), 0);
}

}  // namespace
