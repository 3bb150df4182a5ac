#include "sectionlib/SectionTablesPage.h"

#include "core/DialogHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/sections/SectionTypes.h"
#include "sectionlib/SectionLanguages.h"
#include "sectionlib/SectionPictureNames.h"
#include "sectionlib/SectionTableFiles.h"
#include "sectionlib/SectionTableRename.h"
#include "spread/SheetDimensionsDialog.h"
#include "spread/ValueInputDialog.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

struct IconButton {
    int id;
    int icon;
};
constexpr IconButton kIconButtons[] = {{1199, 236}, {1198, 232}, {1204, 212}, {1205, 206},
                                       {1206, 257}, {1207, 258}, {1208, 223}};
const int kNotWrittenText = 6106;
const int kBadNameText = 6107;
const int kTakenNameText = 6108;
const int kNotRemovedText = 6113;
const int kUnreadableText = 6105;

int ask(CWnd* owner, const Mdx_String& text, int caption, UINT type) {
    return ::MessageBox(owner->GetSafeHwnd(), text.c_str(), dialString(caption).c_str(), type);
}

}  // namespace

SectionTablesPage::SectionTablesPage(DlgEditLibData& editData, const Mdx_String& sysName)
    : CAcUiDialog(kTemplateId), data(editData), sysName_(sysName) {}

void SectionTablesPage::labelControls() {
    SetDlgItemText(kNewTable, dialString(779).c_str());
    SetDlgItemText(kDeleteTable, dialString(780).c_str());
    SetDlgItemText(kSheetSize, dialString(781).c_str());
    SetDlgItemText(kRenameTable, dialString(782).c_str());
    SetDlgItemText(kPictureGroup, dialString(783).c_str());
    for (int i = 0; i < 7; ++i) {
        if (!buttons_[i].SubclassDlgItem(static_cast<UINT>(kIconButtons[i].id), this)) continue;
        buttons_[i].SetIcon(kIconButtons[i].icon);
        buttons_[i].SetTooltipText(772 + i);
    }
}

BOOL SectionTablesPage::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    labelControls();
    if (sheet_.attachToDlgItem(this, kGrid, true)) sheet_.setStandardLayout(1);
    pictures_ = builtInPictureNames();
    pictures_.appendAll(data.availableFiles);
    FillCombo(this, kPicture, pictures_);
    fillTables();
    int index = data.currentTable;
    Mdx_String table, size;
    if (!sysName_.isEmpty()) {
        sysName_.splitAtFirst("-", table, size, true);
        index = data.tableNames.find(table, false);
    }
    loadTable(data.tableNames.isValidIndex(index) ? index : (data.tableNames.isEmpty() ? -1 : 0));
    if (!sysName_.isEmpty()) selectSysName(sysName_);
    return TRUE;
}

void SectionTablesPage::fillTables() {
    FillCombo(this, kTables, data.tableNames, current_);
}

Mdx_String SectionTablesPage::currentName() const {
    return data.tableNames.isValidIndex(current_) ? data.tableNames[current_] : Mdx_String();
}

void SectionTablesPage::loadTable(int index) {
    current_ = data.tableNames.isValidIndex(index) ? index : -1;
    if (current_ >= 0) data.currentTable = current_;
    Mdx_ProfValuesTable table;
    // A table that cannot be read shows as an empty grid; its file is left as it is.
    if (current_ >= 0 && !table.readFromFile(currentName())) table = Mdx_ProfValuesTable();
    table.tableName = currentName();
    table.setToSS(sheet_);
    // An empty table leaves the sheet as it was: what it shows now is what is on disk.
    sheet_.SetBool(kOptionChanged, FALSE);
    showPicture(table.pictureName);
    SendDlgItemMessage(kTables, CB_SETCURSEL, static_cast<WPARAM>(current_), 0);
    changed_ = false;
}

