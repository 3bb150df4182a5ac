#pragma once
// Hands an object its saved fields back, in the order it wrote them (see
// AcDbObject::readFields). Each read names the field it expects; a different name or kind, or
// the end of the fields, fails the read and every read after it, and the first failure is
// kept as a message that says which field went wrong. Output arguments of failed reads are
// left as they were.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/AcDbObjectId.h"
#include "host/AcadErrorStatus.h"
#include "host/ObjectField.h"

namespace host {

class FieldReader {
public:
    explicit FieldReader(const std::vector<ObjectField>& fields) : fields_(fields) {}

    bool readInt(std::string_view name, int& value);  // fails when the value does not fit
    bool readInt(std::string_view name, std::int64_t& value);
    bool readReal(std::string_view name, double& value);
    bool readBool(std::string_view name, bool& value);
    bool readText(std::string_view name, std::string& bytes);
    bool readId(std::string_view name, AcDbObjectId& id);

    // True when the next field carries this name, for fields a later version added.
    bool nextIs(std::string_view name) const;
    bool atEnd() const { return next_ == fields_.size(); }
    std::size_t position() const { return next_; }

    bool ok() const { return error_.empty(); }
    // eOk, or eMalformedFile after a failed read.
    Acad::ErrorStatus status() const { return ok() ? Acad::eOk : Acad::eMalformedFile; }
    const std::string& error() const { return error_; }
    // Lets an object report a value that is well-typed but wrong ("count is negative").
    void fail(std::string message);

private:
    const ObjectField* take(std::string_view name, FieldKind kind);
    const std::vector<ObjectField>& fields_;
    std::size_t next_ = 0;
    std::string error_;
};

}  // namespace host
