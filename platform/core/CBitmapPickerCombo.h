#pragma once
// A drop-down list whose items show a picture beside their text (owner-drawn items). The
// closed combo shows the selected item's picture and text. Pictures are kept by the combo.
#include <vector>

#include "core/Mdx_StringArray.h"
#include "win/CComboBox.h"

class CBitmapPickerCombo : public CComboBox {
public:
    ~CBitmapPickerCombo() override;

    // Adds an item with a copy of bitmap (may be null: text only); the new index, or -1.
    int AddBitmap(HBITMAP bitmap, const Mdx_String& text = Mdx_String());
    int InsertBitmap(int index, HBITMAP bitmap, const Mdx_String& text = Mdx_String());
    // One item per picture file (module paths), with texts[i] as its text (the file name
    // without folder and extension when texts is shorter). A file that cannot be read still
    // gives its item, without a picture, so indices keep matching the files. Returns how
    // many pictures were read.
    int AddAllImages(const Mdx_StringArray& files, const Mdx_StringArray& texts);
    // The picture of an item; null when it has none or the index is not an item.
    HBITMAP GetItemBitmap(int index) const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    std::vector<HBITMAP> m_bitmaps;  // owned, one per item (null for none)
};
