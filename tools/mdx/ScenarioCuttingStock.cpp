#include "ScenarioCuttingStock.h"

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "cutstock/CuttingStockLaunch.h"

namespace {

using nlohmann::json;
using namespace scenario;

const char* const kListKeys[3] = {"list1", "list2", "list3"};

// A list: {"columns": [...], "records": {"GROUP": [[...], ...]}}; records of a group that is
// not in "groups" are refused.
void readList(const json& args, const char* key, const DlgCSP2Data& data, CSP2List& list) {
    if (!args.contains(key)) return;
    const json& value = args[key];
    if (!value.is_object()) throw ScenarioError(std::string("\"") + key + "\" must be an object");
    list.columnNames = textArray(value, "columns");
    if (!value.contains("records")) return;
    if (!value["records"].is_object())
        throw ScenarioError(std::string("\"") + key + ".records\" must map groups to rows");
    for (const auto& [group, rows] : value["records"].items()) {
        const int index = data.groupNames.find(Mdx_String::fromUtf8(expandText(group)), true);
        if (index < 0)
            throw ScenarioError(std::string("\"") + key + ".records\" names the unknown group \"" +
                                group + "\"");
        const json holder = {{"rows", rows}};
        for (const Mdx_StringArray& record : textRows(holder, "rows")) {
            list.groupIds.append(data.groupIds[index]);
            list.records.append(record);
        }
    }
}

DlgCSP2Data recordOf(const json& args) {
    DlgCSP2Data data;
    data.batchMode = boolField(args, "batchMode", false);
    data.groupNames = textArray(args, "groups");
    for (int i = 0; i < data.groupNames.length(); ++i) data.groupIds.append(i + 1);
    CSP2List* lists[3] = {&data.list1, &data.list2, &data.list3};
    for (int i = 0; i < 3; ++i) readList(args, kListKeys[i], data, *lists[i]);
    return data;
}

json listJson(const DlgCSP2Data& data, const CSP2List& list) {
    json records = json::object();
    for (int i = 0; i < list.records.length() && i < list.groupIds.length(); ++i) {
        const int group = data.groupIds.find(list.groupIds[i]);
        const std::string name = group >= 0 ? data.groupNames[group].toUtf8() : "?";
        records[name].push_back(toJson(list.records[i]));
    }
    return records;
}

}  // namespace

void checkCuttingStock(const json& args) {
    recordOf(args);
}

json callCuttingStock(const json& args) {
    DlgCSP2Data data = recordOf(args);
    const bool result = StartDlgCSP2(data);
    return {{"result", result},
            {"groups", toJson(data.groupNames)},
            {"list1", listJson(data, data.list1)},
            {"list2", listJson(data, data.list2)},
            {"list3", listJson(data, data.list3)}};
}
