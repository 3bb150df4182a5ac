#include "core/macro/SectionPlacement.h"

#include "core/Texts.h"
#include "core/macro/MixedWord.h"

namespace {

// Offset types by dialog index. The order is the placement codes' own today; the mapping
// keeps callers from relying on that.
constexpr int kOffsetByIndex[kOffsetTypeCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
const char* const kOffsetNames[kOffsetTypeCount] = {
    "Centre", "Top", "Bottom", "Left", "Right", "Top left", "Top right", "Bottom left",
    "Bottom right"};

}  // namespace

void getOffsetTypeStrings(Mdx_StringArray& items) {
    items.setEmpty();
    for (int i = 0; i < kOffsetTypeCount; ++i) items.append(kOffsetNames[kOffsetByIndex[i]]);
}

int getDlgOffsetType(int offsetType) {
    for (int i = 0; i < kOffsetTypeCount; ++i)
        if (kOffsetByIndex[i] == offsetType) return i;
    return -1;
}

int getProfOffsetType(int dialogIndex) {
    return dialogIndex >= 0 && dialogIndex < kOffsetTypeCount ? kOffsetByIndex[dialogIndex] : -1;
}

void getBasePlaneStrings(Mdx_StringArray& items) {
    items.setEmpty();
    items.append("Pick a plane");
    items.append(dialString(697));
    items.append("Pick a coordinate system");
    items.append(mixedWord());
}
