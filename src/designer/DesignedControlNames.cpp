#include "designer/DesignedControlNames.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/Mdx_PropertiesList.h"

namespace designer {

namespace {

constexpr int kEditField = 2;  // ctVarEdit
constexpr int kMaxIndexDigits = 9;

Mdx_String indexed(const char* key, int index) {
    Mdx_String name(key);
    name.append(index);
    return name;
}

// The control index of a "type" key: decimal without leading zeros, as the document writes
// it; -1 for any other key.
int typeKeyIndex(const Mdx_String& key) {
    if (!key.startsWith("type", false)) return -1;
    const Mdx_String digits = key.mid(4);
    if (digits.isEmpty() || digits.length() > kMaxIndexDigits) return -1;
    const int index = std::atoi(digits.c_str());
    return Mdx_String::fromInt(index) == digits ? index : -1;
}

}  // namespace

// The keys the list holds drive the reading, not the count: a count far beyond them costs
// nothing, and a control without keys is a static text, which has no name anyway.
bool controlNamesOf(const Mdx_PropertiesList& list, Mdx_StringArray& names) {
    names.setEmpty();
    int count = 0;
    if (!list.hasKey("nrOfControls")) return true;  // an empty design
    if (!list.getInt("nrOfControls", count) || count < 0) return false;
    std::vector<int> editFields;
    for (int k = 0; k < list.count(); ++k) {
        const int index = typeKeyIndex(list.keyAt(k));
        int type = 0;
        if (index >= 0 && index < count && list.getInt(list.keyAt(k), type) && type == kEditField)
            editFields.push_back(index);
    }
    std::sort(editFields.begin(), editFields.end());
    for (int index : editFields) {
        Mdx_String contents;
        list.getString(indexed("contents", index), contents);
        names.append(contents);
    }
    return true;
}

}  // namespace designer
