#include "ScenarioMacroSettings.h"

#include <memory>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "core/macro/MacroSettings.h"
#include "standards/KvMappingFile.h"
#include "standards/MacroSettingsDlg.h"
#include "standards/StandardsName.h"
#include "win/FilePaths.h"

namespace scenario {

namespace {

using json = nlohmann::json;

struct Entries {
    Mdx_StringArray names;
    Mdx_StringArray keys;
};

// "standards": [{"name": "EndPlate", "mapsTo": "EndPlateStd"}, ...]
Entries standardsEntries(const json& args) {
    Entries entries;
    if (args.contains("standards") && !args["standards"].is_array())
        throw ScenarioError("\"standards\" must be a list");
    for (const json& item : args.value("standards", json::array())) {
        entries.names.append(requiredText(item, "name"));
        entries.keys.append(textField(item, "mapsTo"));
    }
    return entries;
}

// For each spreadsheet the settings name: how many lines its mapping file holds and the
// lines of the keys the settings use.
json mappingFiles(const TabMappingData& standards) {
    json files = json::object();
    for (int i = 0; i < standards.entryCount(); ++i) {
        const Mdx_String& name = standards.spreadsheetNames[i];
        Mdx_StringArray lines;
        if (!isStandardsNameInside(name) || !mappingfile::readLines(name, lines)) continue;
        json& file = files[name.toUtf8()];
        file["lines"] = lines.length();
        if (!file.contains("used")) file["used"] = json::array();
        const int used = mappingfile::findKey(lines, standards.mapsToKeys[i]);
        if (used >= 0) file["used"].push_back(toJson(lines[used]));
    }
    return files;
}

}  // namespace

void checkMacroSettings(const json& args) {
    textField(args, "drawing");
    textField(args, "macro");
    textField(args, "description");
    standardsEntries(args);
    if (args.contains("save") && !args["save"].is_boolean())
        throw ScenarioError("\"save\" must be true or false");
}

// Without a drawing the settings start from the arguments alone. With one they start from
// what the macro keeps, the arguments given replacing their part; "save": true keeps the
// settings of an OK with the macro and writes the drawing.
json callMacroSettings(const json& args) {
    const Entries entries = standardsEntries(args);
    MacroSettings settings;
    std::unique_ptr<EvaluateDrawing> drawing;
    const Mdx_String drawingPath = textField(args, "drawing");
    if (!drawingPath.isEmpty()) {
        try {
            drawing = std::make_unique<EvaluateDrawing>(win::mapPath(drawingPath.str()));
            std::string macro = textField(args, "macro").toUtf8();
            if (macro.empty() && !drawing->macros().empty()) macro = drawing->macros()[0].handle;
            if (macro.empty()) throw ScenarioError("the drawing holds no macro");
            drawing->open(macro);
        } catch (const ScenarioError&) {
            throw;
        } catch (const std::exception& error) {
            throw ScenarioError("the drawing of the settings: " + std::string(error.what()));
        }
        GetMacroSettings(*drawing->macro(), settings);
        settings.dbMacro = drawing->macro();
        settings.transaction = &drawing->transaction();
    }
    if (args.contains("description")) settings.description = textField(args, "description");
    if (args.contains("standards")) {
        settings.standards.spreadsheetNames = entries.names;
        settings.standards.mapsToKeys = entries.keys;
    }
    const bool result = RunMacroSettingsDialog(nullptr, settings);
    if (result && drawing && args.value("save", false)) {
        SetMacroSettings(*drawing->macro(), settings);
        try {
            drawing->save();
        } catch (const std::exception& error) {
            throw ScenarioError("the drawing of the settings was not written: " +
                                std::string(error.what()));
        }
    }
    json standards = json::array();
    for (int i = 0; i < settings.standards.entryCount(); ++i)
        standards.push_back({{"name", toJson(settings.standards.spreadsheetNames[i])},
                             {"mapsTo", toJson(settings.standards.mapsToKeys[i])}});
    return {{"result", result},
            {"standards", standards},
            {"description", toJson(settings.description)},
            {"mappingFiles", mappingFiles(settings.standards)}};
}

}  // namespace scenario
