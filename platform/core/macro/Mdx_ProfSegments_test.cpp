// The segments of a profile module: kept in the drawing file only for a segmented module (so
// older drawings keep their bytes), refused when malformed or too many, and changed through
// a tab's update only when the profiles can take them.
#include "core/macro/Mdx_ProfSegments.h"

#include <gtest/gtest.h>

#include "MdxBuildPaths.h"
#include "core/macro/MacroClasses.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroUpdate.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/DrawingFile.h"
#include "win/FilePaths.h"

namespace {

using host::DrawingFile;

class ProfSegments : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        drawing = endplate::build(db);
    }
    template <class F>
    void withStiffeners(AcDbDatabase& database, AcDbObjectId macroId, F use) {
        AcTransaction transaction(database);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, macroId, host::OpenMode::ForWrite), Acad::eOk);
        use(static_cast<Mdx_ProfModule&>(*macro->macro()->findModuleWrite("Stiffeners")));
        ASSERT_EQ(transaction.commit(), Acad::eOk);
    }
    void segment() {
        withStiffeners(db, drawing.macro, [](Mdx_ProfModule& module) {
            module.segments().segmented = true;
            module.segments().list = {{"1200", "IPE300"}, {"800.5", "IPE240"}};
        });
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
};

TEST_F(ProfSegments, ASegmentedModuleKeepsItsSegmentsAndAnOlderDrawingLoadsUnsegmented) {
    const std::string plain = DrawingFile::saveText(db);
    EXPECT_EQ(plain.find("segment"), std::string::npos) << "nothing written for other modules";
    segment();
    const std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    EXPECT_EQ(DrawingFile::saveText(loaded), saved);
    withStiffeners(loaded, drawing.macro, [](Mdx_ProfModule& module) {
        EXPECT_TRUE(module.segments().segmented);
        ASSERT_EQ(module.segments().list.length(), 2);
        EXPECT_EQ(module.segments().list[1], (Mdx_ProfSegment{"800.5", "IPE240"}));
    });

    const std::filesystem::path old = std::filesystem::path(MDX_SOURCE_DIR) / "platform" /
                                      "core" / "macro" / "testing" /
                                      "EndPlateWithoutDialogFields.json";
    AcDbDatabase older;
    ASSERT_EQ(DrawingFile::load(older, old, error), Acad::eOk) << error;
    MacroData data;
    AcTransaction transaction(older);
    for (AcDbObjectId id : older.objectIds()) {
        Mdx_DbMacro* macro = nullptr;
        if (transaction.getObject(macro, id) != Acad::eOk) continue;
        ASSERT_EQ(data.addMacro(id, transaction), Acad::eOk);
    }
    int index = -1;
    ASSERT_TRUE(data.findTab("Stiffeners", index));
    EXPECT_FALSE(data.getTab(index)->hasSegmentedProfs());
}

TEST_F(ProfSegments, MalformedOrTooManySegmentsAreRefused) {
    segment();
    const std::string saved = DrawingFile::saveText(db);
    const std::string field = "[\"segments\", \"int\", 2]";
    const auto at = saved.find(field);
    ASSERT_NE(at, std::string::npos) << saved;
    for (const char* count : {"101", "-1", "3"}) {
        std::string text = saved;
        text.replace(at, field.size(), std::string("[\"segments\", \"int\", ") + count + "]");
        AcDbDatabase loaded;
        std::string error;
        EXPECT_NE(DrawingFile::loadText(loaded, text, error), Acad::eOk) << count;
        EXPECT_FALSE(error.empty()) << count;
        EXPECT_EQ(loaded.objectCount(), 0) << count;
    }
}

