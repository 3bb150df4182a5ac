#include "host/FieldReader.h"

#include <limits>

namespace host {

void FieldReader::fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
}

const ObjectField* FieldReader::take(std::string_view name, FieldKind kind) {
    if (!ok()) return nullptr;
    std::string expected =
        std::string(fieldKindName(kind)) + " field \"" + std::string(name) + "\"";
    if (atEnd()) {
        fail("expected " + expected + " after the last field");
        return nullptr;
    }
    const ObjectField& field = fields_[next_];
    if (field.name != name || field.kind != kind) {
        fail("field " + std::to_string(next_ + 1) + ": expected " + expected + ", found " +
             fieldKindName(field.kind) + " field \"" + field.name + "\"");
        return nullptr;
    }
    ++next_;
    return &field;
}

bool FieldReader::readInt(std::string_view name, std::int64_t& value) {
    const ObjectField* field = take(name, FieldKind::Int);
    if (!field) return false;
    value = field->integer;
    return true;
}

bool FieldReader::readInt(std::string_view name, int& value) {
    std::int64_t wide = 0;
    if (!readInt(name, wide)) return false;
    if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) {
        fail("field " + std::to_string(next_) + " \"" + std::string(name) +
             "\": " + std::to_string(wide) + " does not fit a 32-bit integer");
        return false;
    }
    value = static_cast<int>(wide);
    return true;
}

bool FieldReader::readReal(std::string_view name, double& value) {
    const ObjectField* field = take(name, FieldKind::Real);
    if (!field) return false;
    value = field->real;
    return true;
}

bool FieldReader::readBool(std::string_view name, bool& value) {
    const ObjectField* field = take(name, FieldKind::Bool);
    if (!field) return false;
    value = field->integer != 0;
    return true;
}

bool FieldReader::readText(std::string_view name, std::string& bytes) {
    const ObjectField* field = take(name, FieldKind::Text);
    if (!field) return false;
    bytes = field->text;
    return true;
}

bool FieldReader::readId(std::string_view name, AcDbObjectId& id) {
    const ObjectField* field = take(name, FieldKind::Id);
    if (!field) return false;
    id = AcDbObjectId::fromHandle(static_cast<std::uint64_t>(field->integer));
    return true;
}

bool FieldReader::nextIs(std::string_view name) const {
    return ok() && !atEnd() && fields_[next_].name == name;
}

}  // namespace host
