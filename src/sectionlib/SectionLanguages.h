#pragma once
// The languages in which sections are named, as the section tables need them: the current
// one (the language column a new size's user name is made in) and the list a new table's
// language columns are named after.
#include "core/Mdx_StringArray.h"

Mdx_String currentSectionLanguage();
Mdx_StringArray allSectionLanguages();
// A word of a group ("Prof": the value column names of section tables) in the current
// language; the word itself when there is no translation.
Mdx_String translateSectionWord(const Mdx_String& group, const Mdx_String& word);
