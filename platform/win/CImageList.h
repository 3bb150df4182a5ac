#pragma once
// A list of pictures of one size, drawn by index: icons with their transparency, bitmaps
// with a mask colour that lets the background through. Pictures of another size are placed
// top-left on a transparent cell of the list's size (cut where larger).
#include <memory>
#include <vector>

#include "win/CDC.h"

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR32 = 0x0020;
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    // False for a size without area, over 4096 pixels a side, or when already created.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    bool isCreated() const { return m_cx > 0; }

    // The index of the new picture; -1 when the list is not created or the picture missing.
    // A mask of CLR_INVALID makes nothing of a bitmap transparent.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HBITMAP bitmap, COLORREF mask);
    int Add(HICON icon);
    BOOL Replace(int index, HBITMAP bitmap, COLORREF mask);
    BOOL Remove(int index);  // -1 removes all
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    BOOL GetImageSize(SIZE& size) const;
    // Draws picture index with its transparency at point.
    BOOL Draw(CDC* dc, int index, POINT point, UINT style) const;
    // A copy of picture index (transparent pixels black), owned by the caller; null when
    // there is none.
    HBITMAP ExtractBitmap(int index) const;

private:
    HGDIOBJ cellOf(HGDIOBJ image, bool useMask, COLORREF mask) const;

    int m_cx = 0;
    int m_cy = 0;
    std::vector<HGDIOBJ> m_images;  // owned icons of the cell size
};
