#pragma once
// One named, typed value of an object's saved state. Objects write their state as a sequence
// of fields and read it back in the same order; the drawing file stores the sequence and a
// transaction keeps one to undo changes.
#include <cstdint>
#include <string>

namespace host {

enum class FieldKind { Int, Real, Bool, Text, Id };

// "int", "real", "bool", "text", "id": the names the drawing file uses.
const char* fieldKindName(FieldKind kind);

struct ObjectField {
    std::string name;
    FieldKind kind = FieldKind::Int;
    std::int64_t integer = 0;  // Int, Bool (0 or 1) and Id (the handle)
    double real = 0;           // Real
    std::string text;          // Text: Windows-1252 bytes, like every text of the module

    bool operator==(const ObjectField&) const = default;
};

}  // namespace host
