#pragma once
// Reading the values of a scenario step into the module's types, and back into JSON for the
// report. Every reader throws ScenarioError naming the field that is wrong.
#include <nlohmann/json.hpp>
#include <string>

#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

namespace scenario {

using nlohmann::json;

// "{here}" in a text stands for the folder of the scenario file.
void setScenarioFolder(const std::string& folder);
std::string expandText(const std::string& text);

int intField(const json& object, const char* key, int fallback);
int requiredInt(const json& object, const char* key);
bool boolField(const json& object, const char* key, bool fallback);
Mdx_String textField(const json& object, const char* key, const char* fallback = "");
Mdx_String requiredText(const json& object, const char* key);
Mdx_StringArray textArray(const json& object, const char* key);
Mdx_Array<Mdx_StringArray> textRows(const json& object, const char* key);

json toJson(const Mdx_String& text);
json toJson(const Mdx_StringArray& texts);
json toJson(const Mdx_Array<Mdx_StringArray>& rows);

}  // namespace scenario
