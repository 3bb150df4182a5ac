#pragma once
// "scratchLibrary": "{here}/.." lets a scenario whose dialogs save files (designs, tables)
// work on a copy of a library: the folder is copied into a fresh temporary folder that the
// session uses as its library and removes at the end, so the original is never written.
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "TempProfile.h"

// Bounds of the copy, so a wrong folder cannot fill the disk.
inline constexpr std::uintmax_t kMaxScratchLibraryBytes = 64u << 20;
inline constexpr int kMaxScratchLibraryFiles = 5000;

// Throws ScenarioError when the key is there but is no text.
void checkScratchLibrary(const nlohmann::json& scenario);

// Copies the folder and makes the copy the library; null when the scenario has no such key.
// Throws ScenarioError when the folder is missing, too large or cannot be copied.
std::unique_ptr<TempProfile> makeScratchLibrary(const nlohmann::json& scenario);
