#include "standards/KvStandardsPage.h"

#include <algorithm>

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/Texts.h"
#include "core/macro/StringChecks.h"
#include "grid/GridNotifications.h"
#include "standards/KvMappingFile.h"
#include "standards/StandardsName.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr const char* kStandardsFolder = "Connection Standards\\";
constexpr const char* kModulePrefix = "Module.";
constexpr int kKeyLength = 24;
constexpr COLORREF kNameBackground = 0xF0F0F0;

bool isModuleKey(const Mdx_String& key) { return key.startsWith(kModulePrefix, true); }

Mdx_String afterFirstDot(const Mdx_String& text) {
    const int dot = text.findChar('.');
    return dot < 0 ? Mdx_String() : text.mid(dot + 1);
}

void setIconButton(CButtonST& button, CWnd* page, int id, int icon, int tooltip) {
    if (!button.SubclassDlgItem(static_cast<UINT>(id), page)) return;
    button.SetIcon(icon);
    button.SetTooltipText(tooltip);
}

// The spreadsheets under the library's standards folder, as names relative to it.
Mdx_StringArray findStandards() {
    const Mdx_String folder = gSettings.libDir() + kStandardsFolder;
    Mdx_StringArray paths, names;
    ObjectExportFindFilesRecursive(folder, "*.kvs", paths);
    for (const Mdx_String& path : paths) {
        if (!path.startsWith(folder, false)) continue;
        const Mdx_String name = path.mid(folder.length());
        names.append(name.left(name.length() - 4));
    }
    return names;
}

bool isListNotice(UINT message) {
    return message == grid::kGridClick || message == grid::kGridDoubleClick ||
           message == grid::kGridLeaveCell || message == grid::kGridSelectionChanged ||
           message == grid::kGridRightClick;
}

}  // namespace

KvStandardsPage::KvStandardsPage(MacroSettings& edited) : MacroSettingsPage(kTemplateId, edited) {}

BOOL KvStandardsPage::OnInitDialog() {
    MacroSettingsPage::OnInitDialog();
    listGrid.attachToDlgItem(this, kListGrid, true);
    mappingGrid.attachToDlgItem(this, kMappingGrid, true);
    setIconButton(up_, this, kUp, 261, 173);
    setIconButton(down_, this, kDown, 262, 174);
    SetDlgItemText(kAdd, dialString(606).c_str());
    SetDlgItemText(kRemove, dialString(607).c_str());
    openedNames_ = data().spreadsheetNames;
    openedKeys_ = data().mapsToKeys;
    // Keys and names run in parallel; a short key list would leave entries without keys.
    while (data().mapsToKeys.length() < data().spreadsheetNames.length())
        data().mapsToKeys.append(Mdx_String());
    data().rememberOriginal();
    spreadsheetChoices_ = findStandards();
    mapsToChoices_ = Mdx_StringArray{Mdx_String(kEntireMacro)};
    mapsToChoices_.appendAll(data().moduleGroups);
    fillListGrid();
    current_ = data().entryCount() > 0 ? 0 : -1;
    if (current_ >= 0) listGrid.SetActiveCell(1, 1);
    showMapping(current_);
    initialised_ = true;
    return TRUE;
}

// ---- The list of spreadsheets ------------------------------------------------------------------

void KvStandardsPage::fillListGrid() {
    listGrid.setStandardLayout(1);
    listGrid.SetBool(kOptionRowHeaderShown, FALSE);
    const int rows = data().entryCount();
    listGrid.setMaxCols(2, false);
    listGrid.setMaxRows(rows, false);
    listGrid.setColumnHeaders(Mdx_StringArray{Mdx_String("Spreadsheet"), Mdx_String("Maps to")});
    if (rows > 0) {
        listGrid.setComboCells(1, 1, 1, rows, spreadsheetChoices_, false);
        listGrid.setComboCells(2, 1, 2, rows, mapsToChoices_, false);
    }
    for (int i = 0; i < rows; ++i) {
        const Mdx_String& key = data().mapsToKeys[i];
        listGrid.setCellData(1, i + 1, data().spreadsheetNames[i]);
        listGrid.setCellData(2, i + 1, isModuleKey(key) ? afterFirstDot(key) : kEntireMacro);
    }
    listGrid.fitColumnsEqually(false, 0);
}

