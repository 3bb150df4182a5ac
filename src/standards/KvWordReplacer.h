#pragma once
// Replaces names by other texts in formula texts, whole words only: variable names by the
// addresses of their cells, general variables by their values. A hit counts when the
// characters around it are no ASCII letter, digit or underscore (bytes above 0x7F end a
// word), letter case is ignored, and a hit inside a double-quoted text is the user's text
// and stays. Names are replaced one after the other in their order, each everywhere in the
// text before the next, so a later name is also replaced inside an earlier replacement.
//
// A standards spreadsheet has hundreds of variables and each equation names a few of them:
// the replacer is built once for a calculation and, for every text, only searches for the
// names that occur in it as words.
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Mdx_StringArray.h"

class KvWordReplacer {
public:
    // The most hits examined per name and text.
    static constexpr long kMaxHits = 99999999;

    // names[i] becomes replacements[i], up to the shorter list; empty names are ignored.
    // With quote on, a replacement that is not a number goes in double quotes, a quote in it
    // written twice.
    KvWordReplacer(const Mdx_StringArray& names, const Mdx_StringArray& replacements, bool quote);

    // True when something was replaced.
    bool replaceIn(Mdx_String& text) const;

private:
    bool replaceName(Mdx_String& text, int index) const;
    // The first name from index from on that may occur in a text with these words.
    int nextCandidate(const std::vector<std::string>& words, int from) const;

    Mdx_StringArray names_;
    Mdx_StringArray replacements_;
    // Names of word characters only, in lower case, to their positions in ascending order:
    // such a name can only be a whole word of the text.
    std::unordered_map<std::string, std::vector<int>> wordNames_;
    // Positions of the other names (blanks, points, ... in them), which are always searched.
    std::vector<int> otherNames_;
};
