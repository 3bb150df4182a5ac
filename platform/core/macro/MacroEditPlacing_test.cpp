// The editor's tools that place at a picked position: what they add is in the drawing and in
// its file; a cancelled or impossible pick leaves the drawing's bytes as they were.
#include "core/macro/MacroEditPlacing.h"

#include <gtest/gtest.h>

#include "core/macro/MacroClasses.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/DrawingFile.h"

namespace {

using host::DrawingFile;
using macro_edit_pickers::Pick;

class PlacingTools : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        macro_edit_pickers::clear();
        drawing = endplate::build(db);
        ctx.database = &db;
        ctx.macroId = drawing.macro;
        ctx.currentModule = "Bolts";
        ASSERT_TRUE(OpenEditContext(ctx));
    }
    void TearDown() override { macro_edit_pickers::clear(); }

    // The patterns of the bolt module as name and origin (none: "-").
    std::vector<std::string> patterns(AcDbDatabase& database) {
        std::vector<std::string> found;
        AcTransaction t(database);
        Mdx_DbMacro* macro = nullptr;
        EXPECT_EQ(t.getObject(macro, drawing.macro), Acad::eOk);
        const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(macro->macro()->findModule("Bolts"));
        for (const AcDbObjectId& id : bolts->patternIds()) {
            Mdx_DbPattern* pattern = nullptr;
            EXPECT_EQ(t.getObject(pattern, id), Acad::eOk);
            std::string text = pattern->name().toUtf8();
            if (pattern->hasOrigin())
                for (double v : pattern->origin()) text += " " + std::to_string(static_cast<int>(v));
            found.push_back(text);
        }
        return found;
    }
    Mdx_Array<Mdx_CoordSystem> coordSystems(AcDbDatabase& database, const char* module) {
        AcTransaction t(database);
        Mdx_DbMacro* macro = nullptr;
        EXPECT_EQ(t.getObject(macro, drawing.macro), Acad::eOk);
        return macro->macro()->findModule(module)->definition().coordSystems;
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    EditConstrData ctx;
};

// No position (the user cancelled), a text that is no point, a point beyond any drawing, and
// a bolt pattern asked of a plate module each change nothing at all.
TEST_F(PlacingTools, ACancelledOrImpossiblePickChangesNothing) {
    const std::string before = DrawingFile::saveText(db);
    EXPECT_FALSE(StartMacroCommand(ctx, 12));
    EXPECT_FALSE(StartMacroCommand(ctx, 13));
    for (const char* bad : {"10", "1,2,3,4", "1;2", "x,2", "1e10,0", "nan,0"}) {
        macro_edit_pickers::queue(Pick::Position, bad);
        EXPECT_FALSE(StartMacroCommand(ctx, 12)) << bad;
        macro_edit_pickers::queue(Pick::Position, bad);
        EXPECT_FALSE(StartMacroCommand(ctx, 13)) << bad;
    }
    ASSERT_TRUE(SetCurrentModule(ctx, "EndPlate"));
    macro_edit_pickers::queue(Pick::Position, "0,0");
    EXPECT_FALSE(StartMacroCommand(ctx, 12)) << "a plate module has no bolt patterns";
    EXPECT_EQ(macro_edit_pickers::queuedCount(Pick::Position), 1) << "nothing was asked";
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
}

// Patterns and coordinate systems get the next free number and the picked point, and come
// back from the drawing file; a drawing without them keeps its bytes.
TEST_F(PlacingTools, PlacedPatternsAndCoordinateSystemsSurviveTheDrawingFile) {
    macro_edit_pickers::queue(Pick::Position, " 100, -50 ");
    macro_edit_pickers::queue(Pick::Position, "0,0,250");
    ASSERT_TRUE(StartMacroCommand(ctx, 12));
    ASSERT_TRUE(StartMacroCommand(ctx, 12));
    EXPECT_EQ(patterns(db), (std::vector<std::string>{"BoltPattern", "Pattern1 100 -50 0",
                                                      "Pattern2 0 0 250"}));
    ASSERT_TRUE(SetCurrentModule(ctx, "EndPlate"));
    macro_edit_pickers::queue(Pick::Position, "1.5,2.5,3.5");
    ASSERT_TRUE(StartMacroCommand(ctx, 13));
    const Mdx_Array<Mdx_CoordSystem> placed = coordSystems(db, "EndPlate");
    ASSERT_EQ(placed.length(), 1);
    EXPECT_EQ(placed[0], (Mdx_CoordSystem{"CS1", {1.5, 2.5, 3.5}}));

    const std::string saved = DrawingFile::saveText(db);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    EXPECT_EQ(patterns(loaded), patterns(db));
    EXPECT_EQ(coordSystems(loaded, "EndPlate"), placed);
    EXPECT_TRUE(DrawingFile::saveText(loaded) == saved);

    for (const auto& [what, with] : {std::pair<std::string, std::string>{
                                         "[\"coordSys.origin.y\", \"real\", 2.5]",
                                         "[\"coordSys.origin.y\", \"real\", 2e9]"},
                                     {"[\"origin.y\", \"real\", -50.0]", "[\"origin.y\", \"real\", -1e12]"},
                                     {"[\"editor.coordSystems\", \"int\", 1]",
                                      "[\"editor.coordSystems\", \"int\", 2]"}}) {
        std::string text = saved;
        const auto at = text.find(what);
        ASSERT_NE(at, std::string::npos) << what;
        AcDbDatabase refused;
        EXPECT_NE(DrawingFile::loadText(refused, text.replace(at, what.size(), with), error),
                  Acad::eOk)
            << with;
        EXPECT_EQ(refused.objectCount(), 0) << with;
    }
}

