#include "core/CImageListCtrl.h"

#include <algorithm>

#include "core/PathHelpers.h"
#include "win/Bitmap.h"
#include "win/CDC.h"
#include "win/FilePaths.h"
#include "win/FontMetrics.h"

namespace {
constexpr int kPadding = 8;   // around a thumbnail in its cell
constexpr int kLabel = 16;    // height of the name beneath
}  // namespace

bool CImageListCtrl::Init(SIZE thumbnail) {
    m_images.DeleteImageList();
    if (!m_images.Create(thumbnail.cx, thumbnail.cy, ILC_COLOR32, 0, 4)) return false;
    m_thumb = thumbnail;
    return true;
}

int CImageListCtrl::SetPictures(const Mdx_StringArray& paths, const Mdx_StringArray& names) {
    if (!m_images.isCreated()) return -1;
    ResetContent();
    m_images.Remove(-1);
    m_imageOf.clear();
    int read = 0;
    for (int i = 0; i < paths.length(); ++i) {
        Mdx_String name = i < names.length() ? names[i] : getFileName(paths[i]);
        if (i >= names.length()) removeExtension(name);
        AddString(name.c_str());
        HBITMAP bitmap = win::loadBitmapFile(win::mapPath(paths[i].str()));
        // Without a mask colour nothing of the picture is transparent.
        const int image = bitmap ? m_images.Add(bitmap, CLR_INVALID) : -1;
        if (bitmap) DeleteObject(bitmap);
        if (image >= 0) ++read;
        m_imageOf.push_back(image);
    }
    Invalidate();
    return read;
}

Mdx_String CImageListCtrl::GetSelectedName() const {
    const int selected = GetCurSel();
    if (selected < 0) return Mdx_String();
    std::string text;
    GetText(selected, text);
    return Mdx_String(text);
}

SIZE CImageListCtrl::cellSize() const {
    return SIZE{m_thumb.cx + 2 * kPadding, m_thumb.cy + 2 * kPadding + kLabel};
}

int CImageListCtrl::columns() const {
    RECT client;
    GetClientRect(&client);
    const SIZE cell = cellSize();
    return cell.cx > 0 ? std::max<int>(1, client.right / cell.cx) : 1;
}

RECT CImageListCtrl::cellRect(int index) const {
    const SIZE cell = cellSize();
    const int x = (index % columns()) * cell.cx, y = (index / columns()) * cell.cy;
    return RECT{x, y, x + cell.cx, y + cell.cy};
}

int CImageListCtrl::HitTest(POINT point) const {
    for (int i = 0; i < GetCount(); ++i) {
        const RECT r = cellRect(i);
        if (PtInRect(&r, point)) return i;
    }
    return -1;
}

void CImageListCtrl::OnLButtonDown(UINT, POINT point) {
    SetFocus();
    const int hit = HitTest(point);
    if (hit < 0 || hit == GetCurSel()) return;
    SetCurSel(hit);
    if (GetStyle() & LBS_NOTIFY)
        ::SendMessage(::GetParent(m_hWnd), WM_COMMAND,
                      MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(m_hWnd));
}

void CImageListCtrl::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    dc.FillSolidRect(2, 2, client.right - 4, client.bottom - 4, GetSysColor(COLOR_WINDOW));
    if (CFont* font = GetFont()) dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    const int selected = GetCurSel();
    for (int i = 0; i < GetCount(); ++i) {
        const RECT cell = cellRect(i);
        if (cell.top >= client.bottom) break;
        if (i == selected) {
            RECT mark = cell;
            InflateRect(&mark, -2, -2);
            dc.FillSolidRect(&mark, GetSysColor(COLOR_HIGHLIGHT));
        }
        const int image = i < static_cast<int>(m_imageOf.size()) ? m_imageOf[i] : -1;
        if (image >= 0)
            m_images.Draw(&dc, image, POINT{cell.left + kPadding, cell.top + kPadding},
                          ILD_NORMAL);
        std::string name;
        GetText(i, name);
        RECT label{cell.left + 2, cell.bottom - kLabel - 4, cell.right - 2, cell.bottom - 2};
        dc.SetTextColor(GetSysColor(i == selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        dc.DrawText(name.c_str(), -1, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
