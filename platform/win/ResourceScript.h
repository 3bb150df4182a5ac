#pragma once
// Reader of the resource-script subset the module's resources are written in:
//   #define NAME value           (also in included headers: #include "resource.h")
//   id DIALOG | DIALOGEX x, y, cx, cy [, helpId]
//      [STYLE expr] [EXSTYLE expr] [CAPTION "text"] [FONT size, "face" [, ...]] [...]
//   BEGIN | {  controls  END | }
//   STRINGTABLE BEGIN  id [,] "text"  ...  END
//   id BITMAP "file.bmp"        id ICON "file.ico"
// Controls: CONTROL text, id, class, style, x, y, cx, cy [, exstyle]; LTEXT, CTEXT, RTEXT,
// PUSHBUTTON, DEFPUSHBUTTON, PUSHBOX, CHECKBOX, AUTOCHECKBOX, STATE3, AUTO3STATE,
// RADIOBUTTON, AUTORADIOBUTTON, GROUPBOX: text, id, x, y, cx, cy [, style [, exstyle]];
// EDITTEXT, COMBOBOX, LISTBOX, SCROLLBAR: id, x, y, cx, cy [, style [, exstyle]];
// ICON: text, id, x, y [, cx, cy [, style [, exstyle]]]. Each statement adds the default
// styles the resource compiler gives it; "NOT X" removes a style. Other resource types
// (menus, accelerators, version blocks, ...) are skipped. Strings take "" for a quote and
// the C escapes; their bytes are kept as written (Windows-1252).
//
// Reading never fails as a whole: a statement that cannot be read is reported in errors
// (file:line: what) and skipped.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "win/DialogTemplate.h"

namespace win {

class SymbolTable {
public:
    SymbolTable();  // knows the style and command-id names
    void define(const std::string& name, long value);
    bool lookup(const std::string& name, long& value) const;
    // Reads the #define lines of a header; other lines are ignored.
    void readHeader(std::string_view text, const std::string& fileName,
                    std::vector<std::string>& errors);

private:
    std::map<std::string, long> values_;
};

struct ResourceScript {
    std::map<UINT, DialogTemplate> dialogs;
    std::map<UINT, std::string> strings;
    std::map<UINT, std::string> bitmapFiles;  // as written in the script
    std::map<UINT, std::string> iconFiles;
    std::vector<std::string> includes;  // headers named by #include
    std::vector<std::string> errors;
};

// Reads a script into out (adding to what is there). #define lines of the script itself go
// into symbols; included headers must be read into symbols beforehand by the caller.
void readResourceScript(std::string_view text, const std::string& fileName, SymbolTable& symbols,
                        ResourceScript& out);
// The #include names of a script, so the caller can read those headers first.
std::vector<std::string> scriptIncludes(std::string_view text);

}  // namespace win