// What was placed is an object of the module on the object page: a pattern can be made
// flexible and renamed like a profile (but not to a name another object of the module has); a
// coordinate system is listed with its point and cannot be changed through an object call.
TEST_F(PlacingTools, PlacedThingsAreObjectsOfTheModule) {
    macro_edit_pickers::queue(Pick::Position, "100,-50");
    macro_edit_pickers::queue(Pick::Position, "1.5,0,2");
    ASSERT_TRUE(StartMacroCommand(ctx, 12));
    ASSERT_TRUE(StartMacroCommand(ctx, 13));
    const ObjectTable& objects = *ctx.objects;
    auto rowNamed = [&objects](const char* name) -> const ObjectRow* {
        for (const ObjectRow& row : objects.rows)
            if (row.texts[2] == name) return &row;
        return nullptr;
    };
    const ObjectRow* pattern = rowNamed("Pattern1");
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->texts[0], "Bolt pattern");
    EXPECT_EQ(pattern->texts[1], "100, -50, 0");
    const AcDbObjectId patternId = pattern->id;
    ASSERT_NE(rowNamed("CS1"), nullptr);
    EXPECT_EQ(rowNamed("CS1")->texts[1], "1.5, 0, 2");
    EXPECT_TRUE(rowNamed("CS1")->id.isNull());

    ASSERT_TRUE(UpdateGeomFlexibility(ctx, patternId, 0, kFlexFree));
    ASSERT_TRUE(UpdateConstrGeom(ctx, patternId, true));
    // A constraint may name them; it follows a rename of the pattern.
    macro_edit_pickers::queue(Pick::Object, "pattern1");
    macro_edit_pickers::queue(Pick::Object, "CS1");
    ASSERT_TRUE(StartMacroCommand(ctx, kConstrParallel));
    ASSERT_TRUE(SetNameTags(ctx, {patternId}, {"Anchors"}));
    ASSERT_NE(rowNamed("Anchors"), nullptr);
    EXPECT_EQ(rowNamed("Anchors")->flexibility, kFlexFree) << "the setting follows the rename";
    EXPECT_EQ(rowNamed("Anchors")->constrained, 1);
    EXPECT_EQ(patterns(db)[1], "Anchors 100 -50 0");

    ASSERT_EQ(ctx.constraints->rows.length(), 1);
    EXPECT_EQ(ctx.constraints->rows[0].cells[2], "Anchors");
    EXPECT_EQ(ctx.constraints->rows[0].cells[3], "CS1");

    const std::string before = DrawingFile::saveText(db);
    EXPECT_FALSE(SetNameTags(ctx, {patternId}, {"CS1"}));
    EXPECT_FALSE(SetNameTags(ctx, {patternId}, {"BoltPattern"}));
    EXPECT_FALSE(UpdateGeomFlexibility(ctx, AcDbObjectId(), 0, kFlexRigid));
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
}

// Removing takes a placed pattern (erased from the drawing) or coordinate system out of the
// module with its setting; a name that is no placed object, or one a constraint still uses,
// is refused with the drawing's bytes as they were.
TEST_F(PlacingTools, RemovingAPlacedObject) {
    for (const char* at : {"1,2", "3,4", "5,6"}) macro_edit_pickers::queue(Pick::Position, at);
    const std::size_t patternsBefore = patterns(db).size();
    ASSERT_TRUE(StartMacroCommand(ctx, 12));  // Pattern1
    ASSERT_TRUE(StartMacroCommand(ctx, 12));  // Pattern2
    ASSERT_TRUE(StartMacroCommand(ctx, 13));  // CS1
    ASSERT_TRUE(macro_edit::changeMacro(&db, drawing.macro, [](Mdx_Macro& macro, AcTransaction&) {
        Mdx_Constraint rule = makeConstraint(kConstrParallel, "Holds");
        rule.object1 = "Pattern2";
        rule.object2 = "CS1";
        macro.findModuleWrite("Bolts")->definition().constraints.append(rule);
        return true;
    }));
    const AcDbObjectId first = ctx.objects->rows[static_cast<int>(patternsBefore)].id;
    ASSERT_TRUE(UpdateGeomFlexibility(ctx, first, 0, kFlexFree));

    const std::string before = DrawingFile::saveText(db);
    Mdx_String usedBy;
    for (const char* used : {"pattern2", "CS1"}) {
        EXPECT_FALSE(RemovePlacedObject(ctx, used, usedBy)) << used;
        EXPECT_EQ(usedBy, Mdx_String("Holds")) << used;
    }
    for (const char* none : {"", "Nothing", "BoltPattern"}) {  // the last: the module's own pattern
        EXPECT_FALSE(RemovePlacedObject(ctx, none, usedBy)) << none;
        EXPECT_TRUE(usedBy.isEmpty()) << none;
    }
    ASSERT_TRUE(SetCurrentModule(ctx, "EndPlate"));
    EXPECT_FALSE(RemovePlacedObject(ctx, "Pattern1", usedBy)) << "a pattern of another module";
    EXPECT_TRUE(DrawingFile::saveText(db) == before);

    ASSERT_TRUE(SetCurrentModule(ctx, "Bolts"));
    ASSERT_TRUE(RemovePlacedObject(ctx, "PATTERN1", usedBy));
    EXPECT_EQ(patterns(db).size(), patternsBefore + 1);
    AcDbObject* erased = nullptr;
    AcTransaction t(db);
    EXPECT_EQ(t.getObject(erased, first), Acad::eObjectErased);
    t.abort();
    EXPECT_EQ(DrawingFile::saveText(db).find("Pattern1"), std::string::npos)
        << "neither the pattern nor its setting is left";
    for (const ObjectRow& row : ctx.objects->rows) EXPECT_NE(row.texts[2], "Pattern1");
}

}  // namespace
