// The macro editor's core calls on a drawing: what they change is in the drawing (and in its
// file), what they refuse leaves the drawing exactly as it was.
#include "core/macro/MacroEditing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "MdxBuildPaths.h"
#include "core/KvTempResourceOverride.h"
#include "win/ResourceModule.h"

#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/MacroClasses.h"
#include "core/macro/MacroCutRecord.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/DrawingFile.h"

namespace {

using host::DrawingFile;
using macro_edit_pickers::Pick;

class MacroEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registerMacroClasses(), Acad::eOk);
        macro_edit_pickers::clear();
        drawing = endplate::build(db);
        {
            AcTransaction transaction(db);
            Mdx_DbMacro* macro = nullptr;
            transaction.getObject(macro, drawing.macro, host::OpenMode::ForWrite);
            macro->macro()->findModuleWrite("EndPlate")->prpls().append({"Beam", drawing.beam});
            transaction.commit();
        }
        ctx.database = &db;
        ctx.macroId = drawing.macro;
        ctx.currentModule = "EndPlate";
        ASSERT_TRUE(OpenEditContext(ctx));
    }
    void TearDown() override { macro_edit_pickers::clear(); }

    // A constraint of the kind between the plate and the beam, through the tool.
    void addConstraint(int kind) {
        macro_edit_pickers::queue(Pick::Object, "Plate1");
        if (kind != kConstrRadius) macro_edit_pickers::queue(Pick::Object, "Beam");
        ASSERT_TRUE(StartMacroCommand(ctx, kind));
    }
    ConstraintRow& row(int index) { return ctx.constraints->rows[index]; }

    AcDbDatabase db;
    endplate::Drawing drawing;
    EditConstrData ctx;
};

TEST_F(MacroEditingTest, ModulesAreRenamedAddedAndRemovedAndRefusalsChangeNothing) {
    EXPECT_EQ(ctx.moduleNames, Mdx_StringArray({"EndPlate", "Bolts", "Stiffeners", "BeamEnd"}));
    const std::string before = DrawingFile::saveText(db);
    EXPECT_FALSE(RenameModule(ctx, "Bolts")) << "another module's name";
    EXPECT_FALSE(RenameModule(ctx, "bolts")) << "names compare ignoring case";
    EXPECT_FALSE(RenameModule(ctx, "2nd")) << "starts with a digit";
    EXPECT_FALSE(RenameModule(ctx, "End plate")) << "a blank";
    EXPECT_FALSE(RenameModule(ctx, "  "));
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
    EXPECT_EQ(ctx.currentModule, Mdx_String("EndPlate"));

    ASSERT_TRUE(RenameModule(ctx, " Plate2 "));
    EXPECT_EQ(ctx.currentModule, Mdx_String("Plate2"));
    EXPECT_EQ(ctx.moduleNames[0], Mdx_String("Plate2"));

    ASSERT_TRUE(StartMacroCommand(ctx, 11));
    EXPECT_EQ(ctx.moduleNames.last(), Mdx_String("Module1"));
    ASSERT_TRUE(StartMacroCommand(ctx, 11));
    EXPECT_EQ(ctx.moduleNames.last(), Mdx_String("Module2"));

    EXPECT_FALSE(RemoveModule(ctx, "NoSuchModule"));
    ASSERT_TRUE(RemoveModule(ctx, "Plate2"));
    EXPECT_TRUE(ctx.currentModule.isEmpty()) << "the removed module is no longer edited";
    EXPECT_TRUE(ctx.objects->rows.isEmpty());
    EXPECT_FALSE(SetCurrentModule(ctx, "Plate2"));
    ASSERT_TRUE(SetCurrentModule(ctx, "Bolts"));
    EXPECT_EQ(ctx.variables->names, Mdx_StringArray({"EdgeDist"}));
    EXPECT_FALSE(StartMacroCommand(ctx, 12)) << "no position picked: cancelled";
    EXPECT_FALSE(StartMacroCommand(ctx, 14));
}

