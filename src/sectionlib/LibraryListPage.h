#pragma once
// A page of the library editor that edits a list of named items (section groups, section
// types): a check list to choose the item in (its ticks are the items' enabled flags, so
// picking an item switches its flag), its enabled flag and image name, its names per
// language in a one-column grid, and buttons to add, remove and move items. Choosing another
// item or adding one first stores what the page shows back into the item.
#include "host/CAcUiDialog.h"
#include "sectionlib/DlgEditLibData.h"
#include "spread/Mdx_Spread.h"
#include "core/CButtonST.h"
#include "core/CCheckComboBox.h"

class LibraryListPage : public CAcUiDialog {
public:
    static constexpr int kList = 1184;
    static constexpr int kEnabled = 1185;
    static constexpr int kImageLabel = 1186;
    static constexpr int kImage = 1195;
    static constexpr int kNames = 1196;
    static constexpr int kAdd = 1189;
    static constexpr int kRemove = 1190;
    static constexpr int kUp = 1443;
    static constexpr int kDown = 1442;

    LibraryListPage(UINT templateId, DlgEditLibData& data);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Stores the shown item back into the data (before the page is left or the editor ends).
    void storeShown();
    int shownItem() const { return shown_; }

protected:
    virtual int itemCount() const = 0;
    virtual Mdx_String itemName(int index) const = 0;
    virtual bool itemEnabled(int index) const = 0;
    virtual const Mdx_String& itemImage(int index) const = 0;
    virtual const Mdx_StringArray& itemNames(int index) const = 0;
    virtual void storeItem(int index, bool enabled, const Mdx_String& image,
                           const Mdx_StringArray& names) = 0;
    virtual int appendItem() = 0;
    virtual void removeItem(int index) = 0;
    virtual void swapItems(int a, int b) = 0;
    // Controls a page has beyond the common ones.
    virtual void labelOwnControls() {}
    virtual void showOwnControls(int /*index*/) {}
    virtual void storeOwnControls(int /*index*/) {}
    virtual int addText() const = 0;
    virtual int removeText() const = 0;

    Mdx_String controlText(int id) const;
    DlgEditLibData& data;

private:
    void labelControls();
    void fillList();
    void show(int index);
    void add();
    void remove();
    void move(int step);
    void picked(int index);

    CCheckComboBox list_;
    Mdx_Spread names_;
    CButtonST up_;
    CButtonST down_;
    int shown_ = -1;
};
