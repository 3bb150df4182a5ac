#include "otherdlg/KvProfFeaturesDlg.h"

#include <iterator>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/ResizableDialog.h"
#include "core/Texts.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/WinMessages.h"

namespace {

constexpr int kCaptionText = 9180;
constexpr int kListText = 9181;
constexpr int kHeaderText = 9182;
constexpr int kListedTwice = 9183;
constexpr int kTooMany = 9184;

constexpr CResizer::Anchor L = CResizer::eLeft, R = CResizer::eRight;
constexpr CResizer::Anchor T = CResizer::eTop, B = CResizer::eBottom;
const CResizer::CBorderInfo kAnchors[] = {
    {IDC_FEATURES_GRID, L, T, R, B}, {IDC_FEATURES_INSERT, L, B, L, B},
    {IDC_FEATURES_DELETE, L, B, L, B}, {IDOK, R, B, R, B}, {IDCANCEL, R, B, R, B},
};

}  // namespace

KvProfFeaturesDlg::KvProfFeaturesDlg()
    : CheckedRecordDialog<DlgProfFeaturesData>(kTemplateId, kCaptionText) {}

void KvProfFeaturesDlg::labelControls() {
    SetWindowText(dialString(kCaptionText).c_str());
    SetDlgItemText(IDC_FEATURES_LABEL, dialString(kListText).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    m_rowButtons.attach(*this, IDC_FEATURES_INSERT, IDC_FEATURES_DELETE);
}

BOOL KvProfFeaturesDlg::OnInitDialog() {
    RecordDialog<DlgProfFeaturesData>::OnInitDialog();
    labelControls();
    if (m_grid.attachToDlgItem(this, IDC_FEATURES_GRID, true)) {
        m_grid.setStandardLayout(1);
        m_grid.setMaxCols(1, false);
        m_grid.setColumnHeaders(Mdx_StringArray{dialString(kHeaderText)});
    }
    startResizableDialog(*this, m_resizer, kAnchors, static_cast<int>(std::size(kAnchors)),
                         kSizeKey);
    showFeatures();
    return TRUE;
}

void KvProfFeaturesDlg::showFeatures() {
    if (!m_grid.isAttached()) return;
    m_grid.setMaxRows(data.features.length(), false);
    m_grid.setColumnTexts(1, data.features, true);
    m_grid.stretchColumn(1);
}

bool KvProfFeaturesDlg::readRecord(DlgProfFeaturesData& record, int& problem) const {
    record = data;
    record.features.setEmpty();
    Mdx_StringArray texts;
    if (m_grid.isAttached()) m_grid.getColumnValues(1, texts);
    for (Mdx_String text : texts) {
        text.trim();
        if (text.isEmpty()) continue;
        if (record.features.contains(text, false)) {
            problem = kListedTwice;
            return false;
        }
        record.features.append(text);
    }
    problem = record.features.length() > kMaxFeatures ? kTooMany : 0;
    return problem == 0;
}

void KvProfFeaturesDlg::OnOK() {
    WriteDlgSize(this, kSizeKey);
    CheckedRecordDialog<DlgProfFeaturesData>::OnOK();
}

void KvProfFeaturesDlg::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    CheckedRecordDialog<DlgProfFeaturesData>::OnCancel();
}

BOOL KvProfFeaturesDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && m_grid.isAttached()) {
        switch (LOWORD(wParam)) {
        case IDC_FEATURES_INSERT: m_grid.insertRowBelowCurrent(false); return TRUE;
        case IDC_FEATURES_DELETE: m_grid.deleteCurrentRow(); return TRUE;
        default: break;
        }
    }
    return CheckedRecordDialog<DlgProfFeaturesData>::OnCommand(wParam, lParam);
}

void KvProfFeaturesDlg::OnSize(UINT type, int cx, int cy) {
    CheckedRecordDialog<DlgProfFeaturesData>::OnSize(type, cx, cy);
    m_resizer.Move();
    if (m_grid.isAttached()) m_grid.stretchColumn(1);
    Invalidate();
}

void KvProfFeaturesDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    CheckedRecordDialog<DlgProfFeaturesData>::OnGetMinMaxInfo(info);
    m_resizer.OnGetMinMaxInfo(info);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    KvTempResourceOverride resources;
    KvProfFeaturesDlg dialog;
    return runWithCopyBack(dialog, data);
}
