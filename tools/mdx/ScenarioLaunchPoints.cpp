#include "ScenarioLaunchPoints.h"

#include <string>

#include "ScenarioCuttingStock.h"
#include "ScenarioMacroDialog.h"
#include "ScenarioError.h"
#include "ScenarioMacroCuts.h"
#include "ScenarioMacroEditor.h"
#include "ScenarioMacroSettings.h"
#include "ScenarioProfileDialogs.h"
#include "ScenarioProfileDetails.h"
#include "ScenarioValues.h"
#include "core/macro/MacroData.h"
#include "designer/DesignerLaunch.h"
#include "frame/ConstraintEditorLaunch.h"
#include "frame/GenVarsLaunch.h"
#include "frame/MacroDialogLaunch.h"
#include "frame/MacroDialogSlots.h"
#include "frame/SheetFileLaunch.h"
#include "frame/StandardsLaunch.h"
#include "macroedit/MacroCutsLaunch.h"
#include "macroedit/MacroEditorLaunch.h"
#include "opm/OpmRegistration.h"
#include "otherdlg/KvCis2Dlg.h"
#include "otherdlg/KvGridDlg.h"
#include "otherdlg/KvLevelsDlg.h"
#include "otherdlg/KvLookUpDlg.h"
#include "otherdlg/KvSelectImageDlg.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "otherdlg/ProfileCutsLaunch.h"
#include "otherdlg/SelectMacroLaunch.h"
#include "otherdlg/StringArrayGridDialog.h"
#include "sectionlib/SectionLibraryLaunch.h"
#include "standards/KvDlgStandardsData.h"

