#include "core/macro/MixedWord.h"

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"

// Gathering and comparing run outside any dialog too (the command line, the apply path), so
// the word is always looked up in the module's own strings: an empty word would make every
// empty text count as mixed.
Mdx_String mixedWord() {
    KvTempResourceOverride resources;
    return dialString(kMixedWordText);
}

bool isMixedWord(const Mdx_String& text) {
    return text.equal(mixedWord(), false);
}
