// Drawing through device contexts onto window pictures and memory bitmaps.

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "win/GdiObjects.h"
#include "win/SurfacePixels.h"
#include "win/PaintDC.h"
#include "win/Window.h"

using win::detail::DeviceContext;
using win::detail::DrawingSurface;
using win::detail::findDeviceContext;
using win::detail::findGdiObject;
using win::detail::GdiKind;
using win::detail::GdiObject;
using win::detail::kBlackPixel;
using win::detail::kOpaque;
using win::detail::kWhitePixel;
using win::detail::pixelOf;
using win::detail::putPixel;

namespace win::detail {
namespace {

std::map<HWND, DrawingSurface>& lentSurfaces() {
    static std::map<HWND, DrawingSurface> lent;
    return lent;
}

}  // namespace

void lendSurface(HWND window, const DrawingSurface* surface) {
    if (surface)
        lentSurfaces()[window] = *surface;
    else
        lentSurfaces().erase(window);
}

DrawingSurface surfaceOf(const DeviceContext& context) {
    if (context.memory) {
        GdiObject* object = findGdiObject(context.bitmap);
        if (!object || !object->bitmap) return {};
        // The bitmap was made this context's own when it was selected (SelectObject).
        auto* data = const_cast<BitmapData*>(object->bitmap.get());
        DrawingSurface s;
        s.pixels = data->pixels.data();
        s.stride = s.width = data->width;
        s.height = data->height;
        s.monochrome = data->monochrome;
        return s;
    }
    auto it = lentSurfaces().find(context.window);
    return it == lentSurfaces().end() ? DrawingSurface{} : it->second;
}

}  // namespace win::detail

namespace {

DeviceContext* contextOf(HDC dc) {
    return findDeviceContext(dc);
}

const GdiObject* brushOf(HBRUSH brush) {
    const GdiObject* object = findGdiObject(brush);
    return object && object->kind == GdiKind::Brush ? object : nullptr;
}

void fillBlock(const DrawingSurface& s, const RECT& r, std::uint32_t p) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) putPixel(s, x, y, p);
}

HDC newWindowContext(HWND hwnd) {
    HDC dc = win::detail::createDeviceContext();
    DeviceContext* context = contextOf(dc);
    context->window = hwnd;
    context->brush = GetStockObject(WHITE_BRUSH);
    return dc;
}

}  // namespace

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    if (!IsWindow(hwnd) || !paint) return nullptr;
    paint->hdc = newWindowContext(hwnd);
    paint->fErase = FALSE;
    GetClientRect(hwnd, &paint->rcPaint);
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint || !contextOf(paint->hdc)) return FALSE;
    win::detail::deleteDeviceContext(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (hwnd && !IsWindow(hwnd)) return nullptr;
    return newWindowContext(hwnd);
}

int ReleaseDC(HWND, HDC dc) {
    const DeviceContext* context = contextOf(dc);
    if (!context || context->memory) return 0;
    win::detail::deleteDeviceContext(dc);
    return 1;
}

HWND WindowFromDC(HDC dc) {
    const DeviceContext* context = contextOf(dc);
    return context ? context->window : nullptr;
}

HDC CreateCompatibleDC(HDC) {
    HDC dc = win::detail::createDeviceContext();
    DeviceContext* context = contextOf(dc);
    context->memory = true;
    context->brush = GetStockObject(WHITE_BRUSH);
    return dc;
}

BOOL DeleteDC(HDC dc) {
    const DeviceContext* context = contextOf(dc);
    if (!context) return FALSE;
    win::detail::deleteDeviceContext(dc);
    return TRUE;
}

namespace {

constexpr long long kMaxBitmapPixels = 16ll * 1024 * 1024;

HBITMAP newBitmap(int width, int height, bool monochrome, std::uint32_t fill) {
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxBitmapPixels)
        return nullptr;
    auto data = std::make_shared<win::detail::BitmapData>();
    data->width = width;
    data->height = height;
    data->monochrome = monochrome;
    data->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    GdiObject object;
    object.kind = GdiKind::Bitmap;
    object.bitmap = std::move(data);
    return static_cast<HBITMAP>(win::detail::addGdiObject(std::move(object)));
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    return newBitmap(width, height, false, kBlackPixel);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32)) return nullptr;
    HBITMAP bitmap = newBitmap(width, height, bitsPerPixel == 1, kBlackPixel);
    if (!bitmap || !bits) return bitmap;
    auto* data = const_cast<win::detail::BitmapData*>(findGdiObject(bitmap)->bitmap.get());
    const auto* bytes = static_cast<const BYTE*>(bits);
    if (bitsPerPixel == 32) {
        const auto* words = static_cast<const std::uint32_t*>(bits);
        for (std::size_t i = 0; i < data->pixels.size(); ++i) data->pixels[i] = words[i] | kOpaque;
        return bitmap;
    }
    const int rowBytes = ((width + 15) / 16) * 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool set = bytes[y * rowBytes + x / 8] & (0x80 >> (x % 8));
            data->pixels[static_cast<std::size_t>(y) * width + x] = set ? kWhitePixel : kBlackPixel;
        }
    return bitmap;
}