namespace scenario {

namespace {

void noArgs(const json&) {}

json callEvaluateSS(const json&) {
    EvaluateSS();
    return json::object();
}

void checkReadSSFile(const json& args) {
    requiredText(args, "path");
}
json callReadSSFile(const json& args) {
    Mdx_String firstCell;
    Mdx_StringArray headers;
    Mdx_Array<Mdx_StringArray> rows;
    ReadSSFile(requiredText(args, "path"), firstCell, headers, rows);
    return {{"firstCell", toJson(firstCell)}, {"headers", toJson(headers)}, {"rows", toJson(rows)}};
}

void checkGridDialog(const json& args) {
    textArray(args, "headers");
    textArray(args, "rowHeaders");
    textRows(args, "rows");
    boolField(args, "editable", true);
    textField(args, "name");
    textField(args, "title");
}
json callGridDialog(const json& args) {
    Mdx_Array<Mdx_StringArray> rows = textRows(args, "rows");
    const bool result = startGridDialog(textArray(args, "headers"), textArray(args, "rowHeaders"),
                                        rows, boolField(args, "editable", true),
                                        textField(args, "name"), textField(args, "title"));
    return {{"result", result}, {"rows", toJson(rows)}};
}

void checkSlot(const json& args) {
    requiredInt(args, "slot");
}
json callGetMacroData(const json& args) {
    MacroData data;
    const bool result = GetDlgMacroData(requiredInt(args, "slot"), data);
    return {{"result", result}, {"tabs", data.tabCount()}};
}
json callEndMacroModeless(const json& args) {
    return {{"result", EndDlgMacroModeless(requiredInt(args, "slot"))}};
}
json callDestroyAll(const json&) {
    DestroyAllMacroDlgs();
    return json::object();
}
json callEndConstraints(const json&) {
    EndDlgEditConstraints();
    return json::object();
}

KvGridDlgData gridRecord(const json& args) {
    KvGridDlgData data;
    data.firstCount = intField(args, "firstCount", data.firstCount);
    data.firstSpacing = textField(args, "firstSpacing", data.firstSpacing.c_str());
    data.firstName = textField(args, "firstName", data.firstName.c_str());
    data.secondCount = intField(args, "secondCount", data.secondCount);
    data.secondSpacing = textField(args, "secondSpacing", data.secondSpacing.c_str());
    data.secondName = textField(args, "secondName", data.secondName.c_str());
    data.option = boolField(args, "option", data.option);
    return data;
}
void checkGrid(const json& args) {
    gridRecord(args);
}
json callGrid(const json& args) {
    KvGridDlgData data = gridRecord(args);
    const bool result = StartDlgGrid(data);
    return {{"result", result},
            {"record",
             {{"firstCount", data.firstCount},
              {"firstSpacing", toJson(data.firstSpacing)},
              {"firstName", toJson(data.firstName)},
              {"secondCount", data.secondCount},
              {"secondSpacing", toJson(data.secondSpacing)},
              {"secondName", toJson(data.secondName)},
              {"option", data.option}}}};
}

KvCellType cellKind(int kind) {
    if (kind < 0 || kind > 2) throw ScenarioError("\"kind\" of a variable must be 0, 1 or 2");
    return static_cast<KvCellType>(kind);
}

KvDlgStandardsData standardsRecord(const json& args) {
    KvDlgStandardsData data;
    data.fileName = textField(args, "fileName");
    data.mode = intField(args, "mode", KvDlgStandardsData::kMainEvaluation);
    data.mapsTo = textField(args, "mapsTo");
    if (args.contains("varCells") && !args["varCells"].is_array())
        throw ScenarioError("\"varCells\" must be a list");
    for (const json& item : args.value("varCells", json::array())) {
        KvVarCell cell;
        cell.name = requiredText(item, "name");
        cell.value = textField(item, "value");
        cell.cellType = cellKind(intField(item, "kind", 0));
        data.varCells.append(cell);
    }
    return data;
}
json standardsJson(const KvDlgStandardsData& data) {
    json cells = json::array();
    for (int i = 0; i < data.varCells.length(); ++i)
        cells.push_back({{"name", toJson(data.varCells[i].name)},
                         {"value", toJson(data.varCells[i].value)},
                         {"kind", static_cast<int>(data.varCells[i].cellType)}});
    return {{"fileName", toJson(data.fileName)}, {"mode", data.mode}, {"varCells", cells}};
}
void checkStandards(const json& args) {
    standardsRecord(args);
}
json callStandards(const json& args) {
    KvDlgStandardsData data = standardsRecord(args);
    const bool result = StartDlgStandardsSS(data);
    return {{"result", result}, {"record", standardsJson(data)}};
}
json callStandardsTest(const json&) {
    return {{"result", StartDlgStandardsSStest()}};
}

json resultOf(bool result) {
    return {{"result", result}};
}

AcArray<bool> boolArray(const json& args, const char* key) {
    AcArray<bool> flags;
    if (!args.contains(key)) return flags;
    if (!args[key].is_array()) throw ScenarioError(std::string("\"") + key + "\" must be a list");
    for (const json& item : args[key]) {
        if (!item.is_boolean())
            throw ScenarioError(std::string("\"") + key + "\" must hold true or false");
        flags.append(item.get<bool>());
    }
    return flags;
}

void checkSelectMacro(const json& args) {
    textField(args, "title");
    textArray(args, "names");
    boolArray(args, "enabled");
    textField(args, "chosen");
}
// Without "enabled" the first form runs, which enables every name.
json callSelectMacro(const json& args) {
    const Mdx_StringArray names = textArray(args, "names");
    Mdx_String chosen = textField(args, "chosen");
    bool flag = false;
    const int none = 0;
    const bool result =
        args.contains("enabled")
            ? StartDlgSelectMacro(textField(args, "title"), names, boolArray(args, "enabled"), none,
                                  none, chosen, flag, false)
            : StartDlgSelectMacro(textField(args, "title"), names, none, none, chosen, flag, false);
    return {{"result", result}, {"chosen", toJson(chosen)}};
}

void checkFile(const json& args) {
    textField(args, "file");
}
json callDesigner(const json& args) {
    return resultOf(StartDlgDesigner(textField(args, "file")));
}
json callControlNames(const json& args) {
    Mdx_StringArray names;
    GetImageDlgCtrlNames(textField(args, "file"), names);
    return {{"names", toJson(names)}};
}

void checkEditLibSections(const json& args) {
    textArray(args, "tableNames");
    textArray(args, "groups");
    textField(args, "sysName");
}
json callEditLibSections(const json& args) {
    DlgEditLibData data;
    data.tableNames = textArray(args, "tableNames");
    for (const Mdx_String& group : textArray(args, "groups")) data.groups.appendNewGrp(group, 4);
    const bool result = StartDlgEditLibSections(data, textField(args, "sysName"));
    json groups = json::array();
    for (const SectionGroup& group : data.groups)
        groups.push_back({{"name", toJson(group.name)}, {"enabled", group.enabled}});
    return {{"result", result},
            {"tableNames", toJson(data.tableNames)},
            {"currentTable", data.currentTable},
            {"groups", groups},
            {"types", data.types.length()}};
}
void checkEditLibSimple(const json& args) {
    requiredText(args, "table");
    textField(args, "sysName");
    boolField(args, "save", false);
}
// A table of the library: the size the user adds is shown and, with "save", written back.
json callEditLibSimple(const json& args) {
    Mdx_ProfValuesTable table;
    if (!table.readFromFile(requiredText(args, "table")))
        return {{"result", false}, {"error", "the table cannot be read"}};
    int newRow = -1;
    const bool result = StartDlgEditLibSimple(textField(args, "sysName"), table, newRow);
    json answer = {{"result", result}, {"newRow", newRow}, {"sizes", table.rows.length()}};
    Mdx_StringArray names;
    table.getFilteredSysNames(names);
    if (result && names.isValidIndex(newRow)) answer["added"] = toJson(names[newRow]);
    if (result && boolField(args, "save", false))
        answer["saved"] = table.writeToFile(table.tableName);
    return answer;
}

json callCis2Info(const json&) {
    KvDlgCis2Data data;
    const bool result = StartDlgCis2Info(data);
    return {{"result", result},
            {"record",
             {data.first, data.second, data.third, data.fourth, data.fifth}}};
}

void checkProfCuts(const json& args) {
    textArray(args, "cutNames");
}
json callProfCuts(const json& args) {
    DlgProfCutsData data;
    data.cutNames = textArray(args, "cutNames");
    const bool result = StartEditProfCutsDlg(data);
    return {{"result", result}, {"lastIndex", profile_cuts::lastSelectedIndex()}};
}

// An array: "name", "kind" ("list" or "spaced"), "values" (up to five texts) and "entries"
// ([name, value] pairs); the dialog's record comes back in the same form.
void checkArray(const json& args) {
    textField(args, "name");
    const std::string kind = textField(args, "kind", "list").str();
    if (kind != "list" && kind != "spaced")
        throw ScenarioError("\"kind\" must be \"list\" or \"spaced\"");
    if (textArray(args, "values").length() > Mdx_ModuleArray::kValueCount)
        throw ScenarioError("an array has at most five values");
    if (args.contains("entries"))
        for (const json& entry : args["entries"])
            if (!entry.is_array() || entry.size() != 2 || !entry[0].is_string() ||
                !entry[1].is_string())
                throw ScenarioError("each entry must be a [name, value] pair of texts");
}
json callArray(const json& args) {
    DynArrayData data;
    data.array.name = textField(args, "name");
    data.array.kind = textField(args, "kind", "list").str() == "spaced" ? Mdx_ModuleArray::kSpacedArray
                                                                   : Mdx_ModuleArray::kListArray;
    const Mdx_StringArray values = textArray(args, "values");
    for (int i = 0; i < values.length(); ++i) data.array.values[static_cast<std::size_t>(i)] = values[i];
    if (args.contains("entries"))
        for (const json& entry : args["entries"])
            data.array.entries.append({Mdx_String::fromUtf8(entry[0].get<std::string>()),
                                       Mdx_String::fromUtf8(entry[1].get<std::string>())});
    const bool result = StartArrayDlg(data, AcArray<AcDbObjectId>(), "");
    json entries = json::array();
    for (const Mdx_ArrayEntry& entry : data.array.entries)
        entries.push_back({entry.name.toUtf8(), entry.value.toUtf8()});
    Mdx_StringArray shown;
    for (const Mdx_String& value : data.array.values) shown.append(value);
    return {{"result", result},
            {"kind", data.array.kind == Mdx_ModuleArray::kSpacedArray ? "spaced" : "list"},
            {"values", toJson(shown)},
            {"entries", entries}};
}
json callLevels(const json&) {
    KvLevelsDlgData data;
    return resultOf(StartDlgLevels(data));
}
// The cladding record: "face" (0 wall, 1 roof), "direction" (0 sheets vertical, 1
// horizontal), "sheetProfile", "sheetThickness", "endOverlap", "fixingSpacing".
void checkCladding(const json& args) {
    for (const char* key : {"face", "direction"}) {
        const int value = intField(args, key, 0);
        if (value != 0 && value != 1) throw ScenarioError(std::string("\"") + key + "\" must be 0 or 1");
    }
    for (const char* key : {"sheetProfile", "sheetThickness", "endOverlap", "fixingSpacing"})
        textField(args, key);
}
json callCladding(const json& args) {
    KvCladdingDlgData data;
    data.face = intField(args, "face", data.face);
    data.direction = intField(args, "direction", data.direction);
    data.sheetProfile = textField(args, "sheetProfile");
    data.sheetThickness = textField(args, "sheetThickness", data.sheetThickness.c_str());
    data.endOverlap = textField(args, "endOverlap", data.endOverlap.c_str());
    data.fixingSpacing = textField(args, "fixingSpacing", data.fixingSpacing.c_str());
    const bool result = StartDlgCladdingSettings(data);
    return {{"result", result},
            {"record",
             {{"face", data.face},
              {"direction", data.direction},
              {"sheetProfile", toJson(data.sheetProfile)},
              {"sheetThickness", toJson(data.sheetThickness)},
              {"endOverlap", toJson(data.endOverlap)},
              {"fixingSpacing", toJson(data.fixingSpacing)}}}};
}
// The bracing record: "kind" (0 single diagonal, 1 cross, 2 K, 3 V), "section",
// "tensionOnly", "plateThickness", "boltCount", "boltDiameter"; it comes back the same way.
void checkBracing(const json& args) {
    const int kind = intField(args, "kind", KvBracingDlgData::kCross);
    if (kind < 0 || kind >= KvBracingDlgData::kKindCount)
        throw ScenarioError("\"kind\" must be 0 to 3");
    boolField(args, "tensionOnly", false);
    for (const char* key : {"section", "plateThickness", "boltCount", "boltDiameter"})
        textField(args, key);
}
json callBracing(const json& args) {
    KvBracingDlgData data;
    data.kind = intField(args, "kind", data.kind);
    data.section = textField(args, "section");
    data.tensionOnly = boolField(args, "tensionOnly", false);
    data.plateThickness = textField(args, "plateThickness", data.plateThickness.c_str());
    data.boltCount = textField(args, "boltCount", data.boltCount.c_str());
    data.boltDiameter = textField(args, "boltDiameter", data.boltDiameter.c_str());
    const bool result = StartDlgBracing(data);
    return {{"result", result},
            {"record",
             {{"kind", data.kind},
              {"section", toJson(data.section)},
              {"tensionOnly", data.tensionOnly},
              {"plateThickness", toJson(data.plateThickness)},
              {"boltCount", toJson(data.boltCount)},
              {"boltDiameter", toJson(data.boltDiameter)}}}};
}

KvLookUpDlgData lookUpRecord(const json& args) {
    KvLookUpDlgData data;
    Mdx_String* texts[] = {&data.text1, &data.text2, &data.text3, &data.text4, &data.text5};
    Mdx_StringArray* items[] = {&data.items1, &data.items2, &data.items3, &data.items4,
                                &data.items5};
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i + 1);
        *texts[i] = textField(args, ("text" + n).c_str());
        *items[i] = textArray(args, ("items" + n).c_str());
    }
    data.choice1 = intField(args, "choice1", data.choice1);
    data.choice2 = intField(args, "choice2", data.choice2);
    data.radio = intField(args, "radio", data.radio);
    data.option = boolField(args, "option", data.option);
    return data;
}
void checkLookUp(const json& args) {
    lookUpRecord(args);
}
json callLookUp(const json& args) {
    KvLookUpDlgData data = lookUpRecord(args);
    const bool result = StartDlgLookUp(data);
    json record = {{"choice1", data.choice1},
                   {"choice2", data.choice2},
                   {"radio", data.radio},
                   {"option", data.option},
                   {"result", data.result}};
    const Mdx_String* texts[] = {&data.text1, &data.text2, &data.text3, &data.text4, &data.text5};
    for (int i = 0; i < 5; ++i) record["text" + std::to_string(i + 1)] = toJson(*texts[i]);
    return {{"result", result}, {"record", record}};
}

