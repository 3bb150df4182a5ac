#include "win/Gdi.h"

#include <cstring>
#include <map>
#include <memory>

#include "win/GdiObjects.h"
#include "win/LastingGdiWrapper.h"
#include "win/WinStyles.h"

using win::detail::GdiKind;
using win::detail::GdiObject;

namespace win::detail {
namespace {

struct GdiTable {
    std::map<UINT_PTR, GdiObject> objects;
    UINT_PTR next = 0x40000;
};

GdiTable& gdi() {
    static GdiTable t;
    return t;
}

}  // namespace

HGDIOBJ addGdiObject(GdiObject object) {
    auto& t = gdi();
    const UINT_PTR key = t.next;
    t.next += 4;
    t.objects.emplace(key, std::move(object));
    return reinterpret_cast<HGDIOBJ>(key);
}

GdiObject* findGdiObject(HGDIOBJ handle) {
    auto& objects = gdi().objects;
    auto it = objects.find(reinterpret_cast<UINT_PTR>(handle));
    return it == objects.end() ? nullptr : &it->second;
}

bool deleteGdiObject(HGDIOBJ handle) {
    auto& objects = gdi().objects;
    auto it = objects.find(reinterpret_cast<UINT_PTR>(handle));
    if (it == objects.end()) return false;
    if (it->second.stock) return true;
    objects.erase(it);
    return true;
}

std::size_t gdiObjectCount() {
    return gdi().objects.size();
}

namespace {

struct DcTable {
    std::map<UINT_PTR, DeviceContext> contexts;
    UINT_PTR next = 0x60000;
};

DcTable& dcs() {
    static DcTable t;
    return t;
}

}  // namespace

HDC createDeviceContext() {
    auto& t = dcs();
    const UINT_PTR key = t.next;
    t.next += 4;
    t.contexts.emplace(key, DeviceContext{});
    return reinterpret_cast<HDC>(key);
}

DeviceContext* findDeviceContext(HDC dc) {
    auto& contexts = dcs().contexts;
    auto it = contexts.find(reinterpret_cast<UINT_PTR>(dc));
    return it == contexts.end() ? nullptr : &it->second;
}

void deleteDeviceContext(HDC dc) {
    dcs().contexts.erase(reinterpret_cast<UINT_PTR>(dc));
}

}  // namespace win::detail

void setFaceName(LOGFONT& font, const char* face) {
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    if (face) std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) return nullptr;
    GdiObject object;
    object.kind = GdiKind::Font;
    object.font = *font;
    object.font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(win::detail::addGdiObject(std::move(object)));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR face) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    setFaceName(lf, face);
    return CreateFontIndirect(&lf);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    GdiObject object;
    object.kind = GdiKind::Brush;
    object.color = color;
    return static_cast<HBRUSH>(win::detail::addGdiObject(std::move(object)));
}

namespace {

HGDIOBJ stockObject(int index) {
    static std::map<int, HGDIOBJ> stock;
    auto it = stock.find(index);
    if (it != stock.end()) return it->second;
    GdiObject object;
    object.stock = true;
    switch (index) {
        case WHITE_BRUSH:
            object.kind = GdiKind::Brush;
            object.color = RGB(255, 255, 255);
            break;
        case BLACK_BRUSH:
            object.kind = GdiKind::Brush;
            object.color = 0;
            break;
        case HOLLOW_BRUSH:
            object.kind = GdiKind::Brush;
            object.hollow = true;
            break;
        case ANSI_VAR_FONT:
        case DEFAULT_GUI_FONT:
            object.kind = GdiKind::Font;
            object.font.lfHeight = -11;
            setFaceName(object.font, "MS Sans Serif");
            break;
        case SYSTEM_FONT:
            object.kind = GdiKind::Font;
            object.font.lfHeight = 16;
            object.font.lfWeight = FW_BOLD;
            setFaceName(object.font, "System");
            break;
        default:
            return nullptr;
    }
    HGDIOBJ handle = win::detail::addGdiObject(std::move(object));
    stock[index] = handle;
    return handle;
}

}  // namespace

HBRUSH GetSysColorBrush(int index) {
    static std::map<int, HGDIOBJ> brushes;
    auto it = brushes.find(index);
    if (it != brushes.end()) return static_cast<HBRUSH>(it->second);
    GdiObject object;
    object.kind = GdiKind::Brush;
    object.color = GetSysColor(index);
    object.stock = true;
    HGDIOBJ handle = win::detail::addGdiObject(std::move(object));
    brushes[index] = handle;
    return static_cast<HBRUSH>(handle);
}

HGDIOBJ GetStockObject(int index) {
    return stockObject(index);
}

BOOL DeleteObject(HGDIOBJ object) {
    return win::detail::deleteGdiObject(object) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ handle, int size, LPVOID out) {
    GdiObject* object = win::detail::findGdiObject(handle);
    if (!object) return 0;
    if (object->kind == GdiKind::Font) {
        if (!out) return sizeof(LOGFONT);
        if (size < static_cast<int>(sizeof(LOGFONT))) return 0;
        std::memcpy(out, &object->font, sizeof(LOGFONT));
        return sizeof(LOGFONT);
    }
    if (object->kind == GdiKind::Bitmap || object->kind == GdiKind::Icon) {
        if (!out) return sizeof(BITMAP);
        if (size < static_cast<int>(sizeof(BITMAP)) || !object->bitmap) return 0;
        BITMAP bm;
        bm.bmWidth = object->bitmap->width;
        bm.bmHeight = object->bitmap->height;
        bm.bmWidthBytes = object->bitmap->width * 4;
        bm.bmBits = nullptr;
        std::memcpy(out, &bm, sizeof bm);
        return sizeof(BITMAP);
    }
    return 0;
}

int SetBkMode(HDC dc, int mode) {
    auto* context = win::detail::findDeviceContext(dc);
    if (!context) return 0;
    const int old = context->backMode;
    context->backMode = mode;
    return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    auto* context = win::detail::findDeviceContext(dc);
    if (!context) return 0xFFFFFFFF;
    const COLORREF old = context->textColor;
    context->textColor = color;
    context->textColorSet = true;
    return old;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    auto* context = win::detail::findDeviceContext(dc);
    if (!context) return 0xFFFFFFFF;
    const COLORREF old = context->backColor;
    context->backColor = color;
    return old;
}

CGdiObject::~CGdiObject() {
    if (m_owns && m_hObject) ::DeleteObject(m_hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (m_hObject || !object) return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    const BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (m_hObject) return FALSE;
    m_hObject = ::CreateFontIndirect(font);
    return m_hObject ? TRUE : FALSE;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR face) {
    if (m_hObject) return FALSE;
    m_hObject =
        ::CreateFont(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                     charSet, outPrecision, clipPrecision, quality, pitchAndFamily, face);
    return m_hObject ? TRUE : FALSE;
}

BOOL CFont::CreatePointFont(int pointTenths, LPCSTR face) {
    LOGFONT lf;
    lf.lfHeight = -MulDiv(pointTenths, 96, 720);
    setFaceName(lf, face);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* out) const {
    return ::GetObject(m_hObject, sizeof(LOGFONT), out);
}


CFont* CFont::FromHandle(HFONT font) {
    return win::detail::findGdiObject(font) ? win::detail::lastingWrapper<CFont>(font) : nullptr;
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) {
    return win::detail::findGdiObject(bitmap) ? win::detail::lastingWrapper<CBitmap>(bitmap) : nullptr;
}

int CBitmap::GetBitmap(BITMAP* out) const {
    return ::GetObject(m_hObject, sizeof(BITMAP), out);
}
