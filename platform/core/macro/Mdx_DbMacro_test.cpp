// The macro objects in a drawing file: a drawing with a full connection saves and loads back
// to the same text, and malformed macro fields are refused with a message saying what.
#include "MdxBuildPaths.h"
#include "core/macro/Mdx_DbMacro.h"

#include <gtest/gtest.h>

#include "core/macro/MacroClasses.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "host/DrawingFile.h"
#include "win/FilePaths.h"

namespace {

using host::DrawingFile;

class MacroDrawingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(registerMacroClasses(), Acad::eOk); }
};

TEST_F(MacroDrawingTest, SaveLoadSaveGivesTheSameText) {
    AcDbDatabase db;
    endplate::build(db);
    std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    EXPECT_EQ(DrawingFile::saveText(loaded), saved);
}

TEST_F(MacroDrawingTest, LoadedMacroHasItsModulesPatternsAndBaseProfiles) {
    AcDbDatabase db;
    endplate::Drawing drawing = endplate::build(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, DrawingFile::saveText(db), error), Acad::eOk) << error;
    AcTransaction transaction(loaded);
    Mdx_DbMacro* macro = nullptr;
    ASSERT_EQ(transaction.getObject(macro, drawing.macro), Acad::eOk);
    ASSERT_NE(macro->macro(), nullptr);
    ASSERT_EQ(macro->macro()->moduleCount(), 4);
    const Mdx_Module* bolts = macro->macro()->findModule("bolts");
    ASSERT_NE(bolts, nullptr);
    EXPECT_EQ(bolts->typeCode(), Mdx_Module::kBoltModule);
    EXPECT_EQ(static_cast<const Mdx_BoltModule*>(bolts)->diameter(), Mdx_String("20"));
    const Mdx_Module* plate = macro->macro()->findModule("EndPlate");
    ASSERT_NE(plate, nullptr);
    ASSERT_EQ(plate->cuts().length(), 2);
    EXPECT_DOUBLE_EQ(plate->cuts()[0].offsets[1], 12.5);
    EXPECT_EQ(macro->mapBaseProfIds().length(), 2);
    EXPECT_DOUBLE_EQ(macro->macro()->generalVariableValue("gen_gap"), 10.123456789);
    Mdx_DbPattern* pattern = nullptr;
    ASSERT_EQ(transaction.getObject(pattern, drawing.pattern), Acad::eOk);
    EXPECT_EQ(pattern->pattern().nrBolts2, 3);
    EXPECT_TRUE(pattern->pattern().reverseStart2);
}

TEST_F(MacroDrawingTest, MacroObjectWithoutItsMacroSurvivesTheRoundTrip) {
    AcDbDatabase db;
    AcDbObjectId id;
    ASSERT_EQ(db.addObject(std::make_unique<Mdx_DbMacro>(), id), Acad::eOk);
    std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    AcTransaction transaction(loaded);
    Mdx_DbMacro* macro = nullptr;
    ASSERT_EQ(transaction.getObject(macro, id), Acad::eOk);
    EXPECT_EQ(macro->macro(), nullptr);
}

