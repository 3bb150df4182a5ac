#pragma once
// Texts in global memory blocks, the way the grid hands texts across to custom functions
// and takes their text results back.
#include "core/Mdx_String.h"
#include "win/GlobalMemory.h"

// Copies the block's text out; a block without a terminator is read to its end and no
// further. False for a null block or one that cannot be locked (an empty block is an empty
// text).
bool getGlobalStr(HGLOBAL block, Mdx_String& text);

// A new movable block holding the text and its terminator; null when it cannot be had.
HGLOBAL setGlobalStr(const Mdx_String& text);
