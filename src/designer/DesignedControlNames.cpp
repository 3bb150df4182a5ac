#include "designer/DesignedControlNames.h"

#include "core/Mdx_PropertiesList.h"

namespace designer {

namespace {

constexpr int kEditField = 2;  // ctVarEdit
constexpr int kKeysPerControl = 7;

Mdx_String indexed(const char* key, int index) {
    Mdx_String name(key);
    name.append(index);
    return name;
}

}  // namespace

bool controlNamesOf(const Mdx_PropertiesList& list, Mdx_StringArray& names) {
    names.setEmpty();
    int count = 0;
    if (!list.hasKey("nrOfControls")) return true;  // an empty design
    if (!list.getInt("nrOfControls", count) || count < 0) return false;
    // Each control has its keys in the file: a count beyond them is a damaged file, and
    // reading it would invent controls.
    if (count > list.count() / kKeysPerControl) return false;
    for (int i = 0; i < count; ++i) {
        int type = 0;
        list.getInt(indexed("type", i), type);
        if (type != kEditField) continue;
        Mdx_String contents;
        list.getString(indexed("contents", i), contents);
        names.append(contents);
    }
    return true;
}

}  // namespace designer