// Replaces the first occurrence of what in text; the test fails when it is not there.
std::string edited(std::string text, const std::string& what, const std::string& with) {
    std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

TEST_F(MacroDrawingTest, MalformedMacroFieldsAreRefusedWithTheirName) {
    AcDbDatabase db;
    endplate::build(db);
    std::string saved = DrawingFile::saveText(db);
    struct Case {
        std::string what, with, message;
    };
    const Case cases[] = {
        {"[\"module.type\", \"int\", 231]", "[\"module.type\", \"int\", 999]", "unknown type code"},
        {"[\"cut.type\", \"int\", 1]", "[\"cut.type\", \"int\", 42]", "unknown cut type"},
        {"[\"variables\", \"int\", 4]", "[\"variables\", \"int\", -4]", "negative"},
        {"[\"modules\", \"int\", 4]", "[\"modules\", \"int\", 5]", "module.type"},
        {"[\"type\", \"int\", 282]", "[\"type\", \"int\", 7]", "unknown type"},
        {"[\"rows\", \"int\", 3]", "[\"rows\", \"int\", 2]", "unexpected fields"},
    };
    for (const Case& c : cases) {
        AcDbDatabase loaded;
        std::string error;
        EXPECT_NE(DrawingFile::loadText(loaded, edited(saved, c.what, c.with), error), Acad::eOk)
            << c.with;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.with << ": " << error;
        EXPECT_EQ(loaded.objectCount(), 0);
    }
}

TEST_F(MacroDrawingTest, SettingsAreSavedWithTheMacroAndMalformedOnesRefused) {
    AcDbDatabase db;
    endplate::Drawing drawing = endplate::build(db);
    const std::string without = DrawingFile::saveText(db);
    MacroSettings settings;
    ASSERT_TRUE(GetMacroSettings(&db, drawing.macro, settings));
    EXPECT_TRUE(settings.standards.spreadsheetNames.isEmpty()) << "a macro never set has none";
    settings.filterAngle90 = true;
    settings.description = "End plate, two bolt rows";
    settings.variableNames = Mdx_StringArray{"L1"};
    settings.variableValues = Mdx_StringArray{"40"};
    settings.standards.spreadsheetNames = Mdx_StringArray{"EndPlate", "FinPlate"};
    settings.standards.mapsToKeys = Mdx_StringArray{"EndPlateStd", "Module.Plate"};
    ASSERT_TRUE(SetMacroSettings(&db, drawing.macro, settings));
    EXPECT_FALSE(SetMacroSettings(&db, drawing.pattern, settings)) << "a pattern is no macro";

    const std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    MacroSettings read;
    ASSERT_TRUE(GetMacroSettings(&loaded, drawing.macro, read));
    EXPECT_TRUE(read.filterAngle90);
    EXPECT_EQ(read.description, Mdx_String("End plate, two bolt rows"));
    EXPECT_EQ(read.variableValues[0], Mdx_String("40"));
    EXPECT_EQ(read.standards.mapsToKeys[1], Mdx_String("Module.Plate"));
    EXPECT_EQ(read.standards.getMapping("EndPlate", 0), Mdx_String("EndPlateStd"))
        << "the keys read are the ones the standards page starts from";
    EXPECT_EQ(DrawingFile::saveText(loaded), saved);

    const std::string oneKeyShort =
        edited(saved, "[\"settings.mapsTo\", \"int\", 2]", "[\"settings.mapsTo\", \"int\", 1]");
    AcDbDatabase refused;
    EXPECT_NE(DrawingFile::loadText(refused, oneKeyShort, error), Acad::eOk);
    EXPECT_EQ(refused.objectCount(), 0);
    EXPECT_EQ(without.find("settings."), std::string::npos) << "no fields for unset settings";
}

TEST_F(MacroDrawingTest, AbortedChangeOfAMacroIsUndone) {
    AcDbDatabase db;
    endplate::Drawing drawing = endplate::build(db);
    {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite), Acad::eOk);
        macro->macro()->setGeneralVariable("gen_gap", 99);
        macro->macro()->findModuleWrite("Bolts")->setName("Renamed");
        ASSERT_EQ(transaction.abort(), Acad::eOk);
    }
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    ASSERT_EQ(transaction.getObject(macro, drawing.macro), Acad::eOk);
    EXPECT_DOUBLE_EQ(macro->macro()->generalVariableValue("gen_gap"), 10.123456789);
    EXPECT_NE(macro->macro()->findModule("Bolts"), nullptr);
}

