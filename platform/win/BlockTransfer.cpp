// Block transfers with raster operations, single pixels and images on device contexts.
#include <vector>

#include "win/GdiObjects.h"
#include "win/PaintDC.h"
#include "win/SurfacePixels.h"

using win::detail::DeviceContext;
using win::detail::DrawingSurface;
using win::detail::findDeviceContext;
using win::detail::findGdiObject;
using win::detail::GdiKind;
using win::detail::GdiObject;
using win::detail::kBlackPixel;
using win::detail::kOpaque;
using win::detail::kWhitePixel;
using win::detail::pixelAt;
using win::detail::pixelOf;

namespace win::detail {

void blendPixel(const DrawingSurface& s, int x, int y, std::uint32_t p) {
    std::uint32_t* q = pixelAt(s, x, y);
    const std::uint32_t a = p >> 24;
    if (!q || a == 0) return;
    if (a == 255) {
        *q = fitTo(s, p);
        return;
    }
    auto mix = [a](std::uint32_t src, std::uint32_t dst) {
        return (src * a + dst * (255 - a)) / 255;
    };
    const std::uint32_t r = mix((p >> 16) & 0xFF, (*q >> 16) & 0xFF);
    const std::uint32_t g = mix((p >> 8) & 0xFF, (*q >> 8) & 0xFF);
    const std::uint32_t b = mix(p & 0xFF, *q & 0xFF);
    *q = fitTo(s, kOpaque | (r << 16) | (g << 8) | b);
}

}  // namespace win::detail

namespace {

bool knownRop(DWORD rop) {
    for (DWORD r : {SRCCOPY, SRCPAINT, SRCAND, SRCINVERT, NOTSRCCOPY, SRCERASE, MERGEPAINT,
                    PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS})
        if (r == rop) return true;
    return false;
}

bool usesSource(DWORD rop) {
    return rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS &&
           rop != WHITENESS;
}

// Destination d, source s and pattern p combined on the colour bits.
std::uint32_t combine(DWORD rop, std::uint32_t d, std::uint32_t s, std::uint32_t p) {
    switch (rop) {
        case SRCCOPY: return s;
        case SRCPAINT: return d | s;
        case SRCAND: return d & s;
        case SRCINVERT: return d ^ s;
        case NOTSRCCOPY: return ~s;
        case SRCERASE: return s & ~d;
        case MERGEPAINT: return ~s | d;
        case PATCOPY: return p;
        case PATINVERT: return d ^ p;
        case DSTINVERT: return ~d;
        case BLACKNESS: return 0;
        case WHITENESS: return 0xFFFFFF;
        default: return d;
    }
}

// A source pixel as the destination takes it: between colour and monochrome the background
// colours decide (see BitBlt).
std::uint32_t converted(std::uint32_t p, const DrawingSurface& from, const DeviceContext& source,
                        const DrawingSurface& to, const DeviceContext& dest) {
    if (from.monochrome && !to.monochrome)
        return pixelOf((p & 0xFFFFFF) == 0xFFFFFF ? dest.backColor : dest.textColor);
    if (!from.monochrome && to.monochrome)
        return (p & 0xFFFFFF) == (pixelOf(source.backColor) & 0xFFFFFF) ? kWhitePixel
                                                                       : kBlackPixel;
    return p;
}

std::uint32_t patternOf(const DeviceContext& context) {
    const GdiObject* brush = findGdiObject(context.brush);
    return brush && brush->kind == GdiKind::Brush ? pixelOf(brush->color) : kWhitePixel;
}

// The source block read before anything is written, so a transfer within one surface is
// sound when the blocks overlap.
std::vector<std::uint32_t> readBlock(const DrawingSurface& s, int x, int y, int w, int h) {
    std::vector<std::uint32_t> block(static_cast<std::size_t>(w) * static_cast<std::size_t>(h),
                                     0);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (const std::uint32_t* q = pixelAt(s, x + col, y + row))
                block[static_cast<std::size_t>(row) * w + col] = *q | kOpaque;
    return block;
}

constexpr long long kMaxBlockPixels = 16ll * 1024 * 1024;

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    DeviceContext* to = findDeviceContext(dest);
    if (!to || !knownRop(rop) || width < 0 || height < 0 ||
        static_cast<long long>(width) * height > kMaxBlockPixels)
        return FALSE;
    const DeviceContext* from = usesSource(rop) ? findDeviceContext(source) : nullptr;
    if (usesSource(rop) && !from) return FALSE;
    const DrawingSurface target = win::detail::surfaceOf(*to);
    const DrawingSurface origin = from ? win::detail::surfaceOf(*from) : DrawingSurface{};
    std::vector<std::uint32_t> block;
    if (from) block = readBlock(origin, sx, sy, width, height);
    const std::uint32_t pattern = patternOf(*to);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            std::uint32_t* q = pixelAt(target, x + col, y + row);
            if (!q) continue;
            const std::uint32_t s =
                from ? converted(block[static_cast<std::size_t>(row) * width + col], origin, *from,
                                 target, *to)
                     : 0;
            *q = win::detail::fitTo(target, combine(rop, *q, s, pattern) & 0xFFFFFF);
        }
    return TRUE;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (usesSource(rop)) return FALSE;
    return BitBlt(dc, x, y, width, height, nullptr, 0, 0, rop);
}

BOOL InvertRect(HDC dc, const RECT* rect) {
    if (!rect) return FALSE;
    return PatBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                  DSTINVERT);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    const DeviceContext* context = findDeviceContext(dc);
    if (!context) return CLR_INVALID;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    std::uint32_t* q = pixelAt(s, x, y);
    if (!q) return CLR_INVALID;
    *q = win::detail::fitTo(s, pixelOf(color));
    return win::detail::colorOf(*q);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const DeviceContext* context = findDeviceContext(dc);
    if (!context) return CLR_INVALID;
    const std::uint32_t* q = pixelAt(win::detail::surfaceOf(*context), x, y);
    return q ? win::detail::colorOf(*q) : CLR_INVALID;
}

BOOL DrawImage(HDC dc, int x, int y, HGDIOBJ image) {
    const DeviceContext* context = findDeviceContext(dc);
    const GdiObject* object = findGdiObject(image);
    if (!context || !object || !object->bitmap) return FALSE;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    const auto& data = *object->bitmap;
    for (int row = 0; row < data.height; ++row)
        for (int col = 0; col < data.width; ++col)
            win::detail::blendPixel(
                s, x + col, y + row,
                data.pixels[static_cast<std::size_t>(row) * data.width + col]);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    const GdiObject* object = findGdiObject(icon);
    if (!object || object->kind != GdiKind::Icon) return FALSE;
    return DrawImage(dc, x, y, icon);
}
