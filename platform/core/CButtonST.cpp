#include "core/CButtonST.h"

#include <algorithm>

#include "core/Texts.h"
#include "win/Bitmap.h"
#include "win/FilePaths.h"
#include "win/ResourceModule.h"
#include "win/Tooltips.h"

namespace {

constexpr int kGap = 4;  // between picture and text

void drawEdge(CDC& dc, const RECT& r, bool raised) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = raised ? light : shadow;
    const COLORREF bottomRight = raised ? dark : light;
    const int w = r.right - r.left, h = r.bottom - r.top;
    dc.FillSolidRect(r.left, r.top, w, 1, topLeft);
    dc.FillSolidRect(r.left, r.top, 1, h, topLeft);
    dc.FillSolidRect(r.left, r.bottom - 1, w, 1, bottomRight);
    dc.FillSolidRect(r.right - 1, r.top, 1, h, bottomRight);
    if (raised && w > 2 && h > 2) {
        dc.FillSolidRect(r.left + 1, r.bottom - 2, w - 2, 1, shadow);
        dc.FillSolidRect(r.right - 2, r.top + 1, 1, h - 2, shadow);
    }
}

}  // namespace

CButtonST::~CButtonST() {
    removeTooltip();
    dropPicture();
}

void CButtonST::removeTooltip() {
    if (m_hWnd) win::removeTooltip(m_hWnd);
}

void CButtonST::dropPicture() {
    if (m_ownsIcon && m_icon) DestroyIcon(m_icon);
    m_icon = nullptr;
    m_ownsIcon = false;
    if (m_image) DeleteObject(m_image);
    if (m_mask) DeleteObject(m_mask);
    m_image = m_mask = nullptr;
}

bool CButtonST::SetIcon(int iconId) {
    HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(static_cast<UINT>(iconId)));
    if (!icon) return false;
    dropPicture();
    m_icon = icon;
    m_ownsIcon = true;
    refresh(true);
    return true;
}

bool CButtonST::SetIcon(HICON icon) {
    if (!icon) return false;
    dropPicture();
    m_icon = icon;
    refresh(true);
    return true;
}

bool CButtonST::SetBitmaps(int bitmapId, COLORREF transparent) {
    return takeBitmap(LoadBitmap(nullptr, MAKEINTRESOURCE(static_cast<UINT>(bitmapId))), true,
                      transparent);
}

bool CButtonST::SetBitmaps(HBITMAP bitmap, COLORREF transparent) {
    return takeBitmap(bitmap, false, transparent);
}

bool CButtonST::SetBitmapFile(const Mdx_String& path, COLORREF transparent) {
    return takeBitmap(win::loadBitmapFile(win::mapPath(path.str())), true, transparent);
}

// Keeps a copy of the bitmap with the transparent pixels black and a monochrome mask that is
// white exactly there: painting ANDs the mask onto the face and ORs the image over it.
bool CButtonST::takeBitmap(HBITMAP bitmap, bool owned, COLORREF transparent) {
    int w = 0, h = 0;
    if (!bitmap || !win::imageSize(bitmap, w, h)) return false;
    dropPicture();
    CDC source, image, mask;
    source.CreateCompatibleDC(nullptr);
    image.CreateCompatibleDC(nullptr);
    mask.CreateCompatibleDC(nullptr);
    m_image = CreateCompatibleBitmap(nullptr, w, h);
    m_mask = CreateBitmap(w, h, 1, 1, nullptr);
    ::SelectObject(source, bitmap);
    ::SelectObject(image, m_image);
    ::SelectObject(mask, m_mask);
    image.BitBlt(0, 0, w, h, &source, 0, 0, SRCCOPY);
    image.SetBkColor(transparent);
    mask.BitBlt(0, 0, w, h, &image, 0, 0, SRCCOPY);
    // Mask white (transparent) becomes the image's background black; mask black its text
    // colour white, which AND leaves as it was.
    image.SetBkColor(RGB(0, 0, 0));
    image.SetTextColor(RGB(255, 255, 255));
    image.BitBlt(0, 0, w, h, &mask, 0, 0, SRCAND);
    if (owned) DeleteObject(bitmap);
    refresh(true);
    return true;
}

void CButtonST::SetFlat(bool flat, bool repaint) {
    m_flat = flat;
    refresh(repaint);
}