void KvStandardsPage::storeListGrid() {
    Mdx_StringArray names, mapsTo;
    listGrid.getColumnTexts(1, names, kTextData);
    listGrid.getColumnTexts(2, mapsTo, kTextData);
    Mdx_StringArray keys;
    for (int i = 0; i < names.length(); ++i) {
        const Mdx_String shown = mapsTo.isValidIndex(i) ? mapsTo[i] : Mdx_String();
        if (!shown.isEmpty() && shown != kEntireMacro) {
            keys.append(kModulePrefix + shown);
            continue;
        }
        // The row's own key, as long as the row still names the spreadsheet the key is of.
        Mdx_String key;
        if (data().spreadsheetNames.isValidIndex(i) && data().mapsToKeys.isValidIndex(i) &&
            data().spreadsheetNames[i].compare(names[i], false) == 0)
            key = data().mapsToKeys[i];
        keys.append(isModuleKey(key) ? Mdx_String() : key);
    }
    data().spreadsheetNames = names;
    data().mapsToKeys = keys;
    TabMappingData opened;
    opened.spreadsheetNames = openedNames_;
    opened.mapsToKeys = openedKeys_;
    if (!data().sameEntries(opened)) changed_ = true;
}

int KvStandardsPage::activeEntry() {
    int col = 0, row = 0;
    if (!listGrid.GetActiveCell(&col, &row)) return -1;
    return row - 1;
}

void KvStandardsPage::selectEntry(int entry) {
    if (!data().spreadsheetNames.isValidIndex(entry)) return;
    listGrid.SetActiveCell(1, entry + 1);
    listGrid.selectRow(entry + 1);
}

void KvStandardsPage::onListRowChange() {
    const int entry = activeEntry();
    if (!data().spreadsheetNames.isValidIndex(entry) || entry == current_) return;
    storeMapping(current_);
    current_ = entry;
    showMapping(current_);
}

void KvStandardsPage::changeEntries(int buttonId) {
    storeMapping(current_);
    storeListGrid();
    Mdx_StringArray& names = data().spreadsheetNames;
    Mdx_StringArray& keys = data().mapsToKeys;
    const int count = names.length();
    const int active = activeEntry();
    int selected = active;
    if (buttonId == kAdd) {
        selected = std::clamp(active, 0, count);
        names.insertAt(selected, Mdx_String());
        keys.insertAt(selected, Mdx_String());
    } else if (buttonId == kRemove) {
        if (!names.isValidIndex(active)) return;
        names.removeAt(active);
        keys.removeAt(active);
        selected = std::min(active, names.length() - 1);
    } else {
        // Moving the first entry up or the last one down changes nothing.
        const int other = buttonId == kUp ? active - 1 : active + 1;
        if (!names.isValidIndex(active) || !names.isValidIndex(other)) return;
        names.swap(active, other);
        keys.swap(active, other);
        selected = other;
    }
    fillListGrid();
    current_ = -1;
    loadedEntry_ = -1;
    selectEntry(selected);
    listGrid.SetFocus();
    if (names.isValidIndex(selected))
        onListRowChange();
    else
        showMapping(-1);
}

// ---- The mapping of one spreadsheet ------------------------------------------------------------

void KvStandardsPage::clearMappingGrid() {
    mappingGrid.Reset();
    mappingGrid.setStandardLayout(1);
    mappingGrid.setMaxCols(2, false);
    mappingGrid.setMaxRows(0, false);
    mappingGrid.SetData(SS_HEADER, SS_HEADER, "Type");
    mappingGrid.setColumnHeaders(Mdx_StringArray{Mdx_String("Std Name"), Mdx_String("Macro object")});
    rows_.clear();
    rowHeaders_.setEmpty();
    loadedEntry_ = -1;
    loadedName_ = Mdx_String();
}

