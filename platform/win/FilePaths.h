#pragma once
// Paths inside the module are written the Windows way ("C:\\Lib\\prof\\IPE.pr"). This file
// maps them onto the real file system and offers the two whole-file operations every reader
// and writer of the module builds on.
#include <filesystem>
#include <cstdint>
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
// ".." removes the component before it and stops at the root, as on Windows: "C:\\..\\x"
// is "C:\\x", so a name from data can never climb out of the folder its drive maps to.
// Each component that does not exist with its exact case is looked up case-insensitively
// (ASCII letters) in its folder; components that match nothing are kept as written, so the
// result also names files about to be created.
std::filesystem::path mapPath(std::string_view modulePath);

// The largest file readWholeFile reads; no file of the module comes near it.
constexpr std::uintmax_t kMaxFileBytes = 64u * 1024u * 1024u;

// Reads the whole file; false when it cannot be opened or read (out is then empty). Only
// regular files are read (a FIFO or a device would never end), and none above the limit.
bool readWholeFile(const std::filesystem::path& file, std::string& out,
                   std::uintmax_t limit = kMaxFileBytes);

// Writes the whole file atomically: the bytes go to a temporary file in the same folder,
// which is flushed and renamed over the target, and the folder is flushed after the rename.
// A symbolic link is followed: its target is replaced and the link stays. A file without
// any write permission is refused. On any failure the temporary file is removed, the
// previous file stays as it was and the result is false. Temporary files that a killed
// writer left beside the target are removed first.
bool writeWholeFileAtomic(const std::filesystem::path& file, std::string_view bytes);

// The same, for a read-modify-write: under a lock on the folder, the file is replaced only
// while it still holds expected (what was read before), so of two writers that read the
// same file the second is refused instead of silently undoing the first.
bool replaceWholeFileIfUnchanged(const std::filesystem::path& file, std::string_view expected,
                                 std::string_view bytes);

// Why the last readWholeFile, writeWholeFileAtomic or replaceWholeFileIfUnchanged of this
// thread failed, in words for a message ("not a regular file", "read-only", ...).
const std::string& lastFileError();

// Stages of an atomic write, for tests that need a write to fail where a real disk would.
enum class WriteStage { Create, Write, Flush, Rename };
// The hook returns true to make the write fail at that stage; an empty hook removes it.
void setWriteFaultHook(std::function<bool(WriteStage)> hook);

}  // namespace win
