#pragma once
// Global memory blocks, as the grid control hands formula texts across: a block is owned by
// its handle; a movable block is reached through GlobalLock, which counts, and GlobalUnlock.
#include "win/WinTypes.h"

inline constexpr UINT GMEM_FIXED = 0x0000;
inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
inline constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
inline constexpr UINT GMEM_LOCKCOUNT = 0x00FF;

// Null when size is beyond what a block may hold (1 GiB here) or memory runs out.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T size);
// Null for an unknown handle; a block of size 0 has no memory to lock.
LPVOID GlobalLock(HGLOBAL block);
// TRUE while the block is still locked after this call.
BOOL GlobalUnlock(HGLOBAL block);
// Null on success, the handle itself when it names no block.
HGLOBAL GlobalFree(HGLOBAL block);
SIZE_T GlobalSize(HGLOBAL block);
// Resizes an unlocked block (keeping its contents); null when it is locked or unknown.
HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T size, UINT flags);
UINT GlobalFlags(HGLOBAL block);

namespace win {
std::size_t liveGlobalBlocks();
}