Acad::ErrorStatus KvStandardsPage::showMapping(int entry) {
    edited_ = KvSSMapping();
    variables_ = KvVarCells();
    if (!mappingGrid.isAttached()) return Acad::eInvalidInput;
    clearMappingGrid();
    if (!data().spreadsheetNames.isValidIndex(entry) || !data().macroMapping)
        return Acad::eInvalidInput;
    const Mdx_String& name = data().spreadsheetNames[entry];
    const Mdx_String& key = data().mapsToKeys[entry];
    // Variables of a module group are found by name: there is nothing to tie.
    if (isModuleKey(key) || name.isEmpty()) return Acad::eOk;
    if (!isStandardsNameInside(name)) {
        MessageBox(standardsNameRefusal(name).c_str(), dialString(1728).c_str(),
                   MB_OK | MB_ICONWARNING);
        return Acad::eInvalidInput;
    }
    // The grid first holds the spreadsheet itself, to read its declarations, and then the
    // table of ties built from them.
    const Mdx_String path = gSettings.libDir() + kStandardsFolder + name + ".kvs";
    Acad::ErrorStatus status = mappingGrid.loadStandardsFile(path);
    if (status == Acad::eOk) status = mappingGrid.initVarCells();
    if (status == Acad::eOk) variables_ = mappingGrid.varCells();
    clearMappingGrid();
    if (status != Acad::eOk) return Acad::eInvalidInput;
    if (!key.isEmpty() && edited_.getMappingFromFile(name, key) != Acad::eOk)
        edited_ = KvSSMapping();
    loadedEntry_ = entry;
    loadedName_ = name;
    addVariableBlock("Input", true);
    addVariableBlock("Output", false);
    mappingGrid.setRowHeaders(rowHeaders_);
    mappingGrid.fitColumnsEqually(false, 0);
    return Acad::eOk;
}

void KvStandardsPage::addVariableBlock(const char* title, bool inputs) {
    const int separator = mappingGrid.getMaxRows() + 1;
    mappingGrid.setMaxRows(separator + 1, false);
    rowHeaders_.append(" ");
    rowHeaders_.append(title);
    // Separator and title rows tie nothing, and a variable's name is not the user's to edit.
    for (int row = separator; row <= separator + 1; ++row)
        for (int col = 1; col <= 2; ++col) mappingGrid.setCellLocked(col, row, true);
    for (int i = 0; i < variables_.length(); ++i) {
        const KvVarCell& cell = variables_[i];
        if (inputs ? cell.isInput() : cell.isOutput()) addVariableRow(i);
    }
}

namespace {

const char* typeHeader(KvValueType type) {
    switch (type) {
        case KvValueType::Int:
            return "Getal";
        case KvValueType::Double:
            return "Decim";
        default:
            return "Tekst";
    }
}

}  // namespace

void KvStandardsPage::addVariableRow(int varIndex) {
    const KvVarCell& cell = variables_[varIndex];
    const int row = mappingGrid.getMaxRows() + 1;
    mappingGrid.setMaxRows(row, false);
    rowHeaders_.append(typeHeader(cell.valueType));
    mappingGrid.setCellData(1, row, cell.name);
    mappingGrid.SetColorRange(1, row, 1, row, kNameBackground, 0);
    mappingGrid.setCellLocked(1, row, true);

    MappingRow record;
    record.col = 2;
    record.row = row;
    record.varIndex = varIndex;
    const KvSSMapping& macro = *data().macroMapping;
    macro.getValidVars(false, cell.valueType, record.offered);
    Mdx_StringArray labels;
    for (int position : record.offered) labels.append(objectLabel(position));
    mappingGrid.setComboCell(record.col, row, labels, false);

    int tied = -1, compatible = -1;
    if (edited_.findSSVar(cell.name, cell.valueType, tied) == Acad::eOk &&
        macro.findCompatible(edited_.mappedObjects()[tied], compatible) == Acad::eOk)
        record.shownChoice = record.offered.find(compatible);
    if (record.shownChoice >= 0) mappingGrid.setCellData(record.col, row, labels[record.shownChoice]);
    rows_.push_back(std::move(record));
}

Mdx_String KvStandardsPage::objectLabel(int position) const {
    const KvSSMapping& macro = *data().macroMapping;
    if (!macro.mappedObjects().isValidIndex(position)) return {};
    const KvObjectMap& object = macro.mappedObjects()[position];
    Mdx_String label = object.groupName;
    auto add = [&label](const Mdx_String& part) {
        if (!label.isEmpty()) label += '.';
        label += part;
    };
    if (!object.objectName.isEmpty()) add(object.objectName);
    if (object.kind != KvObjectKind::Distance && object.kind != KvObjectKind::MemberSectionSize)
        add(Mdx_String(std::string(kindKeyword(object.kind))));
    label += object.columnName;
    return label;
}

int KvStandardsPage::chosenIndex(const MappingRow& row) const {
    Mdx_String shown;
    if (!mappingGrid.getCellText(row.col, row.row, shown, kTextData) || shown.isEmpty()) return -1;
    for (int i = 0; i < row.offered.length(); ++i)
        if (objectLabel(row.offered[i]) == shown) return i;
    return -1;
}

