#pragma once
// Sheets prepared, saved and given variables through their settings, and the defaults the
// product's spreadsheet editor keeps in the registry.
#include "core/Mdx_StringArray.h"

class Mdx_Spread;

inline constexpr const char* kEditorRegistryKey = "Software\\Korvelt\\Spreadsheet Editor v1.0";

struct EditorDefaults {
    Mdx_String language = "EN";
    Mdx_String defaultSettings;
};

// "Language" and "Default Settings" of the editor's key under the local machine; false when
// either is missing (the other may still have been read).
bool readEditorDefaults(EditorDefaults& defaults);

// The options every settings-driven sheet has; when initialise, also the default 6 x 11 edit
// sheet, the settings named name (or the editor's default settings) written into its tag,
// and their font on every cell and header.
void prepareSheetWithSettings(Mdx_Spread& sheet, const Mdx_String& name, bool initialise);

// Header and footer names that lie in the sheet's folder are kept relative to it, so the
// sheet and its files can move together. The names are made relative in the tag before the
// file is written, so the file and the sheet in memory agree; when the write fails the tag
// is put back and the result is false. Success marks the sheet unchanged.
bool saveSheetWithSettings(Mdx_Spread& sheet, const Mdx_String& path);

// Replaces the variable lists of the settings in the sheet's tag. False when the sheet has
// no readable settings or they cannot be written.
bool setSheetVariables(Mdx_Spread& sheet, const Mdx_StringArray& names,
                       const Mdx_StringArray& values);

// A header or footer name as a path: absolute names stay; a relative one is looked for in the
// sheet's folder and then in the settings folder (one folder higher for each "..\" it
// starts with, at most one); a name found nowhere is left as it is.
void resolveSettingsFile(const Mdx_String& sheetPath, Mdx_String& fileName);
