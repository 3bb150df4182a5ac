#include "sectionlib/SectionGroupsPage.h"

#include "core/Texts.h"
#include "sectionlib/SectionLanguages.h"

void SectionGroupsPage::storeItem(int index, bool enabled, const Mdx_String& image,
                                  const Mdx_StringArray& names) {
    SectionGroup& group = data.groups[index];
    group.enabled = enabled;
    group.imageName = image;
    group.names = names;
}

int SectionGroupsPage::appendItem() {
    return data.groups.appendNewGrp(dialString(758), allSectionLanguages().length());
}
