#include "cutstock/KvDlgCSP2.h"

#include <iterator>

#include "core/CTime.h"
#include "core/DialogHelpers.h"
#include "core/ExportStartDlgInfo.h"
#include "core/FileDialogs.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "cutstock/CSP2Groups.h"
#include "cutstock/CuttingStockFiles.h"
#include "resources/cutstock_ids.h"
#include "spread/ValueInputDialog.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {
    {IDOK, 1},
    {IDCANCEL, 2},
    {IDC_CSP_GROUP_LABEL, 621},
    {IDC_CSP_ADD_GROUP, 622},
    {IDC_CSP_REMOVE_GROUP, 623},
    {IDC_CSP_GROUP_BOX, 624},
    {IDC_CSP_LIST1_BOX, 625},
    {IDC_CSP_SHAPE_BOX, 626},
    {IDC_CSP_BUY_BOX, 627},
    {IDC_CSP_ASK_EACH, 630},
};

// The row and file buttons show icons; what they do is told by their tooltips.
struct IconButton {
    int id;
    int icon;
    int tooltip;
};
constexpr IconButton kIconButtons[KvDlgCSP2::kIconButtonCount] = {
    {IDC_CSP_LIST1_INSERT, 212, 616}, {IDC_CSP_LIST1_DELETE, 206, 617},
    {IDC_CSP_SHAPE_INSERT, 212, 616}, {IDC_CSP_SHAPE_DELETE, 206, 617},
    {IDC_CSP_BUY_INSERT, 212, 616},   {IDC_CSP_BUY_DELETE, 206, 617},
    {IDC_CSP_SHAPE_OPEN, 232, 618},   {IDC_CSP_SHAPE_SAVE, 233, 619},
    {IDC_CSP_BUY_OPEN, 232, 618},     {IDC_CSP_BUY_SAVE, 233, 619},
};

// The three lists share the width; the group row and the closing buttons keep their places
// against the edges they sit at.
constexpr CResizer::Anchor L = CResizer::eLeft, R = CResizer::eRight, P = CResizer::eProportional;
constexpr CResizer::Anchor T = CResizer::eTop, B = CResizer::eBottom;
const CResizer::CBorderInfo kAnchors[] = {
    {IDC_CSP_GROUP_BOX, L, T, R, T},      {IDC_CSP_GROUP_LABEL, L, T, L, T},
    {IDC_CSP_GROUPS, L, T, R, T},         {IDC_CSP_ADD_GROUP, R, T, R, T},
    {IDC_CSP_REMOVE_GROUP, R, T, R, T},   {IDC_CSP_LIST1_BOX, P, T, P, B},
    {IDC_CSP_SHAPE_BOX, P, T, P, B},      {IDC_CSP_BUY_BOX, P, T, P, B},
    {IDC_CSP_LIST1, P, T, P, B},          {IDC_CSP_SHAPES, P, T, P, B},
    {IDC_CSP_BUYS, P, T, P, B},           {IDC_CSP_LIST1_INSERT, P, B, P, B},
    {IDC_CSP_LIST1_DELETE, P, B, P, B},   {IDC_CSP_SHAPE_INSERT, P, B, P, B},
    {IDC_CSP_SHAPE_DELETE, P, B, P, B},   {IDC_CSP_SHAPE_OPEN, P, B, P, B},
    {IDC_CSP_SHAPE_SAVE, P, B, P, B},     {IDC_CSP_BUY_INSERT, P, B, P, B},
    {IDC_CSP_BUY_DELETE, P, B, P, B},     {IDC_CSP_BUY_OPEN, P, B, P, B},
    {IDC_CSP_BUY_SAVE, P, B, P, B},       {IDC_CSP_LOAD_LATEST, L, B, L, B},
    {IDC_CSP_ASK_EACH, L, B, L, B},       {IDOK, R, B, R, B},
    {IDCANCEL, R, B, R, B},
};
constexpr SIZE kMinimumSize{200, 130};

