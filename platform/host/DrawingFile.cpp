#include "host/DrawingFile.h"
#include "host/JsonNesting.h"

#include <cmath>
#include <limits>
#include <map>
#include <nlohmann/json.hpp>

#include "host/DatabaseInternals.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"
#include "host/ObjectClassRegistry.h"
#include "host/Windows1252.h"
#include "win/FilePaths.h"

namespace host {

namespace {

using Json = nlohmann::json;
using LoadedObjects = std::map<std::uint64_t, std::unique_ptr<AcDbObject>>;

constexpr const char* kFormatName = "meridox-drawing";
// The format nests four levels; anything much deeper is not a drawing, and refusing it before
// parsing keeps hostile input from costing stack or memory.
constexpr int kMaxNesting = 16;

// A failure while reading: the status to report and where in the file it happened.
struct LoadFailure {
    Acad::ErrorStatus status;
    std::string message;
};

LoadFailure malformed(const std::string& where, const std::string& what) {
    return {Acad::eMalformedFile, where + ": " + what};
}

// ---- writing ----

std::string jsonText(std::string_view windows1252) {
    return Json(windows1252ToUtf8(windows1252)).dump(-1, ' ', false);
}

std::string realText(double value) {
    if (std::isnan(value)) return "\"nan\"";
    if (std::isinf(value)) return value > 0 ? "\"inf\"" : "\"-inf\"";
    return Json(value).dump();
}

std::string fieldValueText(const ObjectField& field) {
    switch (field.kind) {
        case FieldKind::Int:
            return std::to_string(field.integer);
        case FieldKind::Real:
            return realText(field.real);
        case FieldKind::Bool:
            return field.integer ? "true" : "false";
        case FieldKind::Text:
            return jsonText(field.text);
        case FieldKind::Id:
            return jsonText(
                AcDbObjectId::fromHandle(static_cast<std::uint64_t>(field.integer)).toText());
    }
    return "null";
}

void appendObject(std::string& out, std::uint64_t handle, const AcDbObject& object) {
    FieldWriter writer;
    object.writeFields(writer);
    out += "    {\n";
    out += "      \"handle\": " + jsonText(AcDbObjectId::fromHandle(handle).toText()) + ",\n";
    out += "      \"class\": " + jsonText(object.className()) + ",\n";
    const auto& fields = writer.fields();
    if (fields.empty()) {
        out += "      \"fields\": []\n";
    } else {
        out += "      \"fields\": [\n";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            out += "        [" + jsonText(fields[i].name) + ", \"" + fieldKindName(fields[i].kind) +
                   "\", " + fieldValueText(fields[i]) + "]";
            out += i + 1 < fields.size() ? ",\n" : "\n";
        }
        out += "      ]\n";
    }
    out += "    }";
}

// ---- reading ----

bool onlyKeys(const Json& object, std::initializer_list<const char*> keys, std::string& extra) {
    for (const auto& item : object.items()) {
        bool known = false;
        for (const char* key : keys) known = known || item.key() == key;
        if (!known) {
            extra = item.key();
            return false;
        }
    }
    return true;
}

bool textOf(const Json& value, std::string& windows1252, std::string& problem) {
    if (!value.is_string()) {
        problem = "expected a text";
        return false;
    }
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::size_t bad = 0;
    if (utf8ToWindows1252(utf8, windows1252, bad)) return true;
    problem = "character at byte " + std::to_string(bad) + " of the text has no Windows-1252 byte";
    return false;
}

bool idOf(const Json& value, AcDbObjectId& id, std::string& problem) {
    std::string text;
    if (!textOf(value, text, problem)) return false;
    if (AcDbObjectId::fromText(text, id)) return true;
    problem = "\"" + text + "\" is not a handle (1 to 16 hexadecimal digits)";
    return false;
}

bool realOf(const Json& value, double& real, std::string& problem) {
    if (value.is_number()) {
        real = value.get<double>();
        return true;
    }
    if (value == "nan" || value == "inf" || value == "-inf") {
        const std::string& word = value.get_ref<const std::string&>();
        real = word == "nan"   ? std::numeric_limits<double>::quiet_NaN()
               : word == "inf" ? std::numeric_limits<double>::infinity()
                               : -std::numeric_limits<double>::infinity();
        return true;
    }
    problem = "expected a number, \"nan\", \"inf\" or \"-inf\"";
    return false;
}

bool intOf(const Json& value, std::int64_t& integer, std::string& problem) {
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        integer = value.get<std::int64_t>();
        return true;
    }
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() <= std::uint64_t(std::numeric_limits<std::int64_t>::max())) {
        integer = static_cast<std::int64_t>(value.get<std::uint64_t>());
        return true;
    }
    problem = value.is_number_unsigned() ? "integer out of range" : "expected an integer";
    return false;
}

