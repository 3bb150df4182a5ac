#pragma once
// The section groups page of the library editor (template 8138).
#include "sectionlib/LibraryListPage.h"

class SectionGroupsPage : public LibraryListPage {
public:
    static constexpr UINT kTemplateId = 8138;
    explicit SectionGroupsPage(DlgEditLibData& data) : LibraryListPage(kTemplateId, data) {}

protected:
    int itemCount() const override { return data.groups.length(); }
    Mdx_String itemName(int index) const override { return data.groups[index].name; }
    bool itemEnabled(int index) const override { return data.groups[index].enabled; }
    const Mdx_String& itemImage(int index) const override { return data.groups[index].imageName; }
    const Mdx_StringArray& itemNames(int index) const override { return data.groups[index].names; }
    void storeItem(int index, bool enabled, const Mdx_String& image,
                   const Mdx_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override { data.groups.removeAt(index); }
    void swapItems(int a, int b) override { data.groups.swap(a, b); }
    int addText() const override { return 758; }
    int removeText() const override { return 759; }
};
