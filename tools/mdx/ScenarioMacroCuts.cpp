#include "ScenarioMacroCuts.h"

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
}

json callMacroCutsDialog(const json& args) {
    DlgMacroCutsData data = record(args);
    bool escaped = false;
    const bool result = StartDlgMacroCuts(data, escaped);
    return {{"result", result},
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
}