constexpr int kGridIds[3] = {IDC_CSP_LIST1, IDC_CSP_SHAPES, IDC_CSP_BUYS};
constexpr int kBatchDisabled[] = {
    IDC_CSP_ADD_GROUP,    IDC_CSP_REMOVE_GROUP, IDC_CSP_GROUP_BOX,    IDC_CSP_LIST1_BOX,
    IDC_CSP_BUY_BOX,      IDC_CSP_LIST1,        IDC_CSP_BUYS,         IDC_CSP_LIST1_INSERT,
    IDC_CSP_LIST1_DELETE, IDC_CSP_BUY_INSERT,   IDC_CSP_BUY_DELETE,   IDC_CSP_BUY_OPEN,
    IDC_CSP_BUY_SAVE};
constexpr int kSeparatorLength = 116;
constexpr const char* kTimeFormat = "%d %B, %Y (%H:%M)";

// The file side of the two lists that have files: list 1 shapes, list 2 buys.
struct ListFile {
    const char* extension;
    int description;
};

const ListFile* listFile(int list) {
    static const ListFile kShapes{kShapeExtension, 626};
    static const ListFile kBuys{kBuyExtension, 627};
    return list == 1 ? &kShapes : list == 2 ? &kBuys : nullptr;
}

}  // namespace

KvDlgCSP2::KvDlgCSP2() : RecordDialog<DlgCSP2Data>(IDD_OPTIMIZECSP2) {}

BOOL KvDlgCSP2::OnInitDialog() {
    RecordDialog<DlgCSP2Data>::OnInitDialog();
    labelControls();
    attachGrids();
    // After the grids took their placeholders' places, so the resizer moves the grids.
    m_resizer.Init(m_hWnd, kAnchors, static_cast<int>(std::size(kAnchors)));
    SIZE stored;
    if (getDlgSize(Mdx_String(kSizeKey), stored)) ChangeDlgSize(this, kSizeKey);
    m_resizer.Move();
    m_resizer.setMinimumTrackSize(kMinimumSize);
    fillGroups(data.groupNames.isEmpty() ? -1 : 0);
    showGroup(data.groupNames.isEmpty() ? -1 : 0);
    applyBatchMode();
    return TRUE;
}

