#include "standards/KvFileScope.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "standards/KvChildCallChain.h"
#include "win/FilePaths.h"
#include "win/StableFileNames.h"

namespace fs = std::filesystem;

namespace file_scope {
namespace {

std::vector<Mdx_String>& allowedFolders() {
    static std::vector<Mdx_String> folders;
    return folders;
}

Mdx_String& refused() {
    static Mdx_String file;
    return file;
}

fs::path onDisk(const Mdx_String& modulePath) {
    return win::realPathOf(modulePath.toUtf8());
}

bool within(const fs::path& file, const Mdx_String& folder) {
    if (folder.isEmpty()) return false;
    const fs::path root = onDisk(folder);
    auto f = file.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++f) {
        if (r->empty()) continue;  // the empty name after a final separator
        if (f == file.end() || *f != *r) return false;
    }
    return f != file.end();
}

}  // namespace

void allowFolder(const Mdx_String& folder) {
    allowedFolders().push_back(folder);
}

void clearAllowedFolders() {
    allowedFolders().clear();
}

bool isAllowed(const Mdx_String& file) {
    const fs::path real = onDisk(file);
    if (within(real, gSettings.libDir())) return true;
    if (within(real, getPath(child_call_chain::outermost()))) return true;
    for (const Mdx_String& folder : allowedFolders())
        if (within(real, folder)) return true;
    return false;
}

const Mdx_String& lastRefused() {
    return refused();
}

void noteRefused(const Mdx_String& file) {
    refused() = file;
}

void forgetRefused() {
    refused().setEmpty();
}

}  // namespace file_scope
