#include "otherdlg/KvArrayDlg.h"

#include <iterator>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/ResizableDialog.h"
#include "core/Texts.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kValueIds[Mdx_ModuleArray::kValueCount] = {
    IDC_ARRAY_VALUE0, IDC_ARRAY_VALUE1, IDC_ARRAY_VALUE2, IDC_ARRAY_VALUE3, IDC_ARRAY_VALUE4};
constexpr int kValueLabels[Mdx_ModuleArray::kValueCount] = {
    IDC_ARRAY_VALUE_LABEL0, IDC_ARRAY_VALUE_LABEL1, IDC_ARRAY_VALUE_LABEL2,
    IDC_ARRAY_VALUE_LABEL3, IDC_ARRAY_VALUE_LABEL4};
constexpr int kSpacedOnlyValue = 2;  // value 3 applies to evenly spaced arrays only
constexpr int kCaptionText = 9120;
constexpr int kFirstValueText = 9124;
constexpr int kBadCount = 9130;
constexpr int kBadValue = 9131;
constexpr int kBadEntry = 9132;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{IDC_ARRAY_NAME_LABEL, 9121}, {IDC_ARRAY_LIST, 9122},
                                  {IDC_ARRAY_SPACED, 9123},     {IDC_ARRAY_ENTRIES_BOX, 9129},
                                  {IDOK, 1},                    {IDCANCEL, 2}};

// The values stay at the left; the entries take the room the dialog gains.
constexpr CResizer::Anchor L = CResizer::eLeft, R = CResizer::eRight;
constexpr CResizer::Anchor T = CResizer::eTop, B = CResizer::eBottom;
const CResizer::CBorderInfo kAnchors[] = {
    {IDC_ARRAY_ENTRIES_BOX, L, T, R, B}, {IDC_ARRAY_ENTRIES, L, T, R, B},
    {IDC_ARRAY_INSERT, L, B, L, B},      {IDC_ARRAY_DELETE, L, B, L, B},
    {IDOK, R, B, R, B},                  {IDCANCEL, R, B, R, B},
};

bool isWholeCount(const Mdx_String& text, int& count) {
    Mdx_String trimmed = text;
    trimmed.trim();
    if (trimmed.isEmpty() || !trimmed.isNumber()) return false;
    for (char c : trimmed.str())
        if (c < '0' || c > '9') return false;
    if (trimmed.length() > 4) return false;
    count = trimmed.toInt();
    return count <= KvArrayDlg::kMaxCount;
}

bool numberOrEmpty(const Mdx_String& text) {
    Mdx_String trimmed = text;
    trimmed.trim();
    return trimmed.isEmpty() || trimmed.isNumber();
}

}  // namespace

KvArrayDlg::KvArrayDlg(const Mdx_String& title)
    : RecordDialog<DynArrayData>(kTemplateId), m_title(title) {}

