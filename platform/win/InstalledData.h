#pragma once
// Where an installed program finds the data it ships (its resources, the bundled library):
// beside itself, so an installation can move. A program run from its build tree uses the
// source tree instead.
#include <filesystem>
#include <string_view>

namespace win {

// The folder `name` of the installed data (from the program's folder, the path the build
// chose: "../share/meridox/<name>") when it exists, else buildTreeFolder.
std::filesystem::path installedDataFolder(std::string_view name,
                                          const std::filesystem::path& buildTreeFolder);

}  // namespace win