TEST_F(MacroEditingTest, ToolsAddConstraintsBetweenPickedObjectsOfTheModule) {
    EXPECT_FALSE(StartMacroCommand(ctx, kConstrParallel)) << "nothing picked: cancelled";
    macro_edit_pickers::queue(Pick::Object, "Plate1");
    macro_edit_pickers::queue(Pick::Object, "Column");
    EXPECT_FALSE(StartMacroCommand(ctx, kConstrParallel)) << "not an object of the module";
    macro_edit_pickers::queue(Pick::Object, "Plate1");
    macro_edit_pickers::queue(Pick::Object, "Prof2");
    EXPECT_FALSE(StartMacroCommand(ctx, kConstrParallel)) << "the macro connects two profiles";
    EXPECT_TRUE(ctx.constraints->rows.isEmpty());
    EXPECT_EQ(ctx.constraints->selectedRow, -1);

    addConstraint(kConstrDistance);
    addConstraint(kConstrParallel);
    addConstraint(kConstrDistance);
    addConstraint(kConstrRadius);
    ASSERT_EQ(ctx.constraints->rows.length(), 4);
    EXPECT_EQ(row(0).cells, Mdx_StringArray({"C1", "Distance", "Plate1", "Beam"}));
    EXPECT_EQ(row(0).variableName, Mdx_String("d1"));
    EXPECT_EQ(row(2).variableName, Mdx_String("d2")) << "each measuring rule its own variable";
    EXPECT_EQ(row(3).cells, Mdx_StringArray({"C4", "Radius", "Plate1", ""}));
    EXPECT_EQ(row(0).images, Mdx_StringArray({"DistanceOption11.bmp", "DistanceOption12.bmp",
                                              "DistanceOption13.bmp", "%radioBreak%",
                                              "DistanceOption21.bmp", "DistanceOption22.bmp"}));
    EXPECT_EQ(row(0).radioSelections, AcArray<int>({1, 1}));
    EXPECT_EQ(row(1).editors, AcArray<int>({kEditorChecks}));
    EXPECT_EQ(ctx.variables->dimensionNames, Mdx_StringArray({"d1", "d2", "r1"}));
    macro_edit_pickers::queue(Pick::Object, "Plate1");
    macro_edit_pickers::queue(Pick::Object, "prof1");
    ASSERT_TRUE(StartMacroCommand(ctx, kConstrPerpendicular)) << "the beam, as the macro names it";
    EXPECT_EQ(row(4).cells[3], Mdx_String("prof1"));

    // Saved and loaded back to the same bytes, with the rules in it.
    const std::string saved = DrawingFile::saveText(db);
    EXPECT_NE(saved.find("\"editor.constraints\""), std::string::npos);
    AcDbDatabase loaded;
    std::string error;
    ASSERT_EQ(DrawingFile::loadText(loaded, saved, error), Acad::eOk) << error;
    EXPECT_TRUE(DrawingFile::saveText(loaded) == saved);
}

TEST_F(MacroEditingTest, AnEditedRowIsWrittenOnlyWhenEveryEditIsAcceptable) {
    addConstraint(kConstrDistance);
    addConstraint(kConstrDistance);
    const std::string before = DrawingFile::saveText(db);
    struct Case {
        const char* what;
        void (*edit)(ConstraintRow&);
    };
    const Case refused[] = {
        {"variable of another rule", [](ConstraintRow& r) { r.variableName = "d2"; }},
        {"not a name", [](ConstraintRow& r) { r.variableName = "1d"; }},
        {"value not a number", [](ConstraintRow& r) { r.valueText = "abc"; }},
        {"choice out of range", [](ConstraintRow& r) { r.choice = 3; }},
        {"option out of its group", [](ConstraintRow& r) { r.radioSelections[0] = 4; }},
        {"radio groups of another size", [](ConstraintRow& r) { r.radioSelections.append(1); }},
    };
    for (const Case& c : refused) {
        c.edit(row(0));
        row(0).valueText = c.edit == refused[2].edit ? row(0).valueText : Mdx_String("25");
        EXPECT_FALSE(UpdateConstraint(*ctx.constraints, 0)) << c.what;
        EXPECT_TRUE(DrawingFile::saveText(db) == before) << c.what;
        EXPECT_EQ(row(0).valueText, Mdx_String("0")) << c.what << ": the table shows what is stored";
    }
    row(0).valueText = " 25.5 ";
    row(0).variableName = "Gap1";
    row(0).choice = kBoundAtMost;
    row(0).radioSelections = {3, 2};
    row(0).check1 = 0;
    row(0).check2 = 1;
    ASSERT_TRUE(UpdateConstraint(*ctx.constraints, 0));
    EXPECT_EQ(row(0).valueText, Mdx_String("25.5"));
    EXPECT_EQ(row(0).variableName, Mdx_String("Gap1"));
    EXPECT_EQ(row(0).radioSelections, AcArray<int>({3, 2}));
    EXPECT_EQ(row(0).check2, 0) << "a rule that does not drive is not offered in the dialog";
    bool inUse = false;
    ASSERT_TRUE(VarNameInUse(*ctx.constraints, "gap1", inUse));
    EXPECT_TRUE(inUse);
    ASSERT_TRUE(VarNameInUse(*ctx.constraints, "d1", inUse));
    EXPECT_FALSE(inUse);
}

