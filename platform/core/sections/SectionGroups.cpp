#include "core/sections/SectionGroups.h"

#include <algorithm>

#include "core/StringHelpers.h"

int SectionGroupArray::appendNewGrp(const Mdx_String& base, int languages) {
    SectionGroup group;
    for (const SectionGroup& existing : *this) group.id = std::max(group.id, existing.id + 1);
    group.name = findNonExistingString(namesOfAllGroups(), base);
    for (int i = 0; i < languages; ++i) group.names.append(group.name);
    return append(group);
}

Mdx_StringArray SectionGroupArray::namesOfAllGroups() const {
    Mdx_StringArray names;
    for (const SectionGroup& group : *this) names.append(group.name);
    return names;
}

int SectionGroupArray::indexOfId(int id) const {
    for (int i = 0; i < length(); ++i)
        if (at(i).id == id) return i;
    return -1;
}