void SectionTablesPage::showPicture(const Mdx_String& picture) {
    const Mdx_String shown = shownPictureName(picture);
    int index = shown.isEmpty() ? -1 : pictures_.find(shown, false);
    if (index < 0 && !shown.isEmpty()) {
        // Kept as it is, even when the library no longer offers it.
        index = pictures_.append(shown);
        SendDlgItemMessage(kPicture, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    SendDlgItemMessage(kPicture, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

Mdx_String SectionTablesPage::currentPicture() const {
    const int index = static_cast<int>(SendDlgItemMessage(kPicture, CB_GETCURSEL, 0, 0));
    return pictures_.isValidIndex(index) ? storedPictureName(pictures_[index]) : Mdx_String();
}

bool SectionTablesPage::takeTable(Mdx_ProfValuesTable& table) {
    if (!table.getFromSS(sheet_)) return false;
    table.tableName = currentName();
    table.pictureName = currentPicture();
    return true;
}

void SectionTablesPage::report(const Mdx_String& name, int text) {
    ask(this, name + " " + dialString(text), 1098, MB_OK | MB_ICONWARNING);
}

bool SectionTablesPage::saveTable() {
    Mdx_ProfValuesTable table;
    if (!takeTable(table) || !table.writeToFile(currentName())) {
        report(currentName(), kNotWrittenText);
        return false;
    }
    changed_ = false;
    sheet_.SetBool(kOptionChanged, FALSE);
    return true;
}

bool SectionTablesPage::isChanged() const {
    return current_ >= 0 && (changed_ || sheet_.GetBool(kOptionChanged));
}

bool SectionTablesPage::leaveTable() {
    if (!isChanged()) return true;
    const Mdx_String text = dialString(785) + " <" + currentName() + "> " + dialString(786);
    switch (ask(this, text, 784, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return saveTable();
        case IDNO:
            return true;
        default:
            return false;
    }
}

void SectionTablesPage::tableSelected() {
    const int index = static_cast<int>(SendDlgItemMessage(kTables, CB_GETCURSEL, 0, 0));
    if (index == current_) return;
    if (!leaveTable()) {
        SendDlgItemMessage(kTables, CB_SETCURSEL, static_cast<WPARAM>(current_), 0);
        return;
    }
    loadTable(index);
}

void SectionTablesPage::newTable() {
    if (!leaveTable()) return;
    Mdx_StringArray taken = data.tableNames;
    taken.appendAll(listSectionTables());
    const Mdx_String name = findNonExistingString(taken, dialString(779));
    current_ = data.tableNames.append(name);
    data.currentTable = current_;
    fillTables();
    Mdx_ProfValuesTable table;
    table.tableName = name;
    table.columnNames = {"SysName", "I/O"};
    Mdx_StringArray row{"", "1"};
    for (const Mdx_String& language : allSectionLanguages()) {
        table.columnNames.append(language);
        row.append("");
    }
    table.columnNames.append(dialString(86) + "1");
    table.columnNames.append(dialString(86) + "2");
    row.append("0");
    row.append("0");
    table.rows.append(row);
    table.setToSS(sheet_);
    showPicture("");
    changed_ = true;
}

void SectionTablesPage::deleteTable() {
    if (current_ < 0) return;
    const Mdx_String name = currentName();
    const Mdx_String text = dialString(788) + " <" + name + "> " + dialString(789);
    if (ask(this, text, 787, MB_YESNO | MB_ICONWARNING) != IDYES) return;
    if (sectionTableExists(name) && !deleteSectionTableFile(name)) {
        report(name, kNotRemovedText);
        return;
    }
    data.tableNames.removeAt(current_);
    current_ = -1;
    fillTables();
    loadTable(data.tableNames.isEmpty() ? -1 : 0);
}

void SectionTablesPage::renameTable() {
    if (current_ < 0) return;
    const Mdx_String oldName = currentName();
    ValueInputDialog input(this);
    input.setTexts(dialString(790), dialString(791), oldName, dialString(1), dialString(2));
    if (input.DoModal() != IDOK) return;
    const Mdx_String newName = tableNameOf(input.value());
    if (newName == oldName) return;
    Mdx_ProfValuesTable table;
    if (!takeTable(table) && !table.readFromFile(oldName)) {
        report(oldName, kUnreadableText);
        return;
    }
    switch (renameSectionTable(table, oldName, newName)) {
        case TableRename::BadName:
            report(newName, kBadNameText);
            return;
        case TableRename::NameTaken:
            report(newName, kTakenNameText);
            return;
        case TableRename::WriteFailed:
            report(newName, kNotWrittenText);
            return;
        case TableRename::OldKept:
            report(oldName, kNotRemovedText);
            break;
        case TableRename::Done:
            break;
    }
    data.tableNames[current_] = newName;
    fillTables();
    loadTable(current_);
}

void SectionTablesPage::applyHeaders(bool askToCut) {
    Mdx_StringArray headers;
    if (!sheet_.getColumnHeaders(headers) || headers.isEmpty()) return;
    const int fixed = headers.length() > 6 && headers[6] == Mdx_String("Korean") ? 7 : 6;
    Mdx_StringArray wanted;
    for (int i = 0; i < fixed && i < headers.length(); ++i) wanted.append(headers[i]);
    const Mdx_String picture = currentPicture();
    const int type = builtInPictureType(picture);
    if (type > 0) wanted.appendAll(sectionTypeDimensionNames(type));
    const int columns = sheet_.getMaxCols();
    if (columns < wanted.length()) sheet_.setMaxCols(wanted.length(), true);
    if (askToCut && type > 0 && columns > wanted.length()) {
        const Mdx_String text = dialString(793) + " " + shownPictureName(picture) + " " +
                                dialString(794) + "\n" + dialString(795);
        if (ask(this, text, 792, MB_YESNO | MB_ICONQUESTION) == IDYES)
            sheet_.setMaxCols(wanted.length(), false);
    }
    sheet_.setColumnHeaders(wanted);
}

void SectionTablesPage::setRowHeaders() {
    Mdx_StringArray headers;
    headers.setLength(sheet_.getMaxRows());
    for (Mdx_String& header : headers) header = currentName();
    sheet_.setRowHeaders(headers);
}

void SectionTablesPage::pictureChanged() {
    applyHeaders(true);
    sheet_.fitAllToText();
    changed_ = true;
}

void SectionTablesPage::sheetSize() {
    if (!editSheetDimensions(&sheet_)) return;
    setRowHeaders();
    applyHeaders(false);
    sheet_.fitAllToText();
    changed_ = true;
}

void SectionTablesPage::selectSysName(const Mdx_String& sysName) {
    for (int row = 1; row <= sheet_.getMaxRows(); ++row) {
        Mdx_String size;
        sheet_.getCellText(1, row, size, kTextValue);
        if ((currentName() + "-" + size).equal(sysName, false)) {
            sheet_.SetActiveCell(1, row);
            sheet_.selectRow(row);
            return;
        }
    }
}

bool SectionTablesPage::runGridButton(int id) {
    switch (id) {
        case kCopy:
            sheet_.ClipboardCopy();
            return true;
        case kPaste:
            sheet_.ClipboardPaste();
            break;
        case kInsertRow:
            sheet_.insertRowBelowCurrent(true);
            setRowHeaders();
            break;
        case kDeleteRow:
            sheet_.deleteCurrentRow();
            break;
        case kRowUp:
            sheet_.moveCurrentRowUp();
            break;
        case kRowDown:
            sheet_.moveCurrentRowDown();
            break;
        case kFind: {
            // The sheet's own find key, so that the dialog opens as it does from the grid.
            if (sheet_.findReplaceDialog()) return true;
            MSG key{sheet_.GetSafeHwnd(), WM_KEYDOWN, VK_F3, 0, 0, {0, 0}};
            sheet_.PreTranslateMessage(&key);
            return true;
        }
        default:
            return false;
    }
    changed_ = true;
    return true;
}

BOOL SectionTablesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == CBN_SELCHANGE && id == kTables) {
        tableSelected();
        return TRUE;
    }
    if (code == CBN_SELCHANGE && id == kPicture) {
        pictureChanged();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case kNewTable:
                newTable();
                return TRUE;
            case kDeleteTable:
                deleteTable();
                return TRUE;
            case kRenameTable:
                renameTable();
                return TRUE;
            case kSheetSize:
                sheetSize();
                return TRUE;
            default:
                if (runGridButton(id)) return TRUE;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}
