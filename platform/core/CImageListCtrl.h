#pragma once
// A list of pictures shown as thumbnails with their names beneath, in rows that fill the
// control's width. It takes over a list box of the dialog (SubclassDlgItem): the list box
// items are the names, so the selection is the list box's (win::user::select picks a
// thumbnail by index); a press on a thumbnail selects it, as a person clicks it.
#include <memory>

#include "core/Mdx_StringArray.h"
#include "win/CImageList.h"
#include "win/CListBox.h"

class CImageListCtrl : public CListBox {
public:
    // Thumbnail cells of this size; pictures of another size are placed top-left and cut.
    // False for a size without area or over 4096 pixels a side.
    bool Init(SIZE thumbnail);
    // Replaces the thumbnails: one per path (module paths of bitmaps) named by names[i] (the
    // file name without folder and extension when names is shorter). A picture that cannot
    // be read keeps its place as an empty cell. Returns how many pictures were read; -1
    // before Init.
    int SetPictures(const Mdx_StringArray& paths, const Mdx_StringArray& names);
    int GetCount() const { return CListBox::GetCount(); }
    // The name of the selected thumbnail; empty when none is selected.
    Mdx_String GetSelectedName() const;
    // The thumbnail under a point of the client area; -1 for none.
    int HitTest(POINT point) const;
    SIZE thumbnailSize() const { return m_thumb; }

protected:
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnPaint() override;

private:
    SIZE cellSize() const;
    int columns() const;
    RECT cellRect(int index) const;

    SIZE m_thumb{};
    CImageList m_images;
    std::vector<int> m_imageOf;  // per item: index in m_images, -1 for none
};
