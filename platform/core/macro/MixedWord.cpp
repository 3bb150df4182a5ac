#include "core/macro/MixedWord.h"

#include "core/Texts.h"

Mdx_String mixedWord() {
    return dialString(kMixedWordText);
}

bool isMixedWord(const Mdx_String& text) {
    return text.equal(mixedWord(), false);
}