TEST_F(MacroEditingTest, SortingDeletingAndTheContextMenuFollowTheRowsNames) {
    addConstraint(kConstrParallel);
    addConstraint(kConstrDistance);
    addConstraint(kConstrAngle);
    ASSERT_TRUE(SortConstraints(*ctx.constraints, 2, 1));
    auto names = [this] {
        Mdx_StringArray shown;
        for (const ConstraintRow& r : ctx.constraints->rows) shown.append(r.cells[0]);
        return shown;
    };
    EXPECT_EQ(names(), Mdx_StringArray({"C3", "C2", "C1"})) << "Angle, Distance, Parallel";
    EXPECT_FALSE(SortConstraints(*ctx.constraints, 5, 1));

    // The menu and its actions address the row shown, not the stored position; its texts
    // come from the module's string table.
    Mdx_StringArray items;
    AcArray<int> checked;
    win::resetResourceModules();
    HINSTANCE resources = win::loadResourceModule(std::filesystem::path(MDX_SOURCE_DIR) / "src" / "resources");
    ASSERT_NE(resources, nullptr);
    KvTempResourceOverride::SaveDefaultResource(resources);
    {
        KvTempResourceOverride moduleTexts;
        ASSERT_TRUE(ConstrContextMenu(*ctx.constraints, 2, items, checked));
    }
    KvTempResourceOverride::SaveDefaultResource(nullptr);
    win::resetResourceModules();
    EXPECT_EQ(items, Mdx_StringArray({"Driving", "Shown in the macro dialog", "%BREAK%",
                                      "Swap the objects"}));
    EXPECT_EQ(checked, AcArray<int>({0}));
    ASSERT_TRUE(ContextMenuAction(*ctx.constraints, 2, 2));
    EXPECT_EQ(row(2).cells, Mdx_StringArray({"C1", "Parallel", "Beam", "Plate1"}));
    ASSERT_TRUE(ContextMenuAction(*ctx.constraints, 2, 1));
    EXPECT_EQ(row(2).check2, 1);
    ASSERT_TRUE(ContextMenuAction(*ctx.constraints, 2, 0));
    EXPECT_EQ(row(2).check1, 0);
    EXPECT_EQ(row(2).check2, 0) << "switching driving off withdraws it from the dialog";
    EXPECT_FALSE(ContextMenuAction(*ctx.constraints, 2, 1));
    EXPECT_FALSE(ConstrContextMenu(*ctx.constraints, 3, items, checked));

    ASSERT_TRUE(DeleteConstraint(*ctx.constraints, 1));
    EXPECT_EQ(names(), Mdx_StringArray({"C3", "C1"})) << "still sorted after the delete";
    EXPECT_FALSE(DeleteConstraint(*ctx.constraints, 2));
}

TEST_F(MacroEditingTest, ObjectsKeepTheirSettingsThroughARename) {
    ASSERT_EQ(ctx.objects->rows.length(), 2);
    const ObjectRow plate = ctx.objects->rows[0];
    EXPECT_EQ(plate.texts[0], Mdx_String("Plate"));
    EXPECT_EQ(plate.texts[1], Mdx_String("PL20*200"));
    EXPECT_EQ(ctx.objects->rows[1].texts[0], Mdx_String("Profile"));
    EXPECT_EQ(plate.flexibility, kFlexFixed);
    EXPECT_FALSE(UpdateGeomFlexibility(ctx, plate.id, 0, 4));
    EXPECT_FALSE(UpdateGeomFlexibility(ctx, drawing.column, 0, 2)) << "not in the module";
    ASSERT_TRUE(UpdateGeomFlexibility(ctx, plate.id, 0, kFlexFree));
    ASSERT_TRUE(UpdateConstrGeom(ctx, plate.id, true));
    addConstraint(kConstrParallel);

    const std::string before = DrawingFile::saveText(db);
    EXPECT_FALSE(SetNameTags(ctx, {plate.id, drawing.beam}, {"Same", "same"}));
    EXPECT_FALSE(SetNameTags(ctx, {plate.id}, {""}));
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
    ASSERT_TRUE(SetNameTags(ctx, {plate.id, drawing.beam}, {"EndPl", "Beam"}));
    EXPECT_EQ(ctx.objects->rows[0].texts[2], Mdx_String("EndPl"));
    EXPECT_EQ(ctx.objects->rows[0].flexibility, kFlexFree);
    EXPECT_EQ(ctx.objects->rows[0].constrained, 1);
    EXPECT_EQ(row(0).cells[2], Mdx_String("EndPl")) << "the rule follows the rename";
}