TEST_F(ProfSegments, ATabsSegmentsReachTheDrawingOnlyWhenEverySegmentIsSound) {
    segment();
    MacroData data;
    {
        AcTransaction transaction(db);
        ASSERT_EQ(data.addMacro(drawing.macro, transaction), Acad::eOk);
        transaction.commit();
    }
    int index = -1;
    ASSERT_TRUE(data.findTab("Stiffeners", index));
    auto change = [&](Mdx_Array<Mdx_ProfSegment> list) {
        MacroTabData& tab = *data.getTab(index);
        const MacroTabData before = tab;
        tab.segments().list = list;
        Mdx_StringArray names;
        AcArray<int> changed, items;
        tab.differences(before, names, changed, items);
        EXPECT_TRUE(changed.contains(MacroTabData::kSegmentsChanged));
        return UpdateModule("Stiffeners", data, changed, items);
    };
    EXPECT_FALSE(change({{"1200", "IPE300"}, {"0", "IPE240"}}));
    EXPECT_NE(data.updateError().find("segment 2"), std::string::npos) << data.updateError();
    EXPECT_FALSE(change({{"1200", ""}}));
    withStiffeners(db, drawing.macro, [](Mdx_ProfModule& module) {
        EXPECT_EQ(module.segments().list.length(), 2) << "a refused list leaves the drawing";
    });
    ASSERT_TRUE(change({{"2000", "HEA300"}})) << data.updateError();
    withStiffeners(db, drawing.macro, [](Mdx_ProfModule& module) {
        ASSERT_EQ(module.segments().list.length(), 1);
        EXPECT_EQ(module.segments().list[0], (Mdx_ProfSegment{"2000", "HEA300"}));
    });
}

// Two connections whose stiffeners have segments of their own: an unrelated change leaves
// each its own list; a list set for the tab (mixed cleared) reaches both.
TEST_F(ProfSegments, TwoMacrosKeepTheirOwnSegmentsUntilAListIsSetForBoth) {
    segment();
    AcDbObjectId second;
    {
        AcTransaction transaction(db);
        Mdx_DbMacro* first = nullptr;
        ASSERT_EQ(transaction.getObject(first, drawing.macro), Acad::eOk);
        auto macro = std::make_unique<Mdx_Macro>(*first->macro());
        static_cast<Mdx_ProfModule&>(*macro->findModuleWrite("Stiffeners")).segments().list = {
            {"500", "HEA260"}};
        ASSERT_EQ(transaction.addNewObject(std::make_unique<Mdx_DbMacro>(std::move(macro)), second),
                  Acad::eOk);
        ASSERT_EQ(transaction.commit(), Acad::eOk);
    }
    MacroData data;
    {
        AcTransaction transaction(db);
        ASSERT_EQ(data.addMacro(drawing.macro, transaction), Acad::eOk);
        ASSERT_EQ(data.addMacro(second, transaction), Acad::eOk);
        transaction.commit();
    }
    int index = -1;
    ASSERT_TRUE(data.findTab("Stiffeners", index));
    EXPECT_TRUE(data.getTab(index)->segments().mixed);
    auto apply = [&](auto change) {
        MacroTabData& tab = *data.getTab(index);
        const MacroTabData before = tab;
        change(tab);
        Mdx_StringArray names;
        AcArray<int> changed, items;
        tab.differences(before, names, changed, items);
        return UpdateModule("Stiffeners", data, changed, items);
    };
    auto listOf = [&](AcDbObjectId macro) {
        Mdx_Array<Mdx_ProfSegment> list;
        withStiffeners(db, macro, [&](Mdx_ProfModule& module) { list = module.segments().list; });
        return list;
    };
    ASSERT_TRUE(apply([](MacroTabData& tab) { tab.variables()[0].value = "6"; }))
        << data.updateError();
    EXPECT_EQ(listOf(second), (Mdx_Array<Mdx_ProfSegment>{{"500", "HEA260"}}));
    EXPECT_EQ(listOf(drawing.macro).length(), 2);
    ASSERT_TRUE(apply([](MacroTabData& tab) {
        tab.segments().list = {{"900", "IPE270"}};
        tab.segments().mixed = false;
    })) << data.updateError();
    EXPECT_EQ(listOf(second), (Mdx_Array<Mdx_ProfSegment>{{"900", "IPE270"}}));
    EXPECT_EQ(listOf(drawing.macro), (Mdx_Array<Mdx_ProfSegment>{{"900", "IPE270"}}));
}

}  // namespace