bool kindOf(const std::string& name, FieldKind& kind) {
    for (FieldKind k :
         {FieldKind::Int, FieldKind::Real, FieldKind::Bool, FieldKind::Text, FieldKind::Id}) {
        if (name == fieldKindName(k)) {
            kind = k;
            return true;
        }
    }
    return false;
}

bool valueOf(const Json& value, ObjectField& field, std::string& problem) {
    switch (field.kind) {
        case FieldKind::Int:
            return intOf(value, field.integer, problem);
        case FieldKind::Real:
            return realOf(value, field.real, problem);
        case FieldKind::Bool:
            if (!value.is_boolean()) {
                problem = "expected true or false";
                return false;
            }
            field.integer = value.get<bool>() ? 1 : 0;
            return true;
        case FieldKind::Text:
            return textOf(value, field.text, problem);
        case FieldKind::Id: {
            AcDbObjectId id;
            if (!idOf(value, id, problem)) return false;
            field.integer = static_cast<std::int64_t>(id.handle());
            return true;
        }
    }
    return false;
}

bool readField(const Json& entry, ObjectField& field, std::string& problem) {
    if (!entry.is_array() || entry.size() != 3) {
        problem = "expected [name, kind, value]";
        return false;
    }
    std::string kindName;
    if (!textOf(entry[0], field.name, problem)) {
        problem = "name: " + problem;
        return false;
    }
    if (!textOf(entry[1], kindName, problem) || !kindOf(kindName, field.kind)) {
        problem = "kind must be one of int, real, bool, text, id";
        return false;
    }
    if (!valueOf(entry[2], field, problem)) {
        problem = "value of " + kindName + " field \"" + field.name + "\": " + problem;
        return false;
    }
    return true;
}

bool readFields(const Json& list, const std::string& where, std::vector<ObjectField>& fields,
                LoadFailure& failure) {
    if (!list.is_array()) {
        failure = malformed(where + ".fields", "expected a list");
        return false;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string problem;
        if (!readField(list[i], fields.emplace_back(), problem)) {
            failure = malformed(where + ".fields[" + std::to_string(i) + "]", problem);
            return false;
        }
    }
    return true;
}

bool buildObject(const std::string& className, const std::vector<ObjectField>& fields,
                 const std::string& where, std::unique_ptr<AcDbObject>& object,
                 LoadFailure& failure) {
    object = ObjectClassRegistry::create(className);
    if (!object) {
        failure = {Acad::eUnknownClass, where + ": class \"" + className + "\" is not registered"};
        return false;
    }
    if (className != object->className()) {
        failure = {Acad::eUnknownClass, where + ": the factory of \"" + className +
                                            "\" makes objects of class \"" + object->className() +
                                            "\""};
        return false;
    }
    FieldReader reader(fields);
    Acad::ErrorStatus status = object->readFields(reader);
    std::string problem = reader.error();
    if (problem.empty() && status != Acad::eOk) {
        problem =
            std::string("the object refused its fields (") + Acad::errorStatusText(status) + ")";
    }
    if (problem.empty() && !reader.atEnd()) {
        problem = std::to_string(fields.size() - reader.position()) + " of " +
                  std::to_string(fields.size()) + " fields left unread";
    }
    if (problem.empty()) return true;
    failure = malformed(where + " (" + className + ")", problem);
    return false;
}

bool readObject(const Json& entry, const std::string& where, std::uint64_t nextHandle,
                LoadedObjects& objects, LoadFailure& failure) {
    std::string problem;
    std::string extra;
    if (!entry.is_object()) {
        failure = malformed(where, "expected an object");
        return false;
    }
    if (!onlyKeys(entry, {"handle", "class", "fields"}, extra)) {
        failure = malformed(where, "unknown key \"" + extra + "\"");
        return false;
    }
    if (!entry.contains("handle") || !entry.contains("class") || !entry.contains("fields")) {
        failure = malformed(where, "needs \"handle\", \"class\" and \"fields\"");
        return false;
    }
    AcDbObjectId id;
    if (!idOf(entry["handle"], id, problem)) {
        failure = malformed(where + ".handle", problem);
        return false;
    }
    if (id.isNull() || id.handle() >= nextHandle || objects.count(id.handle())) {
        failure =
            malformed(where + ".handle", id.isNull() ? "handle 0 is the null id"
                                         : id.handle() >= nextHandle
                                             ? "handle " + id.toText() + " is not below nextHandle"
                                             : "handle " + id.toText() + " is used twice");
        return false;
    }
    std::string className;
    if (!textOf(entry["class"], className, problem) || className.empty()) {
        failure = malformed(where + ".class", problem.empty() ? "empty class name" : problem);
        return false;
    }
    std::vector<ObjectField> fields;
    if (!readFields(entry["fields"], where, fields, failure)) return false;
    std::unique_ptr<AcDbObject> object;
    if (!buildObject(className, fields, where, object, failure)) return false;
    objects.emplace(id.handle(), std::move(object));
    return true;
}

