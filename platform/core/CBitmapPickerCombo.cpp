#include "core/CBitmapPickerCombo.h"

#include <algorithm>

#include "core/PathHelpers.h"
#include "win/Bitmap.h"
#include "win/CDC.h"
#include "win/FilePaths.h"

namespace {

HBITMAP copyOf(HBITMAP bitmap) {
    int w = 0, h = 0;
    if (!bitmap || !win::imageSize(bitmap, w, h)) return nullptr;
    HBITMAP copy = CreateCompatibleBitmap(nullptr, w, h);
    CDC from, to;
    from.CreateCompatibleDC(nullptr);
    to.CreateCompatibleDC(nullptr);
    ::SelectObject(from, bitmap);
    ::SelectObject(to, copy);
    to.BitBlt(0, 0, w, h, &from, 0, 0, SRCCOPY);
    return copy;
}

}  // namespace

CBitmapPickerCombo::~CBitmapPickerCombo() {
    for (HBITMAP b : m_bitmaps)
        if (b) DeleteObject(b);
}

int CBitmapPickerCombo::AddBitmap(HBITMAP bitmap, const Mdx_String& text) {
    return InsertBitmap(-1, bitmap, text);
}

int CBitmapPickerCombo::InsertBitmap(int index, HBITMAP bitmap, const Mdx_String& text) {
    const int at = InsertString(index, text.c_str());
    if (at < 0) return -1;
    m_bitmaps[static_cast<std::size_t>(at)] = copyOf(bitmap);
    Invalidate();
    return at;
}

int CBitmapPickerCombo::AddAllImages(const Mdx_StringArray& files, const Mdx_StringArray& texts) {
    int read = 0;
    for (int i = 0; i < files.length(); ++i) {
        Mdx_String text = i < texts.length() ? texts[i] : getFileName(files[i]);
        if (i >= texts.length()) removeExtension(text);
        HBITMAP bitmap = win::loadBitmapFile(win::mapPath(files[i].str()));
        if (bitmap) ++read;
        AddBitmap(bitmap, text);
        if (bitmap) DeleteObject(bitmap);
    }
    return read;
}

HBITMAP CBitmapPickerCombo::GetItemBitmap(int index) const {
    if (index < 0 || index >= static_cast<int>(m_bitmaps.size())) return nullptr;
    return m_bitmaps[static_cast<std::size_t>(index)];
}

// Keeps one picture slot per item through every change of the items.
LRESULT CBitmapPickerCombo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
    if ((message == CB_ADDSTRING || message == CB_INSERTSTRING) && result >= 0 &&
        result <= static_cast<LRESULT>(m_bitmaps.size()))
        m_bitmaps.insert(m_bitmaps.begin() + result, nullptr);
    if (message == CB_DELETESTRING && result >= 0 && wParam < m_bitmaps.size()) {
        if (m_bitmaps[wParam]) DeleteObject(m_bitmaps[wParam]);
        m_bitmaps.erase(m_bitmaps.begin() + static_cast<std::ptrdiff_t>(wParam));
    }
    if (message == CB_RESETCONTENT) {
        for (HBITMAP b : m_bitmaps)
            if (b) DeleteObject(b);
        m_bitmaps.clear();
    }
    return result;
}

void CBitmapPickerCombo::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    RECT field{2, 2, client.right - 20, client.bottom - 2};
    if (field.right <= field.left) return;
    dc.FillSolidRect(&field, GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    const int selected = GetCurSel();
    if (selected < 0) return;
    int x = field.left + 2;
    if (HBITMAP bitmap = GetItemBitmap(selected)) {
        int w = 0, h = 0;
        win::imageSize(bitmap, w, h);
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        ::SelectObject(memory, bitmap);
        const int shownH = std::min<int>(h, field.bottom - field.top);
        const int shownW = std::min<int>(w, field.right - x);
        dc.BitBlt(x, field.top + (field.bottom - field.top - shownH) / 2, shownW, shownH, &memory,
                  0, 0, SRCCOPY);
        x += shownW + 4;
    }
    if (CFont* font = GetFont()) dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    std::string text;
    GetLBText(selected, text);
    RECT area{x, field.top, field.right, field.bottom};
    dc.DrawText(text.c_str(), -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
