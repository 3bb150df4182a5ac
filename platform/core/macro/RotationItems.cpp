#include "core/macro/RotationItems.h"

#include "core/macro/MixedWord.h"

void rotationItems(Mdx_StringArray& items) {
    items.setEmpty();
    for (const char* angle : {"0", "90", "180", "270"}) items.append(Mdx_String(angle) + kDegreeSign);
    items.append(mixedWord());
}

Mdx_String withoutDegree(Mdx_String text) {
    while (!text.isEmpty() && (text.view().back() == kDegreeSign || text.view().back() == ' '))
        text = text.left(text.length() - 1);
    return text;
}

int rotationItem(const Mdx_StringArray& items, const Mdx_String& rotation) {
    for (int i = 0; i < items.length(); ++i)
        if (items[i].equal(rotation, false) || withoutDegree(items[i]).equal(rotation, false))
            return i;
    return -1;
}