bool readHeader(const Json& root, std::uint64_t& nextHandle, LoadFailure& failure) {
    std::string extra;
    std::string problem;
    if (!root.is_object()) {
        failure = malformed("file", "expected a JSON object");
        return false;
    }
    if (!root.contains("format") || root["format"] != kFormatName) {
        failure =
            malformed("format", std::string("not a drawing (expected \"") + kFormatName + "\")");
        return false;
    }
    if (!root.contains("version") || !root["version"].is_number_integer()) {
        failure = malformed("version", "expected an integer");
        return false;
    }
    if (root["version"] != DrawingFile::kVersion) {
        failure = malformed("version", "version " + root["version"].dump() +
                                           " is not the one this program reads (" +
                                           std::to_string(DrawingFile::kVersion) + ")");
        return false;
    }
    if (!onlyKeys(root, {"format", "version", "nextHandle", "objects"}, extra)) {
        failure = malformed("file", "unknown key \"" + extra + "\"");
        return false;
    }
    AcDbObjectId next;
    if (!root.contains("nextHandle") || !idOf(root["nextHandle"], next, problem) || next.isNull()) {
        failure = malformed("nextHandle", problem.empty() ? "expected a handle above 0" : problem);
        return false;
    }
    if (!root.contains("objects") || !root["objects"].is_array()) {
        failure = malformed("objects", "expected a list");
        return false;
    }
    nextHandle = next.handle();
    return true;
}

bool parseDrawing(std::string_view text, std::uint64_t& nextHandle, LoadedObjects& objects,
                  LoadFailure& failure) {
    if (!jsonNestingWithin(text, kMaxNesting)) {
        failure =
            malformed("file", "nested deeper than " + std::to_string(kMaxNesting) + " levels");
        return false;
    }
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& e) {
        // The parser's own text names line and column.
        std::string what = e.what();
        std::size_t start = what.find("parse error");
        failure = malformed("JSON", start == std::string::npos ? what : what.substr(start));
        return false;
    }
    if (!readHeader(root, nextHandle, failure)) return false;
    const Json& list = root["objects"];
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string where = "objects[" + std::to_string(i) + "]";
        if (!readObject(list[i], where, nextHandle, objects, failure)) return false;
    }
    return true;
}

}  // namespace

std::string DrawingFile::saveText(const AcDbDatabase& database) {
    const AcDbDatabase::Impl& db = *database.impl_;
    std::string out = "{\n";
    out += std::string("  \"format\": \"") + kFormatName + "\",\n";
    out += "  \"version\": " + std::to_string(kVersion) + ",\n";
    out +=
        "  \"nextHandle\": " + jsonText(AcDbObjectId::fromHandle(db.nextHandle).toText()) + ",\n";
    bool any = false;
    for (const auto& [handle, object] : db.objects) {
        if (object->isErased()) continue;
        out += any ? ",\n" : "  \"objects\": [\n";
        any = true;
        appendObject(out, handle, *object);
    }
    out += any ? "\n  ]\n" : "  \"objects\": []\n";
    out += "}\n";
    return out;
}

Acad::ErrorStatus DrawingFile::save(const AcDbDatabase& database, const std::filesystem::path& file,
                                    std::string& error) {
    if (database.transactionDepth() > 0) {
        error = "cannot save while a transaction runs";
        return Acad::eDatabaseBusy;
    }
    if (!win::writeWholeFileAtomic(file, saveText(database))) {
        error = "cannot write " + file.string();
        return Acad::eFileWriteFailed;
    }
    return Acad::eOk;
}

Acad::ErrorStatus DrawingFile::loadText(AcDbDatabase& database, std::string_view text,
                                        std::string& error) {
    if (database.transactionDepth() > 0) {
        error = "cannot load while a transaction runs";
        return Acad::eDatabaseBusy;
    }
    std::uint64_t nextHandle = 1;
    LoadedObjects objects;
    LoadFailure failure{Acad::eOk, ""};
    try {
        if (!parseDrawing(text, nextHandle, objects, failure)) {
            error = failure.message;
            return failure.status;
        }
    } catch (const std::exception& e) {
        // The checks above leave no room for this; a reader still must not let it escape.
        error = std::string("unreadable drawing: ") + e.what();
        return Acad::eMalformedFile;
    }
    database.impl_->replaceAll(std::move(objects), nextHandle, database);
    return Acad::eOk;
}

Acad::ErrorStatus DrawingFile::load(AcDbDatabase& database, const std::filesystem::path& file,
                                    std::string& error) {
    std::string text;
    if (!win::readWholeFile(file, text)) {
        error = "cannot read " + file.string();
        return Acad::eFileNotFound;
    }
    Acad::ErrorStatus status = loadText(database, text, error);
    if (status != Acad::eOk) error = file.string() + ": " + error;
    return status;
}

}  // namespace host
