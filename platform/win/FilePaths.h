#pragma once
// Paths inside the module are written the Windows way ("C:\\Lib\\prof\\IPE.pr"). This file
// maps them onto the real file system and offers the two whole-file operations every reader
// and writer of the module builds on.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace win {

// A drive letter maps to a root folder. Drives without their own root map to the default
// drive root: env MDX_DRIVE_ROOT when set, else "/".
void setDriveRoot(char driveLetter, const std::filesystem::path& root);
void setDefaultDriveRoot(const std::filesystem::path& root);
void clearDriveRoots();
std::filesystem::path driveRoot(char driveLetter);

// Maps a module path to a real one: '\\' and '/' both separate, "X:" maps to the drive's
// root, a leading separator maps to the default drive root, a relative path stays relative.
// Each component that does not exist with its exact case is looked up case-insensitively
// (ASCII letters) in its folder; components that match nothing are kept as written, so the
// result also names files about to be created.
std::filesystem::path mapPath(std::string_view modulePath);

// Reads the whole file; false when it cannot be opened or read (out is then empty).
bool readWholeFile(const std::filesystem::path& file, std::string& out);

// Writes the whole file atomically: the bytes go to a temporary file in the same folder,
// which is flushed and renamed over the target. On any failure the temporary file is
// removed, the previous file stays as it was and the result is false.
bool writeWholeFileAtomic(const std::filesystem::path& file, std::string_view bytes);

// Stages of an atomic write, for tests that need a write to fail where a real disk would.
enum class WriteStage { Create, Write, Flush, Rename };
// The hook returns true to make the write fail at that stage; an empty hook removes it.
void setWriteFaultHook(std::function<bool(WriteStage)> hook);

}  // namespace win
