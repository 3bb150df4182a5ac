#include "win/GlobalMemory.h"

#include <map>
#include <new>
#include <vector>

namespace {

struct Block {
    std::vector<unsigned char> bytes;
    UINT flags = 0;
    UINT locks = 0;
};

struct BlockTable {
    std::map<UINT_PTR, Block> blocks;
    UINT_PTR next = 0x200000;
};

BlockTable& table() {
    static BlockTable t;
    return t;
}

Block* find(HGLOBAL handle) {
    auto& blocks = table().blocks;
    auto it = blocks.find(reinterpret_cast<UINT_PTR>(handle));
    return it == blocks.end() ? nullptr : &it->second;
}

constexpr SIZE_T kLargestBlock = SIZE_T{1} << 30;

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T size) {
    if (size > kLargestBlock) return nullptr;
    Block block;
    block.flags = flags;
    try {
        block.bytes.assign(size, 0);  // zeroed always: stale bytes help no one
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    auto& t = table();
    const UINT_PTR key = t.next;
    t.next += 8;
    t.blocks.emplace(key, std::move(block));
    return reinterpret_cast<HGLOBAL>(key);
}

LPVOID GlobalLock(HGLOBAL handle) {
    Block* block = find(handle);
    if (!block || block->bytes.empty()) return nullptr;
    if (block->locks < GMEM_LOCKCOUNT) ++block->locks;
    return block->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL handle) {
    Block* block = find(handle);
    if (!block || block->locks == 0) return FALSE;
    --block->locks;
    return block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL handle) {
    return table().blocks.erase(reinterpret_cast<UINT_PTR>(handle)) ? nullptr : handle;
}

SIZE_T GlobalSize(HGLOBAL handle) {
    Block* block = find(handle);
    return block ? block->bytes.size() : 0;
}

HGLOBAL GlobalReAlloc(HGLOBAL handle, SIZE_T size, UINT) {
    Block* block = find(handle);
    if (!block || block->locks > 0 || size > kLargestBlock) return nullptr;
    try {
        block->bytes.resize(size, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return handle;
}

UINT GlobalFlags(HGLOBAL handle) {
    Block* block = find(handle);
    return block ? (block->locks & GMEM_LOCKCOUNT) : 0x8000;  // GMEM_INVALID_HANDLE
}

namespace win {
std::size_t liveGlobalBlocks() {
    return table().blocks.size();
}
}  // namespace win
