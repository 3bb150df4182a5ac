#include "core/MacroLangs.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"

MacroLangs gMacroLangs;

namespace {

constexpr int kMaxFileBytes = 4 * 1024 * 1024;
const char* const kListHeader = "MDX-LANGUAGES 1";
const char* const kTextsHeader = "MDX-LANGUAGE 1";

Mdx_String folder() {
    return gSettings.libDir() + "Languages\\";
}

Mdx_String lowered(Mdx_String text) {
    return text.makeLower();
}

// The lines of a file that starts with header; false for a missing, oversized or foreign
// file.
bool readLines(const Mdx_String& path, const char* header, Mdx_StringArray& lines) {
    Mdx_String bytes;
    if (!readWholeFile(path, bytes) || bytes.length() > kMaxFileBytes) return false;
    splitLines(bytes, lines);
    if (lines.isEmpty() || lines[0].trim() != Mdx_String(header)) return false;
    lines.removeAt(0);
    return true;
}

bool isPlainName(const Mdx_String& name) {
    return !name.isEmpty() && !hasInvalidFileNameChars(name) && name != Mdx_String(".") &&
           name != Mdx_String("..");
}

bool isChopped(char c) {
    return Mdx_String(" \t:;.,*=!?#-").findChar(c) >= 0;
}

}  // namespace

void MacroLangs::reload() {
    m_loaded = false;
}

void MacroLangs::ensureLoaded() const {
    if (!m_loaded || m_loadedFrom != gSettings.libraryFolder()) load();
}

void MacroLangs::load() const {
    m_loaded = true;
    m_loadedFrom = gSettings.libraryFolder();
    m_names.setEmpty();
    m_texts.clear();
    Mdx_StringArray lines;
    if (readLines(folder() + "languages.txt", kListHeader, lines))
        for (Mdx_String name : lines)
            if (isPlainName(name.trim()) && !m_names.contains(name, false)) m_names.append(name);
    if (m_names.isEmpty()) m_names.append("English");
    for (const Mdx_String& name : m_names) {
        Language& language = m_texts[lowered(name)];
        Mdx_StringArray textLines;
        if (!readLines(folder() + name + ".txt", kTextsHeader, textLines)) continue;
        Group* group = &language[Mdx_String()];
        for (Mdx_String line : textLines) {
            line.trimRight();
            if (line.isEmpty() || line.at(0) == ';') continue;
            if (line.at(0) == '[' && line.endsWith("]", true)) {
                group = &language[lowered(line.mid(1, line.length() - 2).trim())];
                continue;
            }
            Mdx_String key, text;
            if (line.splitAtFirst("=", key, text, true)) (*group)[lowered(key.trim())] = text;
        }
    }
}

const MacroLangs::Language* MacroLangs::languageNamed(const Mdx_String& name) const {
    ensureLoaded();
    auto it = m_texts.find(lowered(name));
    return it == m_texts.end() ? nullptr : &it->second;
}

Mdx_String MacroLangs::GetCurLanguage() const {
    ensureLoaded();
    const int chosen = m_chosen.isEmpty() ? -1 : m_names.find(m_chosen, false);
    return chosen >= 0 ? m_names[chosen] : m_names[0];
}

int MacroLangs::GetCurLanguageIndex() const {
    return GetAllLanguages().find(GetCurLanguage(), false);
}

bool MacroLangs::SetCurLanguage(const Mdx_String& name) {
    ensureLoaded();
    if (!m_names.contains(name, false)) return false;
    m_chosen = name;
    return true;
}

Mdx_StringArray MacroLangs::GetAllLanguages() const {
    ensureLoaded();
    return m_names;
}

bool MacroLangs::findString(const Mdx_String& language, const Mdx_String& group,
                            const Mdx_String& key, Mdx_String& text) const {
    const Language* texts = languageNamed(language);
    if (!texts) return false;
    auto g = texts->find(lowered(group));
    if (g == texts->end()) return false;
    auto t = g->second.find(lowered(key));
    if (t == g->second.end()) return false;
    text = t->second;
    return true;
}

Mdx_String MacroLangs::GetString(const Mdx_String& group, const Mdx_String& key) const {
    Mdx_String text;
    return findString(GetCurLanguage(), group, key, text) ? text : key;
}

Mdx_String MacroLangs::GetString(int groupCode, const Mdx_String& key) const {
    return GetString(Mdx_String::fromInt(groupCode), key);
}

Mdx_String MacroLangs::GetStringChopSymbols(const Mdx_String& text, int groupCode) const {
    int first = 0, last = text.length();
    while (first < last && isChopped(text.at(first))) ++first;
    while (last > first && isChopped(text.at(last - 1))) --last;
    if (first == last) return text;
    const Mdx_String core = text.mid(first, last - first);
    return text.left(first) + GetString(groupCode, core) + text.mid(last);
}

Mdx_StringArray dialStringAllLangs(int id) {
    Mdx_StringArray texts;
    const Mdx_String key = Mdx_String::fromInt(id);
    for (const Mdx_String& language : gMacroLangs.GetAllLanguages()) {
        Mdx_String text;
        texts.append(gMacroLangs.findString(language, "Dial", key, text) ? text : dialString(id));
    }
    return texts;
}
