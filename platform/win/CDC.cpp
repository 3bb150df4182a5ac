#include "win/CDC.h"

#include <map>
#include <memory>

#include "win/LastingGdiWrapper.h"

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_hObject) return FALSE;
    m_hObject = ::CreateSolidBrush(color);
    return m_hObject ? TRUE : FALSE;
}

BOOL CBrush::CreateStockObject(int index) {
    if (m_hObject) return FALSE;
    m_hObject = ::GetStockObject(index);
    m_owns = false;
    return m_hObject ? TRUE : FALSE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    if (m_hObject) return FALSE;
    m_hObject = ::CreatePen(style, width, color);
    return m_hObject ? TRUE : FALSE;
}


CDC::~CDC() {
    if (m_ownsMemoryDC) DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    if (m_hDC) return FALSE;
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_ownsMemoryDC = m_hDC != nullptr;
    return m_hDC ? TRUE : FALSE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    const BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_ownsMemoryDC = false;
    return ok;
}

BOOL CDC::Attach(HDC dc) {
    if (m_hDC || !dc) return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    HDC dc = m_hDC;
    m_hDC = nullptr;
    m_ownsMemoryDC = false;
    return dc;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (!bitmap) return nullptr;
    return win::detail::lastingWrapper<CBitmap>(::SelectObject(m_hDC, bitmap->m_hObject));
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush) return nullptr;
    return win::detail::lastingWrapper<CBrush>(::SelectObject(m_hDC, brush->m_hObject));
}

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen) return nullptr;
    return win::detail::lastingWrapper<CPen>(::SelectObject(m_hDC, pen->m_hObject));
}

CFont* CDC::SelectObject(CFont* font) {
    if (!font) return nullptr;
    return win::detail::lastingWrapper<CFont>(::SelectObject(m_hDC, font->m_hObject));
}

HGDIOBJ CDC::SelectStockObject(int index) {
    return ::SelectObject(m_hDC, ::GetStockObject(index));
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (brush) ::FillRect(m_hDC, rect, *brush);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(m_hDC, rect, brush);
    ::DeleteObject(brush);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    const RECT r{x, y, x + width, y + height};
    FillSolidRect(&r, color);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    if (brush) ::FrameRect(m_hDC, rect, *brush);
}

POINT CDC::MoveTo(int x, int y) {
    POINT old;
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sx, sy, rop);
}

SIZE CDC::GetTextExtent(LPCSTR text, int length) const {
    SIZE size;
    ::GetTextExtentPoint32(m_hDC, text, length, &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hDC) ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}