void KvDlgCSP2::labelControls() {
    SetWindowText(dialString(620).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
    SetDlgItemText(IDC_CSP_LOAD_LATEST, dialString(data.batchMode ? 628 : 629).c_str());
    for (int i = 0; i < kIconButtonCount; ++i) {
        const IconButton& entry = kIconButtons[i];
        if (!m_iconButtons[i].SubclassDlgItem(static_cast<UINT>(entry.id), this)) continue;
        m_iconButtons[i].SetIcon(entry.icon);
        m_iconButtons[i].SetTooltipText(entry.tooltip);
    }
}

void KvDlgCSP2::attachGrids() {
    const CSP2List* lists[3] = {&data.list1, &data.list2, &data.list3};
    for (int i = 0; i < 3; ++i) {
        m_grids[i] = std::make_unique<Mdx_Spread>();
        Mdx_Spread& sheet = *m_grids[i];
        if (!sheet.attachToDlgItem(this, kGridIds[i], true)) continue;
        sheet.setStandardLayout(1);
        const int columns = lists[i]->columnNames.isEmpty() ? 3 : lists[i]->columnNames.length();
        sheet.setMaxCols(columns, false);
        sheet.setColumnHeaders(lists[i]->columnNames);
        sheet.setFitPolicy(1, 0, 0);
    }
}

void KvDlgCSP2::applyBatchMode() {
    if (!data.batchMode) {
        ShowOrHideCtrl(this, IDC_CSP_ASK_EACH, SW_HIDE);
        return;
    }
    for (int id : kBatchDisabled) EnDisCtrl(this, id, false);
}

void KvDlgCSP2::fillGroups(int selection) {
    FillCombo(this, IDC_CSP_GROUPS, data.groupNames, selection);
}

void KvDlgCSP2::showGroup(int index) {
    m_current = index >= 0 && index < data.groupIds.length() ? index : -1;
    const CSP2List* lists[3] = {&data.list1, &data.list2, &data.list3};
    for (int i = 0; i < 3; ++i) {
        Mdx_Spread& sheet = *m_grids[i];
        if (!sheet.isAttached()) continue;
        const Mdx_Array<Mdx_StringArray> records =
            m_current < 0 ? Mdx_Array<Mdx_StringArray>()
                          : groupRecords(*lists[i], data.groupIds[m_current]);
        sheet.setMaxRows(0, false);
        sheet.setMaxRows(records.length(), false);
        for (int row = 0; row < records.length(); ++row)
            sheet.setRowTexts(row + 1, records[row], true);
        sheet.applyFitPolicy();
    }
}

void KvDlgCSP2::storeGroup() {
    if (m_current < 0) return;
    CSP2List* lists[3] = {&data.list1, &data.list2, &data.list3};
    for (int i = 0; i < 3; ++i) {
        if (!m_grids[i]->isAttached()) continue;
        Mdx_Array<Mdx_StringArray> rows;
        m_grids[i]->getAllRows(rows);
        replaceGroupRecords(*lists[i], data.groupIds[m_current], rows);
    }
}

void KvDlgCSP2::tell(int textNumber) {
    ::MessageBox(m_hWnd, dialString(textNumber).c_str(), dialString(620).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}

void KvDlgCSP2::addGroupAsked() {
    ValueInputDialog prompt(this);
    prompt.setTexts(dialString(631), dialString(632), dialString(171), dialString(1),
                    dialString(2));
    if (prompt.DoModal() != IDOK || prompt.value().isEmpty()) return;
    switch (checkNewGroupName(data, prompt.value())) {
    case GroupNameCheck::Unsafe: tell(639); return;
    case GroupNameCheck::FolderTaken: tell(640); return;
    case GroupNameCheck::Accepted: break;
    }
    storeGroup();
    const int index = addGroup(data, prompt.value());
    fillGroups(index);
    showGroup(index);
}

void KvDlgCSP2::removeCurrentGroup() {
    if (m_current < 0) return;
    const int removed = m_current;
    removeGroup(data, removed);
    m_current = -1;
    const int next = removed < data.groupIds.length() ? removed : data.groupIds.length() - 1;
    fillGroups(next);
    showGroup(next);
}

bool KvDlgCSP2::handleRowButton(int id) {
    struct RowButton {
        int id;
        int grid;
        bool insert;
    };
    static constexpr RowButton kButtons[] = {
        {IDC_CSP_LIST1_INSERT, 0, true},  {IDC_CSP_LIST1_DELETE, 0, false},
        {IDC_CSP_SHAPE_INSERT, 1, true},  {IDC_CSP_SHAPE_DELETE, 1, false},
        {IDC_CSP_BUY_INSERT, 2, true},    {IDC_CSP_BUY_DELETE, 2, false}};
    for (const RowButton& button : kButtons) {
        if (button.id != id) continue;
        Mdx_Spread& sheet = *m_grids[button.grid];
        if (button.insert)
            sheet.insertRowBelowCurrent(true);
        else
            sheet.deleteCurrentRow();
        return true;
    }
    return false;
}

// Open or save list 1 (shapes) or 2 (buys) of the group.
void KvDlgCSP2::openOrSave(int list, bool open, bool interactive, int group) {
    const ListFile* file = listFile(list);
    if (!file || group < 0 || group >= data.groupNames.length()) return;
    Mdx_String folder;
    if (!ensureGroupFolder(data.groupNames[group], folder)) {
        tell(639);
        return;
    }
    const Mdx_String extension = file->extension;
    Mdx_String path;
    std::int64_t time = 0;
    if (!open)
        path = nextSaveName(folder, extension);
    else if (!latestListFile(folder, extension, path, time))
        path = folder + "*." + extension;
    if (interactive) {
        const Mdx_String description = dialString(file->description) + " (*." + extension + ")";
        if (!DlgOpenSave(open, extension, description, folder, path,
                         dialString(open ? 618 : 619), this))
            return;
    }
    path = withListExtension(path, extension);
    CSP2List& target = list == 1 ? data.list2 : data.list3;
    if (open)
        openList(target, path, group);
    else
        saveList(target, path, group);
}

// A file that cannot be read leaves the list as it was.
void KvDlgCSP2::openList(CSP2List& list, const Mdx_String& path, int group) {
    Mdx_Array<Mdx_StringArray> records;
    if (!readListFile(path, records)) {
        tell(641);
        return;
    }
    replaceGroupRecords(list, data.groupIds[group], records);
    if (group == m_current) showGroup(m_current);
}

void KvDlgCSP2::saveList(const CSP2List& list, const Mdx_String& path, int group) {
    switch (writeListFile(path, groupRecords(list, data.groupIds[group]))) {
    case ListWrite::Written: return;
    case ListWrite::SeparatorInCell: tell(642); return;
    case ListWrite::LineBreakInCell: tell(644); return;
    case ListWrite::Failed: tell(643); return;
    }
}

// The line of one list of the overview, loading its latest file on the way.
Mdx_String KvDlgCSP2::overviewLine(int group, int list) {
    const Mdx_String& name = data.groupNames[group];
    const bool shapes = list == 1;
    Mdx_String folder, path;
    std::int64_t time = 0;
    Mdx_Array<Mdx_StringArray> records;
    if (!ensureGroupFolder(name, folder) ||
        !latestListFile(folder, shapes ? kShapeExtension : kBuyExtension, path, time) ||
        !readListFile(path, records))
        return appStrs({dialString(shapes ? 633 : 637), " ", dialString(634), " \"", name, "\"."});
    replaceGroupRecords(shapes ? data.list2 : data.list3, data.groupIds[group], records);
    return appStrs({dialString(636), CTime(time).Format(kTimeFormat), dialString(634), " \"", name,
                    "\" ", dialString(shapes ? 635 : 638), " \"", getFileName(path), "\" "});
}

void KvDlgCSP2::loadLatest() {
    if (m_current < 0) return;
    storeGroup();
    if (data.batchMode) {
        const bool ask = IsDlgButtonChecked(IDC_CSP_ASK_EACH) == BST_CHECKED;
        for (int group = 0; group < data.groupNames.length(); ++group)
            openOrSave(1, true, ask, group);
        showGroup(m_current);
        return;
    }
    const Mdx_String separator(std::string(kSeparatorLength, '-'));
    Mdx_String text = separator + "\r\n";
    for (int group = 0; group < data.groupNames.length(); ++group) {
        text += overviewLine(group, 1) + "\r\n\r\n";
        text += overviewLine(group, 2) + "\r\n";
        text += separator + "\r\n";
    }
    showGroup(m_current);
    ExportStartDlgInfo(dialString(652), dialString(285), text);
}

void KvDlgCSP2::OnOK() {
    storeGroup();
    WriteDlgSize(this, kSizeKey);
    RecordDialog<DlgCSP2Data>::OnOK();
}

void KvDlgCSP2::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    RecordDialog<DlgCSP2Data>::OnCancel();
}

void KvDlgCSP2::OnSize(UINT type, int cx, int cy) {
    RecordDialog<DlgCSP2Data>::OnSize(type, cx, cy);
    m_resizer.Move();
    Invalidate();
}

void KvDlgCSP2::OnGetMinMaxInfo(MINMAXINFO* info) {
    RecordDialog<DlgCSP2Data>::OnGetMinMaxInfo(info);
    m_resizer.OnGetMinMaxInfo(info);
}

BOOL KvDlgCSP2::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == IDC_CSP_GROUPS && code == CBN_SELCHANGE) {
        storeGroup();
        showGroup(static_cast<int>(SendDlgItemMessage(IDC_CSP_GROUPS, CB_GETCURSEL)));
        return TRUE;
    }
    if (code != BN_CLICKED) return RecordDialog<DlgCSP2Data>::OnCommand(wParam, lParam);
    if (handleRowButton(id)) return TRUE;
    switch (id) {
    case IDC_CSP_ADD_GROUP: addGroupAsked(); return TRUE;
    case IDC_CSP_REMOVE_GROUP: removeCurrentGroup(); return TRUE;
    case IDC_CSP_SHAPE_OPEN:
    case IDC_CSP_SHAPE_SAVE:
    case IDC_CSP_BUY_OPEN:
    case IDC_CSP_BUY_SAVE: {
        const int list = id == IDC_CSP_SHAPE_OPEN || id == IDC_CSP_SHAPE_SAVE ? 1 : 2;
        const bool open = id == IDC_CSP_SHAPE_OPEN || id == IDC_CSP_BUY_OPEN;
        storeGroup();
        openOrSave(list, open, true, m_current);
        return TRUE;
    }
    case IDC_CSP_LOAD_LATEST: loadLatest(); return TRUE;
    default: return RecordDialog<DlgCSP2Data>::OnCommand(wParam, lParam);
    }
}
