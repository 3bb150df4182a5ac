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
};

enum class GdiKind { Font, Bitmap, Icon, Brush };

struct GdiObject {
    GdiKind kind = GdiKind::Font;
    LOGFONT font;
    std::shared_ptr<const BitmapData> bitmap;  // bitmaps and icons
    COLORREF color = 0;                        // brushes
    bool hollow = false;                       // brushes
    bool stock = false;                        // never deleted
};

// What a colour request may set on the device context it receives.
struct DeviceContext {
    COLORREF textColor = 0;
    bool textColorSet = false;
    COLORREF backColor = 0xFFFFFF;
    int backMode = 2;  // OPAQUE
};

HDC createDeviceContext();
DeviceContext* findDeviceContext(HDC dc);
void deleteDeviceContext(HDC dc);

HGDIOBJ addGdiObject(GdiObject object);
GdiObject* findGdiObject(HGDIOBJ handle);
bool deleteGdiObject(HGDIOBJ handle);
std::size_t gdiObjectCount();

}  // namespace win::detail