void KvArrayDlg::labelControls() {
    const Mdx_String& name = m_title.isEmpty() ? data.array.name : m_title;
    SetWindowText((dialString(kCaptionText) + " " + name).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
    for (int i = 0; i < Mdx_ModuleArray::kValueCount; ++i)
        SetDlgItemText(kValueLabels[i], dialString(kFirstValueText + i).c_str());
    SetDlgItemText(IDC_ARRAY_NAME, data.array.name.c_str());
    m_rowButtons.attach(*this, IDC_ARRAY_INSERT, IDC_ARRAY_DELETE);
}

BOOL KvArrayDlg::OnInitDialog() {
    RecordDialog<DynArrayData>::OnInitDialog();
    labelControls();
    if (m_entries.attachToDlgItem(this, IDC_ARRAY_ENTRIES, true)) {
        m_entries.setStandardLayout(1);
        m_entries.setMaxCols(2, false);
        m_entries.setColumnHeaders(Mdx_StringArray{dialString(9133), dialString(9134)});
    }
    startResizableDialog(*this, m_resizer, kAnchors, static_cast<int>(std::size(kAnchors)),
                         kSizeKey);
    showArray();
    return TRUE;
}

void KvArrayDlg::showArray() {
    const Mdx_ModuleArray& array = data.array;
    const bool spaced = array.kind == Mdx_ModuleArray::kSpacedArray;
    CheckRadioButton(IDC_ARRAY_LIST, IDC_ARRAY_SPACED, spaced ? IDC_ARRAY_SPACED : IDC_ARRAY_LIST);
    for (int i = 0; i < Mdx_ModuleArray::kValueCount; ++i)
        SetDlgItemText(kValueIds[i], array.values[static_cast<std::size_t>(i)].c_str());
    if (m_entries.isAttached()) {
        m_entries.setMaxRows(array.entries.length(), false);
        for (int row = 0; row < array.entries.length(); ++row)
            m_entries.setRowTexts(row + 1,
                                  Mdx_StringArray{array.entries[row].name, array.entries[row].value},
                                  true);
        m_entries.fitColumnsToText(false);
    }
    showKind();
}

// Value 3 belongs to spaced arrays, the entries to lists.
void KvArrayDlg::showKind() {
    const bool spaced = IsDlgButtonChecked(IDC_ARRAY_SPACED) == BST_CHECKED;
    EnDisCtrl(this, kValueIds[kSpacedOnlyValue], spaced);
    for (int id : {IDC_ARRAY_ENTRIES, IDC_ARRAY_INSERT, IDC_ARRAY_DELETE, IDC_ARRAY_ENTRIES_BOX})
        EnDisCtrl(this, id, !spaced);
}

Mdx_String KvArrayDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

bool KvArrayDlg::readArray(Mdx_ModuleArray& array, int& problem) const {
    array = data.array;
    array.kind = IsDlgButtonChecked(IDC_ARRAY_SPACED) == BST_CHECKED ? Mdx_ModuleArray::kSpacedArray
                                                                      : Mdx_ModuleArray::kListArray;
    int count = 0;
    for (int i = 0; i < Mdx_ModuleArray::kValueCount; ++i)
        array.values[static_cast<std::size_t>(i)] = controlText(kValueIds[i]);
    if (!isWholeCount(array.values[0], count)) {
        problem = kBadCount;
        return false;
    }
    for (int i = 1; i < Mdx_ModuleArray::kValueCount; ++i)
        if (!numberOrEmpty(array.values[static_cast<std::size_t>(i)])) {
            problem = kBadValue;
            return false;
        }
    Mdx_Array<Mdx_StringArray> rows;
    if (m_entries.isAttached()) m_entries.getAllRows(rows);
    array.entries.setEmpty();
    Mdx_StringArray names;
    for (const Mdx_StringArray& row : rows) {
        Mdx_ArrayEntry entry{row.isValidIndex(0) ? row[0] : Mdx_String(),
                             row.isValidIndex(1) ? row[1] : Mdx_String()};
        entry.name.trim();
        if (entry.name.isEmpty() && entry.value.isEmpty()) continue;  // an empty row
        if (entry.name.isEmpty() || names.contains(entry.name, false) || !numberOrEmpty(entry.value)) {
            problem = kBadEntry;
            return false;
        }
        names.append(entry.name);
        array.entries.append(entry);
    }
    return true;
}

void KvArrayDlg::OnOK() {
    Mdx_ModuleArray array;
    int problem = 0;
    if (!readArray(array, problem)) {
        ::MessageBox(m_hWnd, dialString(problem).c_str(), dialString(kCaptionText).c_str(),
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    data.array = array;
    WriteDlgSize(this, kSizeKey);
    RecordDialog<DynArrayData>::OnOK();
}

void KvArrayDlg::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    RecordDialog<DynArrayData>::OnCancel();
}

BOOL KvArrayDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (id) {
        case IDC_ARRAY_LIST:
        case IDC_ARRAY_SPACED: showKind(); return TRUE;
        case IDC_ARRAY_INSERT: m_entries.insertRowBelowCurrent(true); return TRUE;
        case IDC_ARRAY_DELETE: m_entries.deleteCurrentRow(); return TRUE;
        default: break;
        }
    }
    return RecordDialog<DynArrayData>::OnCommand(wParam, lParam);
}

void KvArrayDlg::OnSize(UINT type, int cx, int cy) {
    RecordDialog<DynArrayData>::OnSize(type, cx, cy);
    m_resizer.Move();
    Invalidate();
}

void KvArrayDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    RecordDialog<DynArrayData>::OnGetMinMaxInfo(info);
    m_resizer.OnGetMinMaxInfo(info);
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& /*ids*/,
                   const Mdx_String& title) {
    KvTempResourceOverride resources;
    KvArrayDlg dialog(title);
    return runWithCopyBack(dialog, data);
}
