#pragma once
// Internal to the window layer: the table behind font, bitmap, icon and brush handles.
#include <cstdint>
#include <memory>
#include <vector>

#include "win/LogFont.h"

namespace win::detail {

struct BitmapData {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, rows top to bottom
    bool monochrome = false;            // one bit per pixel: only black and white
};

enum class GdiKind { Font, Bitmap, Icon, Brush, Pen };

struct GdiObject {
    GdiKind kind = GdiKind::Font;
    LOGFONT font;
    std::shared_ptr<const BitmapData> bitmap;  // bitmaps and icons
    COLORREF color = 0;                        // brushes and pens
    bool hollow = false;                       // brushes; pens: the null pen
    bool dotted = false;                       // pens
    bool stock = false;                        // never deleted
};

// Where a device context draws: a window's area of the picture being painted, or the bitmap
// selected into a memory context. Without a surface, drawing succeeds and is dropped (a
// window drawn while no picture is being made).
struct DrawingSurface {
    std::uint32_t* pixels = nullptr;  // 0xAARRGGBB, the drawable block
    int stride = 0;                   // pixels per row
    int width = 0;                    // of the block
    int height = 0;
    int originX = 0;  // where the context's (0, 0) lies in the block (may be outside it)
    int originY = 0;
    bool monochrome = false;
};

// A device context: what a colour request may set on it, and for painting and memory
// contexts what they draw with.
struct DeviceContext {
    COLORREF textColor = 0;
    bool textColorSet = false;
    COLORREF backColor = 0xFFFFFF;
    int backMode = 2;  // OPAQUE
    bool memory = false;
    HWND window = nullptr;
    DrawingSurface windowSurface;  // window contexts while a picture is painted
    HGDIOBJ bitmap = nullptr;      // memory contexts: the selected bitmap
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    COLORREF penColor = 0;
    bool nullPen = false;
    bool penDotted = false;
    POINT position;  // the pen position of MoveToEx / LineTo
};

// The window painter lends a window its area of the picture while it sends the window's
// paint messages (null ends the loan); window contexts created meanwhile draw there.
void lendSurface(HWND window, const DrawingSurface* surface);
// The surface a context draws on now; null when its drawing is dropped.
DrawingSurface surfaceOf(const DeviceContext& context);

HDC createDeviceContext();
DeviceContext* findDeviceContext(HDC dc);
void deleteDeviceContext(HDC dc);

HGDIOBJ addGdiObject(GdiObject object);
GdiObject* findGdiObject(HGDIOBJ handle);
bool deleteGdiObject(HGDIOBJ handle);
std::size_t gdiObjectCount();

}  // namespace win::detail
