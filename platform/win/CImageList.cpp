#include "win/CImageList.h"

#include <algorithm>
#include <memory>

#include "win/Bitmap.h"
#include "win/GdiObjects.h"

using win::detail::BitmapData;
using win::detail::GdiKind;
using win::detail::GdiObject;

namespace {
constexpr int kMaxSide = 4096;
}

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    if (isCreated() || cx <= 0 || cy <= 0 || cx > kMaxSide || cy > kMaxSide) return FALSE;
    m_cx = cx;
    m_cy = cy;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!isCreated()) return FALSE;
    Remove(-1);
    m_cx = m_cy = 0;
    return TRUE;
}

// The picture on a cell of the list's size, kept as an icon so drawing honours its alpha;
// with useMask the pixels of the mask colour become transparent.
HGDIOBJ CImageList::cellOf(HGDIOBJ image, bool useMask, COLORREF mask) const {
    const GdiObject* object = win::detail::findGdiObject(image);
    if (!isCreated() || !object || !object->bitmap) return nullptr;
    const BitmapData& from = *object->bitmap;
    auto cell = std::make_shared<BitmapData>();
    cell->width = m_cx;
    cell->height = m_cy;
    cell->pixels.assign(static_cast<std::size_t>(m_cx) * static_cast<std::size_t>(m_cy), 0);
    const std::uint32_t maskRgb = (std::uint32_t(GetRValue(mask)) << 16) |
                                  (std::uint32_t(GetGValue(mask)) << 8) | GetBValue(mask);
    for (int y = 0; y < std::min(m_cy, from.height); ++y)
        for (int x = 0; x < std::min(m_cx, from.width); ++x) {
            const std::uint32_t p = from.pixels[static_cast<std::size_t>(y) * from.width + x];
            const bool clear = useMask && (p & 0xFFFFFF) == maskRgb;
            cell->pixels[static_cast<std::size_t>(y) * m_cx + x] = clear ? 0 : p;
        }
    GdiObject out;
    out.kind = GdiKind::Icon;
    out.bitmap = std::move(cell);
    return win::detail::addGdiObject(std::move(out));
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) {
    return bitmap ? Add(static_cast<HBITMAP>(bitmap->m_hObject), mask) : -1;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask) {
    HGDIOBJ cell = cellOf(bitmap, mask != CLR_INVALID, mask);
    if (!cell) return -1;
    m_images.push_back(cell);
    return GetImageCount() - 1;
}

int CImageList::Add(HICON icon) {
    HGDIOBJ cell = cellOf(icon, false, 0);
    if (!cell) return -1;
    m_images.push_back(cell);
    return GetImageCount() - 1;
}

BOOL CImageList::Replace(int index, HBITMAP bitmap, COLORREF mask) {
    if (index < 0 || index >= GetImageCount()) return FALSE;
    HGDIOBJ cell = cellOf(bitmap, mask != CLR_INVALID, mask);
    if (!cell) return FALSE;
    DeleteObject(m_images[static_cast<std::size_t>(index)]);
    m_images[static_cast<std::size_t>(index)] = cell;
    return TRUE;
}

BOOL CImageList::Remove(int index) {
    if (index == -1) {
        for (HGDIOBJ image : m_images) DeleteObject(image);
        m_images.clear();
        return TRUE;
    }
    if (index < 0 || index >= GetImageCount()) return FALSE;
    DeleteObject(m_images[static_cast<std::size_t>(index)]);
    m_images.erase(m_images.begin() + index);
    return TRUE;
}

BOOL CImageList::GetImageSize(SIZE& size) const {
    if (!isCreated()) return FALSE;
    size = SIZE{m_cx, m_cy};
    return TRUE;
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT) const {
    if (!dc || index < 0 || index >= GetImageCount()) return FALSE;
    return DrawImage(dc->m_hDC, point.x, point.y, m_images[static_cast<std::size_t>(index)]);
}

HBITMAP CImageList::ExtractBitmap(int index) const {
    if (index < 0 || index >= GetImageCount()) return nullptr;
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, m_cx, m_cy);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ::SelectObject(dc, bitmap);
    Draw(&dc, index, POINT{0, 0}, ILD_NORMAL);
    return bitmap;
}
