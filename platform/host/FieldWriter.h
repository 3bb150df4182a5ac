#pragma once
// Collects the fields an object writes about itself (see AcDbObject::writeFields).
#include <cstdint>
#include <string_view>
#include <vector>

#include "host/AcDbObjectId.h"
#include "host/ObjectField.h"

namespace host {

class FieldWriter {
public:
    void writeInt(std::string_view name, std::int64_t value);
    void writeReal(std::string_view name, double value);
    void writeBool(std::string_view name, bool value);
    void writeText(std::string_view name, std::string_view bytes);
    void writeId(std::string_view name, AcDbObjectId id);

    const std::vector<ObjectField>& fields() const { return fields_; }
    std::vector<ObjectField> takeFields() { return std::move(fields_); }

private:
    ObjectField& add(std::string_view name, FieldKind kind);
    std::vector<ObjectField> fields_;
};

}  // namespace host
