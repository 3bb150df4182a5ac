#include "standards/KvWordReplacer.h"

#include <algorithm>

#include "core/StringHelpers.h"

namespace {

bool isWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isWholeWord(const Mdx_String& text, int start, int length) {
    if (start > 0 && isWordChar(text.at(start - 1))) return false;
    const int after = start + length;
    return after >= text.length() || !isWordChar(text.at(after));
}

bool isWord(const Mdx_String& name) {
    return std::all_of(name.view().begin(), name.view().end(), isWordChar);
}

// Tells whether a position of a formula text lies inside a double-quoted text, scanning
// forward only. A quote opens a text and the next one closes it; a quote written twice
// inside a text closes and reopens it with nothing in between, so it needs no rule of its
// own.
class QuotedTexts {
public:
    explicit QuotedTexts(const Mdx_String& text) : text_(text) {}
    bool contains(int position) {
        for (; scanned_ < position; ++scanned_)
            if (text_.at(scanned_) == '"') inside_ = !inside_;
        return inside_;
    }
    // The text up to end was just rewritten outside any quoted text; scanning goes on there.
    void resumeOutsideAt(int end) {
        scanned_ = end;
        inside_ = false;
    }

private:
    const Mdx_String& text_;
    int scanned_ = 0;
    bool inside_ = false;
};

// The words of the text outside its quoted texts, in lower case.
std::vector<std::string> unquotedWords(const Mdx_String& text) {
    std::vector<std::string> words;
    const std::string_view bytes = text.view();
    bool inside = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (bytes[i] == '"') inside = !inside;
        if (inside || !isWordChar(bytes[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < bytes.size() && isWordChar(bytes[end])) ++end;
        words.push_back(Mdx_String(bytes.substr(i, end - i)).makeLower().str());
        i = end;
    }
    return words;
}

}  // namespace

KvWordReplacer::KvWordReplacer(const Mdx_StringArray& names, const Mdx_StringArray& replacements,
                               bool quote) {
    const int count = std::min(names.length(), replacements.length());
    for (int i = 0; i < count; ++i) {
        Mdx_String with = replacements[i];
        if (quote && !isNumber(with)) {
            // A quote of the value is written twice, so that the text stays one text.
            with.replace("\"", "\"\"", true);
            with = "\"" + with + "\"";
        }
        names_.append(names[i]);
        replacements_.append(with);
        // An empty name is found everywhere and would never end.
        if (names[i].isEmpty()) continue;
        if (isWord(names[i]))
            wordNames_[Mdx_String(names[i]).makeLower().str()].push_back(i);
        else
            otherNames_.push_back(i);
    }
}

bool KvWordReplacer::replaceIn(Mdx_String& text) const {
    bool replaced = false;
    std::vector<std::string> words = unquotedWords(text);
    for (int index = nextCandidate(words, 0); index >= 0; index = nextCandidate(words, index + 1)) {
        if (!replaceName(text, index)) continue;
        replaced = true;
        words = unquotedWords(text);
    }
    return replaced;
}

int KvWordReplacer::nextCandidate(const std::vector<std::string>& words, int from) const {
    int best = -1;
    auto consider = [&](const std::vector<int>& positions) {
        const auto next = std::lower_bound(positions.begin(), positions.end(), from);
        if (next != positions.end() && (best < 0 || *next < best)) best = *next;
    };
    for (const std::string& word : words) {
        const auto found = wordNames_.find(word);
        if (found != wordNames_.end()) consider(found->second);
    }
    consider(otherNames_);
    return best;
}

bool KvWordReplacer::replaceName(Mdx_String& text, int index) const {
    const Mdx_String& name = names_[index];
    const Mdx_String& with = replacements_[index];
    bool replaced = false;
    QuotedTexts quoted(text);
    int position = 0;
    for (long hits = 0; hits < kMaxHits; ++hits) {
        const int start = text.findFirstFrom(name, position, false);
        if (start < 0) break;
        // A file name, key or label in quotes is the user's text, never a variable:
        // GETCELL("Bolts.dat", d, "Hole") must keep "Hole" with a variable Hole declared.
        if (!isWholeWord(text, start, name.length()) || quoted.contains(start)) {
            position = start + name.length();
            continue;
        }
        text.replaceAt(start, name.length(), with);
        position = start + with.length();
        quoted.resumeOutsideAt(position);
        replaced = true;
    }
    return replaced;
}
