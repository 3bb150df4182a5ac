#pragma once
// Small helpers the macro objects share to write their state as host fields and read it
// back: texts as Mdx_String, and counts of lists that must not be negative.
#include "core/Mdx_String.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

namespace macrofields {

inline void writeText(host::FieldWriter& out, std::string_view name, const Mdx_String& text) {
    out.writeText(name, text.view());
}

inline bool readText(host::FieldReader& in, std::string_view name, Mdx_String& text) {
    std::string bytes;
    if (!in.readText(name, bytes)) return false;
    text = Mdx_String(std::move(bytes));
    return true;
}

// A list length; a negative one fails the reader with a message naming the field. Lists are
// read element by element, so a count larger than the fields that follow fails at the first
// missing field instead of reserving room for it.
bool readCount(host::FieldReader& in, std::string_view name, int& count);

void writeIds(host::FieldWriter& out, std::string_view countName, std::string_view idName,
              const AcArray<AcDbObjectId>& ids);
bool readIds(host::FieldReader& in, std::string_view countName, std::string_view idName,
             AcArray<AcDbObjectId>& ids);

}  // namespace macrofields
