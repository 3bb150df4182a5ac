#include "otherdlg/KvDstvPointsDlg.h"

#include <cstring>
#include <iterator>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/ResizableDialog.h"
#include "core/Texts.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kCaptionText = 9190;
constexpr int kListText = 9191;
constexpr int kFirstHeaderText = 9192;  // name, face, X, Y
constexpr int kFirstFaceText = 9196;    // in the order of DstvPointStore::kFaces
constexpr int kBadPoint = 9200;
constexpr int kTooMany = 9201;
constexpr int kNotStored = 9202;
constexpr int kNotRead = 9203;
constexpr int kFaceColumn = 2;
constexpr int kFaceCount = 4;

constexpr CResizer::Anchor L = CResizer::eLeft, R = CResizer::eRight;
constexpr CResizer::Anchor T = CResizer::eTop, B = CResizer::eBottom;
const CResizer::CBorderInfo kAnchors[] = {
    {IDC_DSTV_GRID, L, T, R, B}, {IDC_DSTV_INSERT, L, B, L, B}, {IDC_DSTV_DELETE, L, B, L, B},
    {IDOK, R, B, R, B},          {IDCANCEL, R, B, R, B},
};

Mdx_StringArray faceTexts() {
    Mdx_StringArray texts;
    for (int i = 0; i < kFaceCount; ++i) texts.append(dialString(kFirstFaceText + i));
    return texts;
}

Mdx_String faceText(char face) {
    const char* at = face ? std::strchr(DstvPointStore::kFaces, face) : nullptr;
    return at ? dialString(kFirstFaceText + static_cast<int>(at - DstvPointStore::kFaces))
              : Mdx_String();
}

// The face of a shown text; a face nobody chose is no face ('\0').
char faceOf(const Mdx_String& text) {
    const int index = faceTexts().find(text, false);
    return index >= 0 ? DstvPointStore::kFaces[index] : '\0';
}

Mdx_String trimmed(Mdx_String text) {
    text.trim();
    return text;
}

}  // namespace

KvDstvPointsDlg::KvDstvPointsDlg(DstvPointStore& store, std::vector<DstvPoint> points)
    : TemplateDialog(kTemplateId), m_store(store), m_points(std::move(points)) {}

void KvDstvPointsDlg::labelControls() {
    SetWindowText(dialString(kCaptionText).c_str());
    SetDlgItemText(IDC_DSTV_LABEL, dialString(kListText).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    m_rowButtons.attach(*this, IDC_DSTV_INSERT, IDC_DSTV_DELETE);
}

BOOL KvDstvPointsDlg::OnInitDialog() {
    TemplateDialog::OnInitDialog();
    labelControls();
    if (m_grid.attachToDlgItem(this, IDC_DSTV_GRID, true)) {
        m_grid.setStandardLayout(1);
        m_grid.setMaxCols(4, false);
        Mdx_StringArray headers;
        for (int i = 0; i < 4; ++i) headers.append(dialString(kFirstHeaderText + i));
        m_grid.setColumnHeaders(headers);
    }
    startResizableDialog(*this, m_resizer, kAnchors, static_cast<int>(std::size(kAnchors)),
                         kSizeKey);
    showPoints();
    return TRUE;
}

void KvDstvPointsDlg::giveFaceChoice(int row) {
    m_grid.setComboCell(kFaceColumn, row, faceTexts(), false);
}

void KvDstvPointsDlg::showPoints() {
    if (!m_grid.isAttached()) return;
    const int rows = static_cast<int>(m_points.size());
    m_grid.setMaxRows(rows, false);
    if (rows > 0) m_grid.setComboColumn(kFaceColumn, faceTexts(), false);
    for (int row = 1; row <= rows; ++row) {
        const DstvPoint& p = m_points[static_cast<std::size_t>(row - 1)];
        m_grid.setRowTexts(row, Mdx_StringArray{p.name, faceText(p.face), p.x, p.y}, true);
    }
    m_grid.fitColumnsToText(false);
    int faceWidth = 0;  // the fit leaves out the combo's button
    if (m_grid.GetColWidthInPixels(kFaceColumn, &faceWidth))
        m_grid.SetColWidthInPixels(kFaceColumn, faceWidth + 20);
    m_grid.stretchColumn(1);
}

std::vector<DstvPoint> KvDstvPointsDlg::readPoints() const {
    std::vector<DstvPoint> points;
    Mdx_Array<Mdx_StringArray> rows;
    if (m_grid.isAttached()) m_grid.getAllRows(rows);
    for (const Mdx_StringArray& row : rows) {
        Mdx_StringArray cells;
        for (int col = 0; col < 4; ++col)
            cells.append(row.isValidIndex(col) ? trimmed(row[col]) : Mdx_String());
        bool empty = true;
        for (const Mdx_String& cell : cells) empty = empty && cell.isEmpty();
        if (empty) continue;
        points.push_back({cells[0], faceOf(cells[1]), cells[2], cells[3]});
    }
    return points;
}

void KvDstvPointsDlg::tell(const Mdx_String& text) const {
    ::MessageBox(m_hWnd, text.c_str(), dialString(kCaptionText).c_str(),
                 MB_OK | MB_ICONEXCLAMATION);
}

void KvDstvPointsDlg::OnOK() {
    std::vector<DstvPoint> points = readPoints();
    const int bad = DstvPointStore::check(points);
    if (bad >= DstvPointStore::kMaxPoints) {
        tell(dialString(kTooMany));
        return;
    }
    if (bad >= 0) {
        tell(dialString(kBadPoint) + "\n\n\"" + points[static_cast<std::size_t>(bad)].name + "\"");
        return;
    }
    if (!m_store.save(points)) {
        tell(dialString(kNotStored) + "\n" + m_store.error());
        return;
    }
    m_points = std::move(points);
    WriteDlgSize(this, kSizeKey);
    TemplateDialog::OnOK();
}

void KvDstvPointsDlg::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    TemplateDialog::OnCancel();
}

BOOL KvDstvPointsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && m_grid.isAttached()) {
        switch (LOWORD(wParam)) {
        case IDC_DSTV_INSERT: {
            const int row = m_grid.getCurrentRow() + 1;
            if (m_grid.insertRowBelowCurrent(false)) giveFaceChoice(row);
            return TRUE;
        }
        case IDC_DSTV_DELETE: m_grid.deleteCurrentRow(); return TRUE;
        default: break;
        }
    }
    return TemplateDialog::OnCommand(wParam, lParam);
}

void KvDstvPointsDlg::OnSize(UINT type, int cx, int cy) {
    TemplateDialog::OnSize(type, cx, cy);
    m_resizer.Move();
    if (m_grid.isAttached()) m_grid.stretchColumn(1);
    Invalidate();
}

void KvDstvPointsDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    TemplateDialog::OnGetMinMaxInfo(info);
    m_resizer.OnGetMinMaxInfo(info);
}

void StartDSTVPointsDlg() {
    KvTempResourceOverride resources;
    DstvPointStore store = DstvPointStore::current();
    std::vector<DstvPoint> points;
    if (!store.load(points)) {
        ::MessageBox(nullptr, (dialString(kNotRead) + "\n" + store.error()).c_str(),
                     dialString(kCaptionText).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    KvDstvPointsDlg dialog(store, std::move(points));
    dialog.DoModal();
}
