#pragma once
// The settings a sheet carries in the tag of its cell (0, 0) and that named settings files
// (".kvd" in the product folder) keep: the default font, header and footer files, print
// margins and flags, and the sheet's variables. This module uses the font and the
// variables; the print fields travel along unchanged for the spreadsheet editor.
#include "core/Mdx_StringArray.h"
#include "spread/PropStore.h"
#include "win/WinTypes.h"

class Mdx_Spread;

class SheetSettings {
public:
    // All fields at their defaults.
    void reset() { *this = SheetSettings(); }
    // The file settingsFolder() + name + ".kvd". False when it cannot be read or is not a
    // settings text (the fields are then at their defaults); valid either way.
    bool loadFromFile(const Mdx_String& name);
    // Writes the file settingsFolder() + name + ".kvd" atomically.
    bool saveToFile(const Mdx_String& name) const;
    // From the tag of the sheet's cell (0, 0); an empty tag leaves the defaults. False when
    // the sheet is not attached or the tag is damaged (the fields are then the defaults).
    bool readFromSheet(const Mdx_Spread& sheet);
    // Into the tag of cell (0, 0). False unless the record was loaded or read.
    bool writeToSheet(Mdx_Spread& sheet) const;

    void toStore(PropStore& store) const;
    void fromStore(const PropStore& store);

    bool valid = false;
    HWND sheetWindow = nullptr;
    Mdx_String headerFile;
    Mdx_String footerFile;
    Mdx_String fontFace = "Tahoma";
    int fontHeight = 13;
    int marginLeft = 9;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    bool smartPrint = true;
    bool colors = true;
    bool colHeader = true;
    bool rowHeader = true;
    bool cellSeperators = true;
    bool border = true;
    Mdx_StringArray varNames;
    Mdx_StringArray varValues;
};

// The product folder in the form settings paths are built from: backslashes, ending in one.
Mdx_String settingsFolder();
