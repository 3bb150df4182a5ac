#pragma once
// Draws a window tree to a PNG file so people can look at a dialog: frames and captions,
// texts, the built-in controls in the classic look, bitmaps and icons. It is a view of the
// window model, nothing more; classes registered by other layers draw themselves through a
// class painter, or appear as a framed area named after their class.
#include <filesystem>
#include <functional>
#include <string>

#include "win/WinTypes.h"

namespace win {

// cairo is the drawing context (a cairo_t*); width and height are the window's size; the
// origin is the window's top-left corner.
using ClassPainter = std::function<void(void* cairo, HWND window, int width, int height)>;
void setClassPainter(const std::string& className, ClassPainter painter);

// False when the window does not exist or the file cannot be written (written atomically).
bool paintWindowToPng(HWND window, const std::filesystem::path& file);
// The same picture as PNG bytes in memory; false (and empty) when the window does not exist.
bool paintWindowToPngData(HWND window, std::string& png);

// Windows-1252 bytes as UTF-8, for text that leaves the module.
std::string windows1252ToUtf8(const std::string& bytes);

}  // namespace win
