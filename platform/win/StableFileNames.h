#pragma once
// A batch of evaluations looks up the same few library files thousands of times, and each
// look-up walks the folders ignoring case (listing a folder whenever a name is not spelled
// as on disk) and resolves links. While a StableFileNames lives, the file system is taken as
// unchanging for such look-ups: each name is looked up once and then answered from memory.
// Every write through the module's file layer forgets what was remembered, so a file the
// batch itself creates is found; a file someone else creates meanwhile may go unseen until
// the scope ends, which is what a batch run asks for.
#include <filesystem>
#include <string>
#include <unordered_map>

namespace win {

class StableFileNames {
public:
    StableFileNames();
    ~StableFileNames();
    StableFileNames(const StableFileNames&) = delete;
    StableFileNames& operator=(const StableFileNames&) = delete;
};

// The kinds of look-up that are remembered.
enum class NameLookUp { Mapped, OnDisk };

using NameMemo = std::unordered_map<std::string, std::filesystem::path>;

// The memo of one kind of look-up while a StableFileNames lives; null otherwise.
NameMemo* stableNameMemo(NameLookUp kind);

// Forgets every remembered look-up (a file was written or removed, a drive root changed).
void forgetStableNames();

// Changes whenever what was remembered is forgotten; 0 while no StableFileNames lives. A
// cache that checked a file's stamp in one generation need not check it again in the same.
unsigned long stableNamesGeneration();

// The absolute path, links resolved, of the file a module path names (see mapPath);
// remembered like mapPath while names are stable.
std::filesystem::path realPathOf(const std::string& modulePath);

}  // namespace win
