#pragma once
// The section types page of the library editor (template 8139): besides the common
// controls, the type's group and the section picture it stands for.
#include "sectionlib/LibraryListPage.h"

class SectionTypesPage : public LibraryListPage {
public:
    static constexpr UINT kTemplateId = 8139;
    static constexpr int kGroupLabel = 1187;
    static constexpr int kGroup = 1197;
    static constexpr int kPictureLabel = 1188;
    static constexpr int kPicture = 1198;
    explicit SectionTypesPage(DlgEditLibData& data) : LibraryListPage(kTemplateId, data) {}

protected:
    int itemCount() const override { return data.types.length(); }
    Mdx_String itemName(int index) const override;
    bool itemEnabled(int index) const override { return data.types[index].enabled; }
    const Mdx_String& itemImage(int index) const override { return data.types[index].imageName; }
    const Mdx_StringArray& itemNames(int index) const override { return data.types[index].names; }
    void storeItem(int index, bool enabled, const Mdx_String& image,
                   const Mdx_StringArray& names) override;
    int appendItem() override;
    void removeItem(int index) override { data.types.removeAt(index); }
    void swapItems(int a, int b) override { data.types.swap(a, b); }
    void labelOwnControls() override;
    void showOwnControls(int index) override;
    void storeOwnControls(int index) override;
    int addText() const override { return 764; }
    int removeText() const override { return 765; }

private:
    Mdx_StringArray pictures() const;
    Mdx_StringArray shownPictures_;
};
