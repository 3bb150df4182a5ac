#include "core/macro/TabMappingData.h"

namespace {

bool sameTexts(const Mdx_StringArray& a, const Mdx_StringArray& b) {
    if (a.length() != b.length()) return false;
    for (int i = 0; i < a.length(); ++i)
        if (a[i].compare(b[i], true) != 0) return false;
    return true;
}

}  // namespace

void TabMappingData::rememberOriginal() {
    originalNames_ = spreadsheetNames;
    originalKeys_ = mapsToKeys;
}

Mdx_String TabMappingData::getMapping(const Mdx_String& name, int index) const {
    if (!originalNames_.isValidIndex(index) || !originalKeys_.isValidIndex(index)) return {};
    if (originalNames_[index].compare(name, false) != 0) return {};
    return originalKeys_[index];
}

bool TabMappingData::sameEntries(const TabMappingData& other) const {
    return sameTexts(spreadsheetNames, other.spreadsheetNames) &&
           sameTexts(mapsToKeys, other.mapsToKeys);
}
