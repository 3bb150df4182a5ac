#pragma once
// The profile folder holds what persists per user between sessions: the registry store and
// the saved dialog sizes.
#include <filesystem>

namespace win {

// The folder in use: the one set last, else env MDX_PROFILE, else "$HOME/.meridox-profile"
// (or "./.meridox-profile" without HOME). Not created here.
std::filesystem::path profileFolder();
// Sets the folder; an empty path returns to the default.
void setProfileFolder(const std::filesystem::path& folder);
// Creates the folder when missing; false when it cannot be created.
bool ensureProfileFolder();

}  // namespace win
