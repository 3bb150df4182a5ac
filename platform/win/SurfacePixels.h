#pragma once
// Internal to the window layer: pixel access on the surface a device context draws on.
#include <cstdint>

#include "win/GdiObjects.h"

namespace win::detail {

inline constexpr std::uint32_t kOpaque = 0xFF000000;
inline constexpr std::uint32_t kWhitePixel = 0xFFFFFFFF;
inline constexpr std::uint32_t kBlackPixel = 0xFF000000;

inline std::uint32_t pixelOf(COLORREF c) {
    return kOpaque | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
           GetBValue(c);
}

inline COLORREF colorOf(std::uint32_t p) {
    return RGB(static_cast<BYTE>(p >> 16), static_cast<BYTE>(p >> 8), static_cast<BYTE>(p));
}

// A monochrome surface keeps only white and black.
inline std::uint32_t fitTo(const DrawingSurface& s, std::uint32_t p) {
    if (!s.monochrome) return p | kOpaque;
    return (p & 0xFFFFFF) == 0xFFFFFF ? kWhitePixel : kBlackPixel;
}

// The pixel at context coordinates; null outside the surface.
inline std::uint32_t* pixelAt(const DrawingSurface& s, int x, int y) {
    const int bx = x + s.originX, by = y + s.originY;
    if (!s.pixels || bx < 0 || by < 0 || bx >= s.width || by >= s.height) return nullptr;
    return s.pixels + static_cast<std::ptrdiff_t>(by) * s.stride + bx;
}

inline void putPixel(const DrawingSurface& s, int x, int y, std::uint32_t p) {
    if (std::uint32_t* q = pixelAt(s, x, y)) *q = fitTo(s, p);
}

// Draws p over the pixel with p's alpha.
void blendPixel(const DrawingSurface& s, int x, int y, std::uint32_t p);

}  // namespace win::detail
