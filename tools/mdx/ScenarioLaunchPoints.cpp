#include "ScenarioLaunchPoints.h"

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "core/macro/MacroData.h"
#include "frame/ConstraintEditorLaunch.h"
#include "frame/MacroDialogLaunch.h"
#include "frame/MacroDialogSlots.h"
#include "frame/SheetFileLaunch.h"
#include "frame/StandardsLaunch.h"
#include "otherdlg/KvGridDlg.h"
#include "otherdlg/StringArrayGridDialog.h"
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

void checkMacroModeless(const json& args) {
    boolField(args, "keepFocus", false);
}
json callMacroModeless(const json& args) {
    MacroData data;
    int slot = -1;
    const bool result = StartDlgMacroModeless(boolField(args, "keepFocus", false), data, slot);
    return {{"result", result}, {"slot", slot}};
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
json callMacroModal(const json&) {
    MacroData data;
    StartDlgMacro(data);
    return {{"tabs", data.tabCount()}};
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

const LaunchPoint kLaunchPoints[] = {
    {"EvaluateSS", noArgs, callEvaluateSS},
    {"ReadSSFile", checkReadSSFile, callReadSSFile},
    {"startGridDialog", checkGridDialog, callGridDialog},
    {"StartDlgGrid", checkGrid, callGrid},
    {"StartDlgMacro", noArgs, callMacroModal},
    {"StartDlgMacroModeless", checkMacroModeless, callMacroModeless},
    {"GetDlgMacroData", checkSlot, callGetMacroData},
    {"EndDlgMacroModeless", checkSlot, callEndMacroModeless},
    {"DestroyAllMacroDlgs", noArgs, callDestroyAll},
    {"EndDlgEditConstraints", noArgs, callEndConstraints},
    {"StartDlgStandardsSS", checkStandards, callStandards},
    {"StartDlgStandardsSStest", noArgs, callStandardsTest},
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
