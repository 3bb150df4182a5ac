#include "ScenarioValues.h"

#include <cstdint>
#include <limits>

#include "ScenarioError.h"

namespace scenario {

namespace {

std::string& scenarioFolder() {
    static std::string folder;
    return folder;
}

const json* field(const json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

Mdx_String textOf(const json& value, const std::string& where) {
    if (!value.is_string()) throw ScenarioError(where + " must be a text");
    return Mdx_String::fromUtf8(expandText(value.get<std::string>()));
}

}  // namespace

void setScenarioFolder(const std::string& folder) {
    scenarioFolder() = folder;
}

std::string expandText(const std::string& text) {
    std::string out = text;
    const std::string marker = "{here}";
    for (auto at = out.find(marker); at != std::string::npos; at = out.find(marker, at)) {
        out.replace(at, marker.size(), scenarioFolder());
        at += scenarioFolder().size();
    }
    return out;
}

int intField(const json& object, const char* key, int fallback) {
    const json* value = field(object, key);
    if (!value) return fallback;
    if (!value->is_number_integer())
        throw ScenarioError(std::string("\"") + key + "\" must be an integer");
    // A number beyond int would wrap round and be reported as what it is not (negative).
    const bool fits = value->is_number_unsigned()
                          ? value->get<std::uint64_t>() <= std::numeric_limits<int>::max()
                          : value->get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                                value->get<std::int64_t>() <= std::numeric_limits<int>::max();
    if (!fits)
        throw ScenarioError(std::string("\"") + key + "\" is out of range (at most " +
                            std::to_string(std::numeric_limits<int>::max()) + ")");
    return value->get<int>();
}

int requiredInt(const json& object, const char* key) {
    if (!field(object, key)) throw ScenarioError(std::string("\"") + key + "\" is missing");
    return intField(object, key, 0);
}

bool boolField(const json& object, const char* key, bool fallback) {
    const json* value = field(object, key);
    if (!value) return fallback;
    if (!value->is_boolean())
        throw ScenarioError(std::string("\"") + key + "\" must be true or false");
    return value->get<bool>();
}

Mdx_String textField(const json& object, const char* key, const char* fallback) {
    const json* value = field(object, key);
    return value ? textOf(*value, std::string("\"") + key + "\"") : Mdx_String(fallback);
}

Mdx_String requiredText(const json& object, const char* key) {
    if (!field(object, key)) throw ScenarioError(std::string("\"") + key + "\" is missing");
    return textField(object, key);
}

Mdx_StringArray textArray(const json& object, const char* key) {
    Mdx_StringArray texts;
    const json* value = field(object, key);
    if (!value) return texts;
    if (!value->is_array())
        throw ScenarioError(std::string("\"") + key + "\" must be a list of texts");
    for (const json& item : *value)
        texts.append(textOf(item, std::string("an item of \"") + key + "\""));
    return texts;
}

Mdx_Array<Mdx_StringArray> textRows(const json& object, const char* key) {
    Mdx_Array<Mdx_StringArray> rows;
    const json* value = field(object, key);
    if (!value) return rows;
    if (!value->is_array())
        throw ScenarioError(std::string("\"") + key + "\" must be a list of rows");
    for (const json& row : *value) {
        json wrapper = {{"row", row}};
        rows.append(textArray(wrapper, "row"));
    }
    return rows;
}

json toJson(const Mdx_String& text) {
    return text.toUtf8();
}

json toJson(const Mdx_StringArray& texts) {
    json list = json::array();
    for (const Mdx_String& text : texts) list.push_back(text.toUtf8());
    return list;
}

json toJson(const Mdx_Array<Mdx_StringArray>& rows) {
    json list = json::array();
    for (const Mdx_StringArray& row : rows) list.push_back(toJson(row));
    return list;
}

}  // namespace scenario