void CButtonST::DrawFlatFocus(bool draw, bool repaint) {
    m_flatFocus = draw;
    refresh(repaint);
}

void CButtonST::DrawBorder(bool draw, bool repaint) {
    m_border = draw;
    refresh(repaint);
}

void CButtonST::SetAlign(int align, bool repaint) {
    if (align >= ST_ALIGN_HORIZ && align <= ST_ALIGN_OVERLAP) m_align = align;
    refresh(repaint);
}

void CButtonST::SetTooltipText(int textId, bool activate) {
    m_tooltip = dialString(textId);
    m_tooltipId = static_cast<UINT>(textId);
    m_tooltipActive = activate;
    applyTooltip();
}

void CButtonST::SetTooltipText(const Mdx_String& text, bool activate) {
    m_tooltip = text;
    m_tooltipId = 0;
    m_tooltipActive = activate;
    applyTooltip();
}

void CButtonST::ActivateTooltip(bool activate) {
    m_tooltipActive = activate;
    applyTooltip();
}

void CButtonST::applyTooltip() {
    if (!m_hWnd) return;
    if (m_tooltipActive && !m_tooltip.isEmpty())
        win::setTooltip(m_hWnd, m_tooltip.str(), m_tooltipId);
    else
        win::removeTooltip(m_hWnd);
}

void CButtonST::refresh(bool repaint) {
    if (repaint && m_hWnd) Invalidate();
}

SIZE CButtonST::pictureSize() const {
    int w = 0, h = 0;
    if (m_icon) win::imageSize(m_icon, w, h);
    if (m_image) win::imageSize(m_image, w, h);
    return SIZE{w, h};
}

void CButtonST::drawPicture(CDC& dc, const RECT& area) {
    const SIZE size = pictureSize();
    const int x = area.left, y = area.top + (area.bottom - area.top - size.cy) / 2;
    if (m_icon) {
        dc.DrawIcon(x, y, m_icon);
        return;
    }
    if (!m_image) return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    ::SelectObject(memory, m_mask);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.BitBlt(x, y, size.cx, size.cy, &memory, 0, 0, SRCAND);
    ::SelectObject(memory, m_image);
    dc.BitBlt(x, y, size.cx, size.cy, &memory, 0, 0, SRCPAINT);
}

void CButtonST::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    const bool pressed = (GetStyle() & BS_PUSHLIKE) && GetCheck() == BST_CHECKED;
    if (m_border && (pressed || !m_flat)) drawEdge(dc, client, !pressed);
    if (CFont* font = GetFont()) dc.SelectObject(font);
    std::string text;
    GetWindowText(text);
    const SIZE picture = pictureSize();
    const SIZE words = text.empty() ? SIZE{0, 0} : dc.GetTextExtent(text.c_str());
    const int gap = (picture.cx && words.cx) ? kGap : 0;
    const bool vertical = m_align == ST_ALIGN_VERT;
    const bool overlap = m_align == ST_ALIGN_OVERLAP;
    const int shift = pressed ? 1 : 0;
    const int contentW = vertical || overlap ? std::max(picture.cx, words.cx)
                                              : picture.cx + gap + words.cx;
    const int contentH = vertical ? picture.cy + gap + words.cy : std::max(picture.cy, words.cy);
    const int left = (client.right - contentW) / 2 + shift;
    const int top = (client.bottom - contentH) / 2 + shift;
    RECT pictureArea{left, top, left + picture.cx, top + (vertical ? picture.cy : contentH)};
    RECT textArea{left + picture.cx + gap, top, left + contentW, top + contentH};
    if (m_align == ST_ALIGN_HORIZ_RIGHT) {
        textArea = RECT{left, top, left + words.cx, top + contentH};
        OffsetRect(&pictureArea, words.cx + gap, 0);
    }
    if (vertical) {
        OffsetRect(&pictureArea, (contentW - picture.cx) / 2, 0);
        textArea = RECT{left, top + picture.cy + gap, left + contentW, top + contentH};
    }
    if (overlap) {
        OffsetRect(&pictureArea, (contentW - picture.cx) / 2, 0);
        textArea = RECT{left, top, left + contentW, top + contentH};
    }
    drawPicture(dc, pictureArea);
    if (text.empty()) return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsWindowEnabled() ? GetSysColor(COLOR_BTNTEXT) : GetSysColor(COLOR_GRAYTEXT));
    dc.DrawText(text.c_str(), -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
