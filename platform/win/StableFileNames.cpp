#include "win/StableFileNames.h"

namespace win {
namespace {

struct Memos {
    int scopes = 0;
    NameMemo mapped;
    NameMemo onDisk;
};

Memos& memos() {
    static Memos all;
    return all;
}

}  // namespace

StableFileNames::StableFileNames() {
    ++memos().scopes;
}

StableFileNames::~StableFileNames() {
    if (--memos().scopes == 0) forgetStableNames();
}

NameMemo* stableNameMemo(NameLookUp kind) {
    Memos& all = memos();
    if (all.scopes == 0) return nullptr;
    return kind == NameLookUp::Mapped ? &all.mapped : &all.onDisk;
}

void forgetStableNames() {
    memos().mapped.clear();
    memos().onDisk.clear();
}

}  // namespace win
