#pragma once
// The background of a design as people see it: the picture with its transparent (white)
// pixels showing the dialog face behind it.
#include <cstdint>
#include <string>

#include "win/WinTypes.h"

class Mdx_DlgDesignerData;

namespace designer {

// A new bitmap (the caller deletes it) of the document's picture over the colour face;
// null when the document has no picture.
HBITMAP pictureOnFace(const Mdx_DlgDesignerData& data, COLORREF face);
// The bytes of a 24-bit bitmap file of width x height pixels given as 0x00RRGGBB, rows top
// to bottom.
std::string bitmapFileBytes(int width, int height, const std::uint32_t* pixels);

}  // namespace designer
