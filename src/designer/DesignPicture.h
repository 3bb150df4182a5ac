#pragma once
// Bitmaps made from pixels: the mask and the masked picture a design is drawn with.
#include <cstdint>
#include <string>

#include "win/WinTypes.h"

namespace designer {

// The bytes of a 24-bit bitmap file of width x height pixels given as 0x00RRGGBB, rows top
// to bottom.
std::string bitmapFileBytes(int width, int height, const std::uint32_t* pixels);

}  // namespace designer
