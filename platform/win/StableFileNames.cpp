#include "win/StableFileNames.h"

#include <system_error>

#include "win/FilePaths.h"

namespace win {
namespace {

struct Memos {
    int scopes = 0;
    unsigned long generation = 0;
    unsigned long lastGeneration = 0;
    NameMemo mapped;
    NameMemo onDisk;
};

Memos& memos() {
    static Memos all;
    return all;
}

}  // namespace

StableFileNames::StableFileNames() {
    if (memos().scopes++ == 0) memos().generation = ++memos().lastGeneration;
}

StableFileNames::~StableFileNames() {
    if (--memos().scopes == 0) {
        forgetStableNames();
        memos().generation = 0;
    }
}

NameMemo* stableNameMemo(NameLookUp kind) {
    Memos& all = memos();
    if (all.scopes == 0) return nullptr;
    return kind == NameLookUp::Mapped ? &all.mapped : &all.onDisk;
}

void forgetStableNames() {
    Memos& all = memos();
    all.mapped.clear();
    all.onDisk.clear();
    if (all.scopes > 0) all.generation = ++all.lastGeneration;
}

unsigned long stableNamesGeneration() {
    return memos().generation;
}

namespace {

std::filesystem::path resolvedOnDisk(const std::string& modulePath) {
    const std::filesystem::path mapped = std::filesystem::absolute(mapPath(modulePath));
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(mapped, ec);
    return ec ? mapped.lexically_normal() : resolved;
}

}  // namespace

std::filesystem::path realPathOf(const std::string& modulePath) {
    NameMemo* memo = stableNameMemo(NameLookUp::OnDisk);
    if (!memo) return resolvedOnDisk(modulePath);
    auto known = memo->find(modulePath);
    if (known != memo->end()) return known->second;
    return memo->emplace(modulePath, resolvedOnDisk(modulePath)).first->second;
}

}  // namespace win
