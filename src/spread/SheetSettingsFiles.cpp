#include "spread/SheetSettingsFiles.h"

#include "core/FileHelpers.h"
#include "core/PathHelpers.h"
#include "spread/Mdx_Spread.h"
#include "spread/SheetSettings.h"
#include "win/Registry.h"

namespace {

constexpr int kOptionLook12 = 12;
constexpr int kOptionLook21 = 21;
constexpr int kOptionLook25 = 25;
constexpr int kPreparedCols = 6;
constexpr int kPreparedRows = 11;

bool readRegistryText(HKEY key, const char* name, Mdx_String& value) {
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    value = Mdx_String(buffer);
    return true;
}

// The folder above folder ("C:\a\b\" -> "C:\a\"); a drive root stays itself.
Mdx_String folderAbove(const Mdx_String& folder) {
    Mdx_String trimmed = folder;
    if (trimmed.endsWith("\\", true)) trimmed = trimmed.left(trimmed.length() - 1);
    const Mdx_String above = getPath(trimmed);
    return above.isEmpty() ? folder : above;
}

void loadSettingsOrDefaults(SheetSettings& settings, const Mdx_String& name) {
    if (settings.loadFromFile(name)) return;
    EditorDefaults defaults;
    readEditorDefaults(defaults);
    if (!defaults.defaultSettings.isEmpty() && settings.loadFromFile(defaults.defaultSettings))
        return;
    settings.reset();
    settings.valid = true;
}

void applySettingsFont(Mdx_Spread& sheet, const SheetSettings& settings) {
    if (settings.fontFace.isEmpty() || settings.fontHeight <= 0) return;
    const int cols = sheet.getMaxCols();
    const int rows = sheet.getMaxRows();
    const Mdx_String& face = settings.fontFace;
    const int height = settings.fontHeight;
    sheet.setRangeFont(1, 1, cols, rows, face, height, false, false);
    sheet.setRangeFont(SS_HEADER, 0, SS_HEADER, rows, face, height, true, false);
    sheet.setRangeFont(0, SS_HEADER, cols, SS_HEADER, face, height, true, false);
}

// The name relative to the sheet's folder when it resolves to an existing file under it.
bool relativeToSheet(const Mdx_String& sheetPath, Mdx_String& name) {
    if (name.isEmpty()) return false;
    Mdx_String resolved = name;
    resolveSettingsFile(sheetPath, resolved);
    const Mdx_String folder = getPath(sheetPath);
    if (folder.isEmpty() || !fileExists(resolved) || !resolved.startsWith(folder, false) ||
        resolved.length() == folder.length())
        return false;
    const Mdx_String relative = resolved.mid(folder.length());
    if (relative == name) return false;
    name = relative;
    return true;
}

}  // namespace

bool readEditorDefaults(EditorDefaults& defaults) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kEditorRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool language = readRegistryText(key, "Language", defaults.language);
    const bool settings = readRegistryText(key, "Default Settings", defaults.defaultSettings);
    RegCloseKey(key);
    return language && settings;
}

void prepareSheetWithSettings(Mdx_Spread& sheet, const Mdx_String& name, bool initialise) {
    sheet.SetBool(kOptionLook12, TRUE);
    sheet.SetBool(kOptionLook25, TRUE);
    sheet.SetBool(kOptionAutoCalc, TRUE);
    sheet.SetBool(kOptionLook21, TRUE);
    if (initialise) {
        sheet.SetUserResize(4, 5);
        sheet.setMaxCols(kPreparedCols, false);
        sheet.setMaxRows(kPreparedRows, false);
        sheet.setEditCells(1, 1, kPreparedCols, kPreparedRows, 4, 100);
        SheetSettings settings;
        loadSettingsOrDefaults(settings, name);
        settings.writeToSheet(sheet);
        applySettingsFont(sheet, settings);
    }
    int status = 0, delay = 0;
    LOGFONT font{};
    COLORREF back = 0, fore = 0;
    if (sheet.GetTextTip(&status, &delay, &font, &back, &fore))
        sheet.SetTextTip(2, 10, &font, back, fore);
    sheet.SetCellNoteIndicator(0);
}

// The font comes from the settings the sheet was prepared with, which are the editor's
// default settings when the named file does not exist; the cells and the tag then agree.
bool Mdx_Spread::loadLayoutSettings(const Mdx_String& name) {
    prepareSheetWithSettings(*this, name, true);
    SheetSettings settings;
    if (!settings.readFromSheet(*this)) settings.loadFromFile(name);
    setFontFace(settings.fontFace);
    setFontHeight(settings.fontHeight);
    applyFonts(false);
    return true;
}

bool saveSheetWithSettings(Mdx_Spread& sheet, const Mdx_String& path) {
    if (!sheet.isAttached()) return false;
    Mdx_String oldTag;
    sheet.getCellText(0, 0, oldTag, kTextTag);
    SheetSettings settings;
    const bool readable = settings.readFromSheet(sheet);
    bool rewritten = false;
    if (readable) {
        rewritten = relativeToSheet(path, settings.headerFile);
        rewritten = relativeToSheet(path, settings.footerFile) || rewritten;
        if (rewritten) settings.writeToSheet(sheet);
    }
    if (sheet.saveToFile(path.c_str(), 0) != 1) {
        if (rewritten) sheet.SetCellTag(0, 0, oldTag.c_str());
        return false;
    }
    sheet.SetBool(kOptionChanged, FALSE);
    return true;
}

bool setSheetVariables(Mdx_Spread& sheet, const Mdx_StringArray& names,
                       const Mdx_StringArray& values) {
    SheetSettings settings;
    if (!settings.readFromSheet(sheet)) return false;
    settings.varNames = names;
    settings.varValues = values;
    return settings.writeToSheet(sheet);
}

void resolveSettingsFile(const Mdx_String& sheetPath, Mdx_String& fileName) {
    if (fileName.find(":", true) >= 0 || fileName.find("\\\\", true) >= 0) return;
    Mdx_String name = fileName;
    const int up = name.find("..\\", true);
    const bool higher = up >= 0;
    if (higher) name.remove(up, 3);
    if (!sheetPath.isEmpty()) {
        Mdx_String folder = getPath(sheetPath);
        if (higher) folder = folderAbove(folder);
        if (fileExists(folder + name)) {
            fileName = folder + name;
            return;
        }
    }
    Mdx_String folder = settingsFolder();
    if (higher) folder = folderAbove(folder);
    if (fileExists(folder + name)) fileName = folder + name;
}
