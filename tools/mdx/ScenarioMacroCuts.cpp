#include "ScenarioMacroCuts.h"

#include <memory>

#include "EvaluateError.h"
#include "MacroEditDrawing.h"
#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "macroedit/MacroCutsLaunch.h"

namespace {

using nlohmann::json;
using namespace scenario;

DlgMacroCutsData record(const json& args) {
    DlgMacroCutsData data;
    const int type = intField(args, "type", 1);
    if (type < 1 || type > mdxConstraintCutTypeCount)
        throw ScenarioError("\"type\" must be a cut type from 1 to 6");
    data.cutType = static_cast<Mdx_ConstraintCutType>(type);
    DlgMacroCutsData::GetDefaultValues(data.cutType, data.valueNames, data.values,
                                       data.valueFlags);
    if (args.contains("values")) data.values = textArray(args, "values");
    data.name = textField(args, "name");
    data.editing = boolField(args, "editing", false);
    data.otherPartSource = intField(args, "source", 1);
    if (data.otherPartSource != 1 && data.otherPartSource != 2)
        throw ScenarioError("\"source\" must be 1 (this macro) or 2 (another macro)");
    data.moduleName = textField(args, "module");
    return data;
}

json flagsOf(const AcArray<bool>& flags) {
    json all = json::array();
    for (int i = 0; i < flags.length(); ++i) all.push_back(flags[i]);
    return all;
}

}  // namespace

void checkMacroCutsDialog(const json& args) {
    record(args);
    if (args.contains("drawing") != args.contains("macro"))
        throw ScenarioError("\"drawing\" and \"macro\" go together");
    if (args.contains("drawing")) {
        requiredText(args, "drawing");
        requiredText(args, "macro");
    }
}

// With a drawing, the other part's macro is that macro of the drawing (loaded, never
// written): its modules fill the module list and a cut name is looked up in it.
json callMacroCutsDialog(const json& args) {
    DlgMacroCutsData data = record(args);
    std::unique_ptr<MacroEditDrawing> drawing;
    if (args.contains("drawing")) {
        try {
            drawing = std::make_unique<MacroEditDrawing>(textField(args, "drawing").toUtf8(),
                                                         textField(args, "macro").toUtf8());
        } catch (const EvaluateError& error) {
            return {{"result", false}, {"error", error.what()}};
        }
        data.macroChoice.database = &drawing->database();
        data.macroChoice.macroId = drawing->macroId();
    }
    bool escaped = false;
    const bool result = StartDlgMacroCuts(data, escaped);
    json out = {{"result", result},
            {"escaped", escaped},
            {"record",
             {{"type", static_cast<int>(data.cutType)},
              {"name", toJson(data.name)},
              {"prefix", toJson(data.variablePrefix)},
              {"valueNames", toJson(data.valueNames)},
              {"values", toJson(data.values)},
              {"flags", flagsOf(data.valueFlags)},
              {"source", data.otherPartSource},
              {"module", toJson(data.moduleName)}}}};
    // The macro the other part comes from, as the drawing keeps it (its handle).
    if (data.otherPartSource == 2 && !data.macroChoice.macroId.isNull())
        out["record"]["macro"] = data.macroChoice.macroId.toText();
    return out;
}
