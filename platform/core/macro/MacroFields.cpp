#include "core/macro/MacroFields.h"

#include <string>

namespace macrofields {

bool readCount(host::FieldReader& in, std::string_view name, int& count) {
    int value = 0;
    if (!in.readInt(name, value)) return false;
    if (value < 0) {
        in.fail("field \"" + std::string(name) + "\" is negative: " + std::to_string(value));
        return false;
    }
    count = value;
    return true;
}

void writeIds(host::FieldWriter& out, std::string_view countName, std::string_view idName,
              const AcArray<AcDbObjectId>& ids) {
    out.writeInt(countName, ids.length());
    for (AcDbObjectId id : ids) out.writeId(idName, id);
}

bool readIds(host::FieldReader& in, std::string_view countName, std::string_view idName,
             AcArray<AcDbObjectId>& ids) {
    int count = 0;
    if (!readCount(in, countName, count)) return false;
    AcArray<AcDbObjectId> read;
    for (int i = 0; i < count; ++i) {
        AcDbObjectId id;
        if (!in.readId(idName, id)) return false;
        read.append(id);
    }
    ids = std::move(read);
    return true;
}

}  // namespace macrofields