TEST_F(MacroDrawingTest, SampleDrawingLoadsSavesToTheSameBytesAndBringsItsSections) {
    const std::filesystem::path file = std::filesystem::path(MDX_SOURCE_DIR) / "examples" /
                                       "drawings" / "EndPlate_IPE300_HEA300.json";
    std::string bytes;
    ASSERT_TRUE(win::readWholeFile(file, bytes));
    gSectionTables.removeAll();
    AcDbDatabase db;
    std::string error;
    ASSERT_EQ(DrawingFile::load(db, file, error), Acad::eOk) << error;
    EXPECT_EQ(DrawingFile::saveText(db), bytes);

    AcTransaction transaction(db);
    const Mdx_DbMacro* macro = nullptr;
    for (AcDbObjectId id : db.objectIds()) {
        Mdx_DbMacro* candidate = nullptr;
        if (transaction.getObject(candidate, id) == Acad::eOk) macro = candidate;
    }
    ASSERT_NE(macro, nullptr);
    ASSERT_NE(macro->macro(), nullptr);
    const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(macro->macro()->findModule("Bolts"));
    ASSERT_NE(bolts, nullptr);
    ASSERT_EQ(bolts->patternIds().length(), 1);
    Mdx_DbPattern* pattern = nullptr;
    ASSERT_EQ(transaction.getObject(pattern, bolts->patternIds()[0]), Acad::eOk);
    EXPECT_TRUE(pattern->pattern().hasSecondDirection());
    Mdx_StringArray sections;
    for (AcDbObjectId id : macro->mapBaseProfIds()) {
        Mdx_DbProfile* profile = nullptr;
        ASSERT_EQ(transaction.getObject(profile, id), Acad::eOk);
        Mdx_String height;
        EXPECT_EQ(getSectionValue(profile->sectionName, 0, height), Acad::eOk)
            << profile->sectionName.toUtf8();
        sections.append(profile->sectionName);
    }
    EXPECT_EQ(sections, (Mdx_StringArray{"HEA300", "IPE300"}));
}

TEST_F(MacroDrawingTest, ADrawingWrittenBeforeTheDialogFieldsLoadsIntoTheFullModel) {
    const std::filesystem::path file = std::filesystem::path(MDX_SOURCE_DIR) / "platform" /
                                       "core" / "macro" / "testing" /
                                       "EndPlateWithoutDialogFields.json";
    std::string bytes;
    ASSERT_TRUE(win::readWholeFile(file, bytes));
    AcDbDatabase db;
    std::string error;
    ASSERT_EQ(DrawingFile::load(db, file, error), Acad::eOk) << error;
    EXPECT_EQ(DrawingFile::saveText(db), bytes) << "nothing is added on saving";
    AcTransaction transaction(db);
    for (AcDbObjectId id : db.objectIds()) {
        Mdx_DbMacro* macro = nullptr;
        if (transaction.getObject(macro, id) != Acad::eOk) continue;
        const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(macro->macro()->findModule("Bolts"));
        ASSERT_NE(bolts, nullptr);
        EXPECT_EQ(bolts->settings().diameter, Mdx_String("20"));
        EXPECT_TRUE(bolts->settings().assembly.isEmpty());
        EXPECT_EQ(bolts->settings().slottedHoles.length(), 0);
        const Mdx_Module* plate = macro->macro()->findModule("EndPlate");
        EXPECT_EQ(plate->dialogVariables()[0].kind, kVarDistance);
        EXPECT_TRUE(plate->designPath().isEmpty());
        EXPECT_TRUE(plate->block().folder.isEmpty());
    }
}

TEST_F(MacroDrawingTest, DialogFieldsRoundTripAndBadOnesAreRefused) {
    AcDbDatabase db;
    endplate::addDialogFields(db, endplate::build(db));
    const std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    EXPECT_EQ(DrawingFile::saveText(loaded), saved);
    struct Case {
        std::string what, with, message;
    };
    const Case cases[] = {
        {"[\"variable.kind\", \"int\", 5]", "[\"variable.kind\", \"int\", 9]", "unknown kind"},
        {"[\"bolts.option\", \"int\", 1]", "[\"bolts.option\", \"int\", 7]", "out of range"},
        {"[\"slot.type\", \"int\", 1]", "[\"slot.type\", \"int\", -5]", "out of range"},
        {"[\"array.kind\", \"int\", 1]", "[\"array.kind\", \"int\", 4]", "unknown kind"},
        {"[\"holeColumns\", \"int\", 2]", "[\"holeColumns\", \"int\", 3]", "holeColumn.flag"},
        {"[\"slottedHoles\", \"int\", 2]", "[\"slottedHoles\", \"int\", -1]", "negative"},
    };
    for (const Case& c : cases) {
        AcDbDatabase refused;
        ASSERT_NE(saved.find(c.what), std::string::npos) << c.what;
        EXPECT_NE(DrawingFile::loadText(refused, edited(saved, c.what, c.with), error), Acad::eOk)
            << c.with;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.with << ": " << error;
        EXPECT_EQ(refused.objectCount(), 0);
    }
}

}  // namespace