HPEN CreatePen(int style, int, COLORREF color) {
    GdiObject object;
    object.kind = GdiKind::Pen;
    object.color = color;
    object.dotted = style == PS_DOT;
    return win::detail::addGdiObject(std::move(object));
}

namespace {

HGDIOBJ selectBitmap(DeviceContext& context, HGDIOBJ handle, GdiObject& object) {
    if (!context.memory) return nullptr;
    // Drawing must not reach other handles that share these pixels (shared resources).
    if (object.bitmap && object.bitmap.use_count() > 1)
        object.bitmap = std::make_shared<win::detail::BitmapData>(*object.bitmap);
    HGDIOBJ old = context.bitmap;
    context.bitmap = handle;
    return old ? old : handle;
}

}  // namespace

HGDIOBJ SelectObject(HDC dc, HGDIOBJ handle) {
    DeviceContext* context = contextOf(dc);
    GdiObject* object = findGdiObject(handle);
    if (!context || !object) return nullptr;
    HGDIOBJ old = nullptr;
    switch (object->kind) {
        case GdiKind::Bitmap:
            return selectBitmap(*context, handle, *object);
        case GdiKind::Brush:
            old = context->brush;
            context->brush = handle;
            return old;
        case GdiKind::Font:
            old = context->font;
            context->font = handle;
            return old ? old : GetStockObject(DEFAULT_GUI_FONT);
        case GdiKind::Pen: {
            static HPEN blackPen = CreatePen(PS_SOLID, 1, 0);
            context->penColor = object->color;
            context->nullPen = object->hollow;
            context->penDotted = object->dotted;
            return blackPen;
        }
        default:
            return nullptr;
    }
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const DeviceContext* context = contextOf(dc);
    const GdiObject* b = brushOf(brush);
    if (!context || !rect || !b) return 0;
    if (!b->hollow) fillBlock(win::detail::surfaceOf(*context), *rect, pixelOf(b->color));
    return 1;
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const DeviceContext* context = contextOf(dc);
    const GdiObject* b = brushOf(brush);
    if (!context || !rect || !b) return 0;
    if (b->hollow || rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    const std::uint32_t p = pixelOf(b->color);
    fillBlock(s, RECT{rect->left, rect->top, rect->right, rect->top + 1}, p);
    fillBlock(s, RECT{rect->left, rect->bottom - 1, rect->right, rect->bottom}, p);
    fillBlock(s, RECT{rect->left, rect->top, rect->left + 1, rect->bottom}, p);
    fillBlock(s, RECT{rect->right - 1, rect->top, rect->right, rect->bottom}, p);
    return 1;
}

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old) {
    DeviceContext* context = contextOf(dc);
    if (!context) return FALSE;
    if (old) *old = context->position;
    context->position = POINT{x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    DeviceContext* context = contextOf(dc);
    if (!context) return FALSE;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    int x0 = context->position.x, y0 = context->position.y;
    const int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy, step = 0;
    // The end point itself is not drawn, as on the real system.
    while (!context->nullPen && (x0 != x || y0 != y)) {
        if (step++ % 2 == 0 || !context->penDotted) putPixel(s, x0, y0, pixelOf(context->penColor));
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    context->position = POINT{x, y};
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const DeviceContext* context = contextOf(dc);
    if (!context) return FALSE;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    if (const GdiObject* b = brushOf(static_cast<HBRUSH>(context->brush)); b && !b->hollow)
        fillBlock(s, RECT{left + 1, top + 1, right - 1, bottom - 1}, pixelOf(b->color));
    if (context->nullPen) return TRUE;
    const std::uint32_t p = pixelOf(context->penColor);
    for (int x = left; x < right; ++x) {
        if (context->penDotted && (x - left) % 2) continue;
        putPixel(s, x, top, p);
        putPixel(s, x, bottom - 1, p);
    }
    for (int y = top; y < bottom; ++y) {
        if (context->penDotted && (y - top) % 2) continue;
        putPixel(s, left, y, p);
        putPixel(s, right - 1, y, p);
    }
    return TRUE;
}

BOOL DrawFocusRect(HDC dc, const RECT* rect) {
    const DeviceContext* context = contextOf(dc);
    if (!context || !rect) return FALSE;
    const DrawingSurface s = win::detail::surfaceOf(*context);
    // Every other pixel of the frame inverted: drawing it twice removes it.
    auto invert = [&s](int x, int y) {
        if (std::uint32_t* q = win::detail::pixelAt(s, x, y)) *q = win::detail::fitTo(s, ~*q);
    };
    for (int x = rect->left; x < rect->right; x += 2) {
        invert(x, rect->top);
        invert(x, rect->bottom - 1);
    }
    for (int y = rect->top + 2; y < rect->bottom - 1; y += 2) {
        invert(rect->left, y);
        invert(rect->right - 1, y);
    }
    return TRUE;
}