void checkSelectImage(const json& args) {
    textField(args, "title");
    textArray(args, "files");
}
json callSelectImage(const json& args) {
    KvSelectImageDlgData data;
    data.title = textField(args, "title");
    data.files = textArray(args, "files");
    const bool result = StartDlgSelectImage(data);
    return {{"result", result}, {"selection", toJson(data.selection)}};
}

// The seven lists of the general variables, in the order of the record.
constexpr const char* kGenVarLists[] = {"dwgGenVars",   "dwgGenValues", "dwgGenFilters",
                                        "stdGenVars",   "stdGenValues", "stdGenOverrides",
                                        "stdGenFilters"};
Mdx_StringArray* genVarList(KvAutoStandardsData& data, int i) {
    Mdx_StringArray* lists[] = {&data.dwgGenVars,   &data.dwgGenValues, &data.dwgGenFilters,
                                &data.stdGenVars,   &data.stdGenValues, &data.stdGenOverrides,
                                &data.stdGenFilters};
    return lists[i];
}
KvAutoStandardsData genVarsRecord(const json& args) {
    KvAutoStandardsData data;
    for (int i = 0; i < 7; ++i) *genVarList(data, i) = textArray(args, kGenVarLists[i]);
    return data;
}
void checkGenVars(const json& args) {
    genVarsRecord(args);
}
json callGenVars(const json& args) {
    KvAutoStandardsData data = genVarsRecord(args);
    const bool result = StartDlgGenVars(data);
    json record = json::object();
    for (int i = 0; i < 7; ++i) record[kGenVarLists[i]] = toJson(*genVarList(data, i));
    return {{"result", result}, {"record", record}};
}

