#pragma once
// Bitmaps and icons: read from .bmp and .ico files, and the module's resource bitmaps and
// icons by number. Pixels are kept as 0xAARRGGBB, rows top to bottom.
#include <cstdint>
#include <filesystem>
#include <string>

#include "win/Gdi.h"

inline constexpr UINT LR_DEFAULTCOLOR = 0x0000;
inline constexpr UINT LR_LOADFROMFILE = 0x0010;
inline constexpr UINT LR_DEFAULTSIZE = 0x0040;
inline constexpr UINT LR_SHARED = 0x8000;
using HANDLE = void*;

HBITMAP LoadBitmap(HINSTANCE module, LPCSTR name);
HICON LoadIcon(HINSTANCE module, LPCSTR name);
// IMAGE_BITMAP or IMAGE_ICON, from the module's resources or, with LR_LOADFROMFILE, from
// the file name (a module path); sizes are those of the image.
HANDLE LoadImage(HINSTANCE module, LPCSTR name, UINT type, int cx, int cy, UINT flags);
BOOL DestroyIcon(HICON icon);
inline const LPCSTR IDI_APPLICATION = reinterpret_cast<LPCSTR>(static_cast<UINT_PTR>(32512));

namespace win {

// Null when the file is missing or not a readable image of that kind; never throws.
HBITMAP loadBitmapFile(const std::filesystem::path& file);
HICON loadIconFile(const std::filesystem::path& file);
HBITMAP createBitmapFromBytes(const std::string& bytes);
bool imageSize(HGDIOBJ image, int& width, int& height);
// 0xAARRGGBB of a pixel; 0 outside the image.
std::uint32_t imagePixel(HGDIOBJ image, int x, int y);

}  // namespace win
