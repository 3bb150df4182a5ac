#pragma once
// The product's languages and their texts, read from the library folder:
//
//   Languages\languages.txt    "MDX-LANGUAGES 1", then one language name per line, in the
//                              order the product lists them (section tables name their
//                              language columns after them); the first is the current one
//                              until another is chosen
//   Languages\<name>.txt       "MDX-LANGUAGE 1", then "[group]" lines opening a group and
//                              "key=text" lines; lines before the first group belong to the
//                              empty group; blank lines and lines starting with ";" are
//                              skipped; the group "Dial" holds numbered dialog texts
//
// Texts are Windows-1252; keys and groups compare ignoring case. A text missing in a language
// reads as its key (the product's keys are its English words), so an untranslated name still
// shows. Without a readable list the only language is "English" with no texts. A file with
// another first line, a list entry that is not a plain file name, and files over 4 MB are
// refused (that language then has no texts); nothing here fails loudly.
//
// The texts are read on first use and again whenever the library folder changes.
#include <map>
#include <string>

#include "core/Mdx_StringArray.h"

class MacroLangs {
public:
    Mdx_String GetCurLanguage() const;
    int GetCurLanguageIndex() const;
    // False, current language unchanged, for a name that is not in the list.
    bool SetCurLanguage(const Mdx_String& name);
    Mdx_StringArray GetAllLanguages() const;
    void GetAllLanguages(Mdx_StringArray& names) const { names = GetAllLanguages(); }

    // The text of key in group in the current language; the key itself when there is none.
    Mdx_String GetString(const Mdx_String& group, const Mdx_String& key) const;
    Mdx_String GetString(int groupCode, const Mdx_String& key) const;
    // The same for a caption: leading and trailing blanks and punctuation (":", "*", "."
    // and the like) are cut off for the look-up and put back around the translation, so
    // "Bolt diameter:" finds "Bolt diameter".
    Mdx_String GetStringChopSymbols(const Mdx_String& text, int groupCode) const;
    // The text in a given language; false when that language has none.
    bool findString(const Mdx_String& language, const Mdx_String& group, const Mdx_String& key,
                    Mdx_String& text) const;

    // Forgets what was read; the next use reads the files again.
    void reload();

private:
    using Group = std::map<Mdx_String, Mdx_String>;     // lower-case key -> text
    using Language = std::map<Mdx_String, Group>;       // lower-case group -> texts
    void ensureLoaded() const;
    void load() const;
    const Language* languageNamed(const Mdx_String& name) const;

    mutable bool m_loaded = false;
    mutable std::string m_loadedFrom;  // the real library folder read
    mutable Mdx_StringArray m_names;
    mutable std::map<Mdx_String, Language> m_texts;  // lower-case language name
    Mdx_String m_chosen;  // empty: the first of the list
};

extern MacroLangs gMacroLangs;

// Dialog text id in every language, in list order: each language's "Dial" text, else the
// module's own text (dialString).
Mdx_StringArray dialStringAllLangs(int id);