void KvStandardsPage::buildEditedMapping() {
    edited_.mappedObjectsWrite().setEmpty();
    const KvSSMapping& macro = *data().macroMapping;
    for (const MappingRow& row : rows_) {
        const int choice = chosenIndex(row);
        if (choice < 0 || choice >= row.offered.length()) continue;
        const int position = row.offered[choice];
        if (!macro.mappedObjects().isValidIndex(position) || row.varIndex < 0 ||
            row.varIndex >= variables_.length())
            continue;
        const KvObjectMap& source = macro.mappedObjects()[position];
        KvObjectMap object;
        object.groupName = source.groupName;
        object.objectName = source.objectName;
        object.kind = source.kind;
        object.ssVarName = variables_[row.varIndex].name;
        edited_.mappedObjectsWrite().append(object);
    }
}

bool KvStandardsPage::storedLineHolds(const Mdx_String& name, const Mdx_String& key) const {
    Mdx_StringArray lines;
    if (key.isEmpty() || !mappingfile::readLines(name, lines)) return false;
    const int index = mappingfile::findKey(lines, key);
    KvSSMapping stored;
    if (index < 0 || stored.initMappingFromLine(lines[index]) != Acad::eOk) return false;
    // Both ways: a tie the user took away is a change, which the one-sided test misses.
    return edited_.isEqual(stored) && stored.isEqual(edited_);
}

Acad::ErrorStatus KvStandardsPage::newKey(const Mdx_String& name, Mdx_String& key) const {
    Mdx_StringArray lines;
    if (!mappingfile::readLines(name, lines)) lines.setEmpty();
    for (int attempt = 0; attempt < kMaxKeyAttempts; ++attempt) {
        Mdx_String candidate;
        if (!generateRandomString(kKeyLength, candidate, true)) return Acad::eInvalidInput;
        if (mappingfile::findKey(lines, candidate) < 0) {
            key = candidate;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvStandardsPage::storeMapping(int entry) {
    if (!data().spreadsheetNames.isValidIndex(entry) || !data().macroMapping) return Acad::eOk;
    const Mdx_String name = data().spreadsheetNames[entry];
    const Mdx_String key = data().mapsToKeys[entry];
    if (isModuleKey(key)) return Acad::eOk;
    // Ties are stored only into the spreadsheet the grid shows them for.
    if (entry != loadedEntry_ || name.compare(loadedName_, false) != 0) return Acad::eOk;
    if (!isStandardsNameInside(name)) return Acad::eInvalidInput;
    // What the user did not touch is not written again.
    const bool touched = std::any_of(rows_.begin(), rows_.end(), [this](const MappingRow& row) {
        return chosenIndex(row) != row.shownChoice;
    });
    if (!touched) return Acad::eOk;
    buildEditedMapping();
    if (storedLineHolds(name, key)) return Acad::eOk;
    if (key.isEmpty() && edited_.mappedObjects().isEmpty()) return Acad::eOk;
    Mdx_String fresh;
    if (newKey(name, fresh) != Acad::eOk) return Acad::eInvalidInput;
    if (edited_.setMappingToFile(name, fresh) != Acad::eOk) {
        MessageBox(("The ties of \"" + name + "\" could not be written to its mapping file.")
                       .c_str(),
                   dialString(1728).c_str(), MB_OK | MB_ICONWARNING);
        return Acad::eInvalidInput;
    }
    data().mapsToKeys[entry] = fresh;
    changed_ = true;
    // The new ties are now what the grid shows as stored.
    for (MappingRow& row : rows_) row.shownChoice = chosenIndex(row);
    return Acad::eOk;
}

// ---- Events --------------------------------------------------------------------------------------

BOOL KvStandardsPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED &&
        (id == kAdd || id == kRemove || id == kUp || id == kDown)) {
        changeEntries(id);
        return TRUE;
    }
    return MacroSettingsPage::OnCommand(wParam, lParam);
}

LRESULT KvStandardsPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (initialised_ && static_cast<int>(wParam) == kListGrid) {
        if (isListNotice(message)) {
            const LRESULT result = MacroSettingsPage::WindowProc(message, wParam, lParam);
            onListRowChange();
            return result;
        }
        if (message == grid::kGridValueChanged) {
            storeListGrid();
            storeMapping(current_);
            showMapping(current_);
            return 0;
        }
    }
    return MacroSettingsPage::WindowProc(message, wParam, lParam);
}

bool KvStandardsPage::storeSettings() {
    if (!initialised_) return true;
    storeListGrid();
    storeMapping(current_);
    return true;
}
