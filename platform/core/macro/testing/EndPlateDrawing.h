#pragma once
// A drawing for tests: an end-plate connection of an IPE 300 beam to an HEA 300 column, with
// the section tables of both families. The macro has an end plate (group "Plate"), a bolt
// module with a 2 x 3 pattern (group "Bolts"), two stiffeners in a profile module (group
// "Stiffeners"), cuts, two base profiles (Prof0 the column, Prof1 the beam) and general
// variables. The sample drawing of the examples folder holds the same connection.
#include <memory>

#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"
#include "core/macro/Mdx_ProfModule.h"
#include "core/sections/Mdx_DbSectionTable.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "host/AcDbDatabase.h"
#include "host/AcTransaction.h"

namespace endplate {

struct Drawing {
    AcDbObjectId macro;
    AcDbObjectId pattern;
    AcDbObjectId column;
    AcDbObjectId beam;
    AcDbObjectId plate;
};

inline AcDbObjectId add(AcDbDatabase& db, std::unique_ptr<AcDbObject> object) {
    AcDbObjectId id;
    db.addObject(std::move(object), id);
    return id;
}

inline AcDbObjectId addProfile(AcDbDatabase& db, const char* section, const char* material) {
    auto profile = std::make_unique<Mdx_DbProfile>();
    profile->sectionName = section;
    profile->material = material;
    return add(db, std::move(profile));
}

inline Mdx_SectionRow sectionRow(const char* system, const char* user,
                                 std::initializer_list<Mdx_String> values) {
    return Mdx_SectionRow{system, user, Mdx_StringArray(values)};
}

inline void addSectionTables(AcDbDatabase& db) {
    auto ipe = std::make_unique<Mdx_DbSectionTable>();
    ipe->table.name = "IPE";
    ipe->table.columnNames = {"h", "b", "tw", "tf", "r", "A"};
    ipe->table.rows.append(
        sectionRow("IPE240", "IPE 240", {"240", "120", "6.2", "9.8", "15", "39.1"}));
    ipe->table.rows.append(
        sectionRow("IPE270", "IPE 270", {"270", "135", "6.6", "10.2", "15", "45.9"}));
    ipe->table.rows.append(
        sectionRow("IPE300", "IPE 300", {"300", "150", "7.1", "10.7", "15", "53.8"}));
    gSectionTables.setTable(ipe->table);
    add(db, std::move(ipe));
    auto hea = std::make_unique<Mdx_DbSectionTable>();
    hea->table.name = "HEA";
    hea->table.columnNames = {"h", "b", "tw", "tf", "r", "A"};
    hea->table.rows.append(
        sectionRow("HEA260", "HEA 260", {"250", "260", "7.5", "12.5", "24", "86.8"}));
    hea->table.rows.append(
        sectionRow("HEA300", "HEA 300", {"290", "300", "8.5", "14", "27", "112.5"}));
    gSectionTables.setTable(hea->table);
    add(db, std::move(hea));
}

inline Mdx_DialogVariable variable(const char* name, double value, bool input, bool flexFix,
                                   bool flexible) {
    Mdx_DialogVariable result;
    result.name = name;
    result.value = value;
    result.isInput = input;
    result.hasFlexFix = flexFix;
    result.flexible = flexible;
    return result;
}

inline Mdx_CutConstraint cut(const char* name, Mdx_CutType type,
                             std::initializer_list<std::pair<KvCutOffsetType, double>> offsets) {
    Mdx_CutConstraint result{name, static_cast<int>(type), {}, {}};
    for (auto [offset, value] : offsets) result.offsets[static_cast<std::size_t>(offset)] = value;
    return result;
}

inline Mdx_ProfPlacement placement(const char* name, const char* member, AcDbObjectId profile) {
    Mdx_ProfPlacement result;
    result.name = name;
    result.memberName = member;
    result.profileId = profile;
    return result;
}

inline Drawing build(AcDbDatabase& db) {
    Drawing drawing;
    addSectionTables(db);
    drawing.column = addProfile(db, "HEA300", "S355");
    drawing.beam = addProfile(db, "IPE300", "S235");
    drawing.plate = addProfile(db, "PL20*200", "S355");
    AcDbObjectId stiffener = addProfile(db, "PL10*140", "S235");

    auto pattern = std::make_unique<Mdx_DbPattern>();
    pattern->setName("BoltPattern");
    pattern->pattern() = Mdx_Pattern{Mdx_Pattern::kTwoDirections, 2, 3, 100, 80, false, true};
    drawing.pattern = add(db, std::move(pattern));

    auto macro = std::make_unique<Mdx_Macro>();
    macro->setName("EndPlate_IPE_HEA");

    std::unique_ptr<Mdx_Module> plate = Mdx_Module::create(Mdx_Module::kPlateModule);
    plate->setName("EndPlate");
    plate->setGroupName("Plate");
    plate->dialogVariables().append(variable("L1", 15, true, true, true));
    plate->dialogVariables().append(variable("L2", 15, true, false, false));
    plate->dialogVariables().append(variable("Thickness", 20, false, true, false));
    plate->dialogVariables().append(variable("Width", 200, false, false, false));
    plate->cuts().append(cut("Cut1", Mdx_CutType::Polygon,
                             {{KvCutOffsetType::Offset, 5}, {KvCutOffsetType::PolyOffset, 12.5}}));
    plate->cuts().append(
        cut("Chamfer", Mdx_CutType::Chamfer,
            {{KvCutOffsetType::ChamferOffset1, 10}, {KvCutOffsetType::ChamferOffset2, 10}}));
    plate->prpls().append({"Plate1", drawing.plate});
    macro->addModule(std::move(plate));

    auto bolts = std::make_unique<Mdx_BoltModule>();
    bolts->setName("Bolts");
    bolts->setDiameter("20");
    bolts->setHoleOffset("2");
    bolts->patternIds().append(drawing.pattern);
    bolts->dialogVariables().append(variable("EdgeDist", 40, true, true, false));
    macro->addModule(std::move(bolts));

    auto stiffeners = std::make_unique<Mdx_ProfModule>();
    stiffeners->setName("Stiffeners");
    stiffeners->dialogVariables().append(variable("Gap", 5, true, false, false));
    stiffeners->cuts().append(cut("Snipe", Mdx_CutType::Rounded,
                                  {{KvCutOffsetType::Offset, 15}, {KvCutOffsetType::Radius, 10}}));
    stiffeners->profArray().append(placement("Stiffener1", "ST1", stiffener));
    stiffeners->profArray().append(placement("", "ST0", stiffener));
    stiffeners->profArray().append(placement("Stiffener2", "ST2", stiffener));
    macro->addModule(std::move(stiffeners));

    std::unique_ptr<Mdx_Module> beamCut = Mdx_Module::create(Mdx_Module::kGeneralModule);
    beamCut->setName("BeamEnd");
    beamCut->setGroupName("Plate");
    beamCut->dialogVariables().append(variable("Clearance", 2, true, false, false));
    beamCut->cuts().append(cut("BeamCut", Mdx_CutType::Straight, {{KvCutOffsetType::Offset, 2}}));
    macro->addModule(std::move(beamCut));

    macro->setGeneralVariable("gen_gap", 10.123456789);
    macro->setGeneralVariable("gen_weld", 6);

    auto dbMacro = std::make_unique<Mdx_DbMacro>(std::move(macro));
    dbMacro->mapBaseProfIds().append(drawing.column);
    dbMacro->mapBaseProfIds().append(drawing.beam);
    drawing.macro = add(db, std::move(dbMacro));
    return drawing;
}

// What the macro dialog adds to the connection: a derived height, a text and a check
// variable, the full bolt settings with a slotted hole, an array, a block choice and a design.
inline void addDialogFields(AcDbDatabase& db, const Drawing& drawing) {
    AcTransaction transaction(db);
    Mdx_DbMacro* dbMacro = nullptr;
    transaction.getObject(dbMacro, drawing.macro, host::OpenMode::ForWrite);
    Mdx_Macro& macro = *dbMacro->macro();
    Mdx_Module& plate = *macro.findModuleWrite("EndPlate");
    plate.setDesignPath("EndPlate");
    Mdx_DialogVariable height("Height", 86, false, false, false);
    height.formula = "2 * L1 + Width / 4 + gen_weld";
    plate.dialogVariables().append(height);
    Mdx_DialogVariable grade("Grade", 0, true, false, false);
    grade.kind = kVarText;
    grade.text = "S355";
    plate.dialogVariables().append(grade);
    Mdx_DialogVariable welded("Welded", 1, true, false, false);
    welded.kind = kVarCheck;
    plate.dialogVariables().append(welded);
    Mdx_ModuleArray ribs;
    ribs.name = "Ribs";
    ribs.kind = Mdx_ModuleArray::kSpacedArray;
    ribs.values = {"3", "60", "0", "10", ""};
    plate.arrays().append(ribs);
    plate.block() = {"Blocks", "Nameplate"};
    auto& bolts = static_cast<Mdx_BoltModule&>(*macro.findModuleWrite("Bolts"));
    Mdx_BoltSettings& settings = bolts.settings();
    settings.assembly = "Standard 8.8";
    settings.penetrationLength = "5";
    settings.addedLength = "0";
    settings.holeTolerance = "2";
    settings.options = {0, 0, 1, 0};
    settings.parts = {1, 0, 1, -1, 0};
    settings.count = 2;
    settings.countFlag = true;
    settings.holeColumns.append(Mdx_HoleColumn{true, "Outer"});
    settings.holeColumns.append(Mdx_HoleColumn{false, "Inner"});
    settings.slottedHoles.append(Mdx_SlottedHole{true, {"11", "30", "0", "0"}, 0});
    settings.slottedHoles.append(Mdx_SlottedHole{false, {"", "", "", ""}, 1});
    auto& stiffeners = static_cast<Mdx_ProfModule&>(*macro.findModuleWrite("Stiffeners"));
    stiffeners.profArray()[0].rotation = "90";
    stiffeners.profArray()[0].offsetType = 3;
    transaction.commit();
}

// Builds the connection into db and opens its macro for write in a transaction that stays
// open with the test; null when the macro cannot be opened.
inline Mdx_DbMacro* buildAndOpen(AcDbDatabase& db, Drawing& drawing,
                                 std::unique_ptr<AcTransaction>& transaction) {
    drawing = build(db);
    transaction = std::make_unique<AcTransaction>(db);
    Mdx_DbMacro* macro = nullptr;
    if (transaction->getObject(macro, drawing.macro, host::OpenMode::ForWrite) != Acad::eOk)
        return nullptr;
    return macro;
}

// The stiffener placement named name as the drawing now holds it.
inline Mdx_ProfPlacement stiffener(AcDbDatabase& db, const Drawing& drawing, const char* name) {
    AcTransaction transaction(db);
    Mdx_DbMacro* macro = nullptr;
    if (transaction.getObject(macro, drawing.macro) != Acad::eOk || !macro->macro()) return {};
    auto* module = dynamic_cast<Mdx_ProfModule*>(macro->macro()->findModuleWrite("Stiffeners"));
    Mdx_ProfPlacement* found = module ? module->findPlacement(name) : nullptr;
    return found ? *found : Mdx_ProfPlacement{};
}

}  // namespace endplate
