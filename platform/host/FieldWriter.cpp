#include "host/FieldWriter.h"

namespace host {

const char* fieldKindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::Int:
            return "int";
        case FieldKind::Real:
            return "real";
        case FieldKind::Bool:
            return "bool";
        case FieldKind::Text:
            return "text";
        case FieldKind::Id:
            return "id";
    }
    return "?";
}

ObjectField& FieldWriter::add(std::string_view name, FieldKind kind) {
    ObjectField& field = fields_.emplace_back();
    field.name = name;
    field.kind = kind;
    return field;
}

void FieldWriter::writeInt(std::string_view name, std::int64_t value) {
    add(name, FieldKind::Int).integer = value;
}

void FieldWriter::writeReal(std::string_view name, double value) {
    add(name, FieldKind::Real).real = value;
}

void FieldWriter::writeBool(std::string_view name, bool value) {
    add(name, FieldKind::Bool).integer = value ? 1 : 0;
}

void FieldWriter::writeText(std::string_view name, std::string_view bytes) {
    add(name, FieldKind::Text).text = bytes;
}

void FieldWriter::writeId(std::string_view name, AcDbObjectId id) {
    add(name, FieldKind::Id).integer = static_cast<std::int64_t>(id.handle());
}

}  // namespace host
