#include "spread/SheetSettings.h"

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "spread/Mdx_Spread.h"

namespace {

// Settings files are a few hundred bytes; anything far larger is not one.
constexpr int kMaxSettingsBytes = 1 << 20;

Mdx_String settingsFile(const Mdx_String& name) {
    return settingsFolder() + name + ".kvd";
}

void readInt(const PropStore& store, const char* key, int& field) {
    int value = 0;
    if (store.getInt(key, value)) field = value;
}

void readBool(const PropStore& store, const char* key, bool& field) {
    bool value = false;
    if (store.getBool(key, value)) field = value;
}

void readText(const PropStore& store, const char* key, Mdx_String& field) {
    Mdx_String value;
    if (store.getText(key, value)) field = value;
}

}  // namespace

Mdx_String settingsFolder() {
    Mdx_String folder = gSettings.mdxDir();
    folder.replace("/", "\\", true);
    if (!folder.endsWith("\\", true)) folder += '\\';
    return folder;
}

bool SheetSettings::loadFromFile(const Mdx_String& name) {
    reset();
    valid = true;
    Mdx_String bytes;
    if (!readWholeFile(settingsFile(name), bytes) || bytes.length() > kMaxSettingsBytes)
        return false;
    PropStore store;
    if (!store.fromText(bytes)) return false;
    fromStore(store);
    return true;
}

bool SheetSettings::saveToFile(const Mdx_String& name) const {
    PropStore store;
    toStore(store);
    return writeWholeFile(settingsFile(name), store.toText());
}

bool SheetSettings::readFromSheet(const Mdx_Spread& sheet) {
    reset();
    valid = true;
    sheetWindow = sheet.GetSafeHwnd();
    Mdx_String tag;
    if (!sheet.getCellText(0, 0, tag, kTextTag)) return false;
    PropStore store;
    if (!store.fromText(tag)) return false;
    fromStore(store);
    return true;
}

bool SheetSettings::writeToSheet(Mdx_Spread& sheet) const {
    if (!valid || !sheet.isAttached()) return false;
    PropStore store;
    toStore(store);
    return sheet.SetCellTag(0, 0, store.toText().c_str()) != FALSE;
}

void SheetSettings::toStore(PropStore& store) const {
    store.setText("defaultFont", fontFace);
    store.setInt("defaultTextHeight", fontHeight);
    store.setText("headerFile", headerFile);
    store.setText("footerFile", footerFile);
    store.setInt("marginLeft", marginLeft);
    store.setInt("marginRight", marginRight);
    store.setInt("marginTop", marginTop);
    store.setInt("marginBottom", marginBottom);
    store.setBool("smartPrint", smartPrint);
    store.setBool("colors", colors);
    store.setBool("colHeader", colHeader);
    store.setBool("rowHeader", rowHeader);
    store.setBool("cellSeperators", cellSeperators);
    store.setBool("border", border);
    store.setList("varNames", varNames);
    store.setList("varValues", varValues);
}

void SheetSettings::fromStore(const PropStore& store) {
    readText(store, "defaultFont", fontFace);
    readInt(store, "defaultTextHeight", fontHeight);
    readText(store, "headerFile", headerFile);
    readText(store, "footerFile", footerFile);
    readInt(store, "marginLeft", marginLeft);
    readInt(store, "marginRight", marginRight);
    readInt(store, "marginTop", marginTop);
    readInt(store, "marginBottom", marginBottom);
    readBool(store, "smartPrint", smartPrint);
    readBool(store, "colors", colors);
    readBool(store, "colHeader", colHeader);
    readBool(store, "rowHeader", rowHeader);
    readBool(store, "cellSeperators", cellSeperators);
    readBool(store, "border", border);
    store.getList("varNames", varNames);
    store.getList("varValues", varValues);
}