TEST_F(MacroEditingTest, VariablesAreWrittenWholeOrNotAtAll) {
    MacroVarsData& vars = *ctx.variables;
    EXPECT_EQ(vars.names, Mdx_StringArray({"L1", "L2", "Thickness", "Width"}));
    const std::string before = DrawingFile::saveText(db);
    const MacroVarsData original = vars;
    vars.names[1] = "l1";
    EXPECT_FALSE(UpdateVarsEqs(ctx)) << "a name twice";
    vars = original;
    vars.names[1] = "2L";
    EXPECT_FALSE(UpdateVarsEqs(ctx));
    vars = original;
    vars.types[0] = 8;
    EXPECT_FALSE(UpdateVarsEqs(ctx));
    vars = original;
    vars.values.removeLast();
    EXPECT_FALSE(UpdateVarsEqs(ctx));
    EXPECT_TRUE(DrawingFile::saveText(db) == before);

    vars = original;
    vars.names.removeAt(3);  // Width goes
    vars.values.removeAt(3);
    vars.types.removeAt(3);
    vars.values[0] = 17.25;
    vars.types[0] = 3;
    vars.names.append("");  // an added row nobody filled
    vars.values.append(0);
    vars.types.append(0);
    vars.names.append("Depth");
    vars.values.append(40);
    vars.types.append(0);
    vars.equations = {"Depth = L1 * 2", "  ", "Thickness = 20"};
    ASSERT_TRUE(UpdateVarsEqs(ctx));
    EXPECT_EQ(ctx.variables->names, Mdx_StringArray({"L1", "L2", "Thickness", "Depth"}));
    EXPECT_EQ(ctx.variables->values[0], 17.25);
    EXPECT_EQ(ctx.variables->types[0], 3);
    EXPECT_EQ(ctx.variables->equations, Mdx_StringArray({"Depth = L1 * 2", "Thickness = 20"}));
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    transaction.getObject(macro, drawing.macro);
    const Mdx_Module& plate = *macro->macro()->findModule("EndPlate");
    EXPECT_TRUE(plate.dialogVariables()[0].hasFlexFix) << "kept variables keep their flags";
    EXPECT_TRUE(plate.dialogVariables()[3].isInput);
}

TEST_F(MacroEditingTest, AnotherMacroIsChosenByAPick) {
    EXPECT_FALSE(SelectOtherMacro(ctx)) << "nothing picked";
    macro_edit_pickers::queue(Pick::Macro, drawing.beam.toText().c_str());
    EXPECT_FALSE(SelectOtherMacro(ctx)) << "a profile is not a macro";
    macro_edit_pickers::queue(Pick::Macro, drawing.macro.toText().c_str());
    EXPECT_FALSE(SelectOtherMacro(ctx)) << "the macro already edited";
    EXPECT_EQ(ctx.currentModule, Mdx_String("EndPlate"));
}

TEST_F(MacroEditingTest, TheCutDialogsQuestionsAreAnsweredFromTheDrawing) {
    Mdx_StringArray names, values;
    AcArray<bool> flags;
    ASSERT_TRUE(DlgMacroCutsData::GetDefaultValues(Mdx_ConstraintCutType::ProfileInProfile, names,
                                                   values, flags));
    EXPECT_EQ(names.length(), 4);
    EXPECT_LT(values.length(), names.length());
    EXPECT_EQ(flags.length(), 4);
    EXPECT_FALSE(DlgMacroCutsData::GetDefaultValues(static_cast<Mdx_ConstraintCutType>(7), names,
                                                    values, flags));

    DlgMacroCutsData cut;
    cut.macroChoice.database = &db;
    bool inUse = false;
    ASSERT_TRUE(cut.CutNameInUse(drawing.macro, "chamfer", "EndPlate", inUse));
    EXPECT_TRUE(inUse);
    ASSERT_TRUE(cut.CutNameInUse(drawing.macro, "Chamfer", "Bolts", inUse));
    EXPECT_FALSE(inUse);
    EXPECT_FALSE(cut.CutNameInUse(drawing.macro, "Chamfer", "Nothing", inUse));

    cut.values = {"10", " 2.5 ", "gap", "Offset_2", ""};
    EXPECT_TRUE(cut.AreVarNamesValid());
    for (const char* bad : {"gen_gap", "GEN_gap", "2gap", "_gap", "a b"}) {
        cut.values = {"10", bad};
        EXPECT_FALSE(cut.AreVarNamesValid()) << bad;
    }

    EXPECT_FALSE(cut.macroChoice.UserSelectMacro());
    macro_edit_pickers::queue(Pick::Macro, drawing.macro.toText().c_str());
    ASSERT_TRUE(cut.macroChoice.UserSelectMacro());
    EXPECT_EQ(cut.macroChoice.macroId, drawing.macro);
    ASSERT_TRUE(cut.macroChoice.GetAllMods(drawing.macro, names));
    EXPECT_EQ(names.length(), 4);
}

