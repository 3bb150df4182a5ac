#include "core/GlobalStrings.h"

#include <cstring>

bool getGlobalStr(HGLOBAL block, Mdx_String& text) {
    text.setEmpty();
    if (!block) return false;
    const SIZE_T size = GlobalSize(block);
    const char* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes) return size == 0;
    text = Mdx_String(bytes, static_cast<int>(strnlen(bytes, size)));
    GlobalUnlock(block);
    return true;
}

HGLOBAL setGlobalStr(const Mdx_String& text) {
    HGLOBAL block = GlobalAlloc(GHND, static_cast<SIZE_T>(text.length()) + 1);
    if (!block) return nullptr;
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, text.c_str(), static_cast<size_t>(text.length()) + 1);
    GlobalUnlock(block);
    return block;
}
