#pragma once
// A dialog template as read from a resource script: sizes in dialog units.
#include <string>
#include <vector>

#include "win/WinTypes.h"

namespace win {

struct DialogItemTemplate {
    std::string className;  // "BUTTON", "EDIT", "STATIC", ... or a registered class
    std::string text;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT imageId = 0;  // an icon or bitmap resource named instead of a text
};

struct DialogTemplate {
    UINT id = 0;
    bool extended = false;  // DIALOGEX
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    std::string fontFace;  // empty: the system font
    int fontPointSize = 8;
    std::vector<DialogItemTemplate> items;
};

}  // namespace win