TEST_F(MacroEditingTest, AConstraintsCutIsEditedAsTheCutDialogsRecord) {
    addConstraint(kConstrDistance);
    row(0).cutName = "NoSuchCut";
    EXPECT_FALSE(UpdateConstraint(*ctx.constraints, 0));
    row(0).cutName = "cut1";
    ASSERT_TRUE(UpdateConstraint(*ctx.constraints, 0));
    EXPECT_EQ(row(0).cutEditable, 1);

    DlgMacroCutsData record;
    EXPECT_FALSE(ReadCutRecord(ctx.constraints->source, "Snipe", record)) << "another module's";
    ASSERT_TRUE(ReadCutRecord(ctx.constraints->source, row(0).cutName, record));
    EXPECT_TRUE(record.editing);
    EXPECT_EQ(record.cutType, Mdx_ConstraintCutType::ProfileVsPlate);
    EXPECT_EQ(record.valueNames, Mdx_StringArray({"Offset", "PolyOffset"}));
    EXPECT_EQ(record.values, Mdx_StringArray({"5", "12.5"}));

    const std::string before = DrawingFile::saveText(db);
    record.values = {"6", "gap"};
    EXPECT_FALSE(WriteCutRecord(ctx.constraints->source, "Cut1", record)) << "the cut keeps numbers";
    EXPECT_TRUE(DrawingFile::saveText(db) == before);
    record.values = {"6", " 12.75 "};
    ASSERT_TRUE(WriteCutRecord(ctx.constraints->source, "Cut1", record));
    ASSERT_TRUE(ReadCutRecord(ctx.constraints->source, "Cut1", record));
    EXPECT_EQ(record.values, Mdx_StringArray({"6", "12.75"}));
}

TEST_F(MacroEditingTest, BadEditorFieldsInAFileAreRefused) {
    addConstraint(kConstrDistance);
    ASSERT_TRUE(UpdateGeomFlexibility(ctx, ctx.objects->rows[0].id, 0, kFlexRigid));
    ctx.variables->types[0] = 2;
    ASSERT_TRUE(UpdateVarsEqs(ctx));
    const std::string saved = DrawingFile::saveText(db);
    auto edited = [&saved](const std::string& what, const std::string& with) {
        std::string text = saved;
        const auto at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        if (at != std::string::npos) text.replace(at, what.size(), with);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"[\"constraint.kind\", \"int\", 7]", "[\"constraint.kind\", \"int\", 10]"},
        {"[\"constraint.bound\", \"int\", 0]", "[\"constraint.bound\", \"int\", -1]"},
        {"[\"constraint.options\", \"int\", 2]", "[\"constraint.options\", \"int\", 1]"},
        {"[\"constraint.option\", \"int\", 1]", "[\"constraint.option\", \"int\", 9]"},
        {"[\"object.flexibility\", \"int\", 2]", "[\"object.flexibility\", \"int\", 0]"},
        {"[\"varType.type\", \"int\", 2]", "[\"varType.type\", \"int\", 8]"},
        {"[\"editor.equations\", \"int\", 0]", "[\"editor.equations\", \"int\", 5]"},
    };
    for (const auto& [what, with] : cases) {
        AcDbDatabase refused;
        std::string error;
        EXPECT_NE(DrawingFile::loadText(refused, edited(what, with), error), Acad::eOk) << with;
        EXPECT_EQ(refused.objectCount(), 0) << with;
    }
}

}  // namespace