json statusOf(Acad::ErrorStatus status) {
    return {{"status", Acad::errorStatusText(status)}};
}
json callRegister(const json&) {
    return statusOf(SSregisterOpmCLSIDs());
}
json callCleanup(const json&) {
    return statusOf(SScleanupComRegistry());
}
json callPrintIds(const json&) {
    return statusOf(SSprintCLSIDs());
}

const LaunchPoint kLaunchPoints[] = {
    {"EvaluateSS", noArgs, callEvaluateSS},
    {"ReadSSFile", checkReadSSFile, callReadSSFile},
    {"startGridDialog", checkGridDialog, callGridDialog},
    {"StartDlgGrid", checkGrid, callGrid},
    {"StartDlgMacro", checkMacroDialog, callMacroDialog},
    {"StartDlgMacroModeless", checkMacroDialog, callMacroDialogModeless},
    {"GetDlgMacroData", checkSlot, callGetMacroData},
    {"EndDlgMacroModeless", checkSlot, callEndMacroModeless},
    {"DestroyAllMacroDlgs", noArgs, callDestroyAll},
    {"EndDlgEditConstraints", noArgs, callEndConstraints},
    {"StartDlgStandardsSS", checkStandards, callStandards},
    {"StartDlgStandardsSStest", noArgs, callStandardsTest},
    {"StartDlgEditConstrModal", checkMacroEditor, callMacroEditorModal},
    {"StartDlgEditConstraints", checkMacroEditor, callMacroEditorModeless},
    {"StartDlgSelectMacro", checkSelectMacro, callSelectMacro},
    {"StartDlgMacroCuts", checkMacroCutsDialog, callMacroCutsDialog},
    {"StartDlgDesigner", checkFile, callDesigner},
    {"GetImageDlgCtrlNames", checkFile, callControlNames},
    {"StartDlgCSP2", checkCuttingStock, callCuttingStock},
    {"StartDlgEditLibSections", checkEditLibSections, callEditLibSections},
    {"StartDlgEditLibSimple", checkEditLibSimple, callEditLibSimple},
    {"StartDlgCis2Info", noArgs, callCis2Info},
    {"StartDSTVPointsDlg", checkDstvPoints, callDstvPoints},
    {"StartEditProfCutsDlg", checkProfCuts, callProfCuts},
    {"StartArrayDlg", checkArray, callArray},
    {"StartDlgProfFeatures", checkProfFeatures, callProfFeatures},
    {"StartDlgLevels", noArgs, callLevels},
    {"StartDlgCladdingSettings", checkCladding, callCladding},
    {"StartDlgBracing", checkBracing, callBracing},
    {"StartDlgMacroProfAdv", checkProfileDetails, callProfileDetails},
    {"StartDlgLookUp", checkLookUp, callLookUp},
    {"StartDlgSelectImage", checkSelectImage, callSelectImage},
    {"StartDlgGenVars", checkGenVars, callGenVars},
    {"MacroSettings", checkMacroSettings, callMacroSettings},
    {"SSregisterOpmCLSIDs", noArgs, callRegister},
    {"SScleanupComRegistry", noArgs, callCleanup},
    {"SSprintCLSIDs", noArgs, callPrintIds},
};

}  // namespace

const LaunchPoint* findLaunchPoint(std::string_view name) {
    for (const LaunchPoint& point : kLaunchPoints)
        if (name == point.name) return &point;
    return nullptr;
}

std::string launchPointNames() {
    std::string names;
    for (const LaunchPoint& point : kLaunchPoints)
        names += (names.empty() ? "" : ", ") + std::string(point.name);
    return names;
}

}  // namespace scenario
