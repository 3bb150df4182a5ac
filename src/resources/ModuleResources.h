#pragma once
// The module's own resources: the folder of its resource scripts, bitmaps and icons, and the
// resource module (HINSTANCE) loaded from it.
#include <filesystem>

#include "win/WinTypes.h"

namespace resources {

// env MDX_RESOURCES when set, else the installed resources beside the program, else the
// folder of the sources this module was built from.
std::filesystem::path moduleResourceFolder();
// Loaded on first use; null when the folder is missing.
HINSTANCE moduleResourceHandle();

}  // namespace resources
