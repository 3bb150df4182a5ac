#pragma once
// Fonts, bitmaps, icons and brushes as handles, and their framework wrappers.
#include <string>

#include "win/LogFont.h"
#include "win/WinTypes.h"

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    LPVOID bmBits = nullptr;
};

inline constexpr int HOLLOW_BRUSH = 5;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

HFONT CreateFontIndirect(const LOGFONT* font);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR face);
HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH GetSysColorBrush(int index);
HGDIOBJ GetStockObject(int index);
BOOL DeleteObject(HGDIOBJ object);
// Copies the description of a font (LOGFONT) or bitmap (BITMAP); returns the bytes copied.
int GetObject(HGDIOBJ object, int size, LPVOID out);
// Device contexts exist only for colour requests (WM_CTLCOLOR*): the handler may set the text
// colour, background colour and mode, and returns a brush; the painter honours them.
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();
    HGDIOBJ m_hObject = nullptr;
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    int GetObject(int size, LPVOID out) const { return ::GetObject(m_hObject, size, out); }

    // False for the lasting wrappers FromHandle hands out: they never delete the handle.
    bool m_owns = true;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* font);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR face);
    // Size in tenths of a point at 96 pixels per inch.
    BOOL CreatePointFont(int pointTenths, LPCSTR face);
    int GetLogFont(LOGFONT* out) const;
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
    // A lasting, non-owning wrapper of a font handle.
    static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject {
public:
    // Loads bitmap resource id from the current resource module.
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCSTR name);
    int GetBitmap(BITMAP* out) const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap);
};
