#pragma once
// The word a dialog shows for a property on which the edited macros disagree. Writing it
// back changes nothing: each macro keeps its own value.
#include "core/Mdx_String.h"

inline constexpr int kMixedWordText = 695;

Mdx_String mixedWord();
bool isMixedWord(const Mdx_String& text);
