#include "otherdlg/KvCladdingDlg.h"

#include <cstdlib>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/WinMessages.h"

namespace {

constexpr int kCaptionText = 9160;
constexpr int kNoProfile = 9172;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {
    {IDC_CLADDING_FACE_LABEL, 9161},      {IDC_CLADDING_PROFILE_LABEL, 9164},
    {IDC_CLADDING_DIRECTION_LABEL, 9165}, {IDC_CLADDING_SIZES_BOX, 9168},
    {IDC_CLADDING_THICKNESS_LABEL, 9169}, {IDC_CLADDING_OVERLAP_LABEL, 9170},
    {IDC_CLADDING_SPACING_LABEL, 9171},   {IDOK, 1},
    {IDCANCEL, 2}};

// A size field: its bounds (the lower one allowed or not) and the text telling what is wrong.
struct SizeRule {
    int id;
    double low;
    bool lowAllowed;
    double high;
    int problem;
};
constexpr SizeRule kSizes[] = {{IDC_CLADDING_THICKNESS, 0.0, false, 5.0, 9173},
                               {IDC_CLADDING_OVERLAP, 0.0, true, 1000.0, 9174},
                               {IDC_CLADDING_SPACING, 0.0, false, 5000.0, 9175}};

Mdx_String trimmed(Mdx_String text) {
    text.trim();
    return text;
}

bool withinRule(const Mdx_String& text, const SizeRule& rule) {
    if (!text.isNumber()) return false;
    const double value = std::strtod(text.c_str(), nullptr);
    return (rule.lowAllowed ? value >= rule.low : value > rule.low) && value <= rule.high;
}

Mdx_StringArray texts(int first, int count) {
    Mdx_StringArray items;
    for (int i = 0; i < count; ++i) items.append(dialString(first + i));
    return items;
}

}  // namespace

KvCladdingDlg::KvCladdingDlg()
    : CheckedRecordDialog<KvCladdingDlgData>(kTemplateId, kCaptionText) {}

void KvCladdingDlg::labelControls() {
    SetWindowText(dialString(kCaptionText).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
}

BOOL KvCladdingDlg::OnInitDialog() {
    RecordDialog<KvCladdingDlgData>::OnInitDialog();
    labelControls();
    showRecord();
    return TRUE;
}

void KvCladdingDlg::showRecord() {
    FillCombo(this, IDC_CLADDING_FACE, texts(9162, 2), data.face == KvCladdingDlgData::kRoof ? 1 : 0);
    FillCombo(this, IDC_CLADDING_DIRECTION, texts(9166, 2),
              data.direction == KvCladdingDlgData::kSheetsHorizontal ? 1 : 0);
    SetDlgItemText(IDC_CLADDING_PROFILE, data.sheetProfile.c_str());
    SetDlgItemText(IDC_CLADDING_THICKNESS, data.sheetThickness.c_str());
    SetDlgItemText(IDC_CLADDING_OVERLAP, data.endOverlap.c_str());
    SetDlgItemText(IDC_CLADDING_SPACING, data.fixingSpacing.c_str());
}

Mdx_String KvCladdingDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return trimmed(Mdx_String(std::move(text)));
}

bool KvCladdingDlg::readRecord(KvCladdingDlgData& record, int& problem) const {
    record = data;
    record.face = SendDlgItemMessage(IDC_CLADDING_FACE, CB_GETCURSEL, 0, 0) == 1
                      ? KvCladdingDlgData::kRoof
                      : KvCladdingDlgData::kWall;
    record.direction = SendDlgItemMessage(IDC_CLADDING_DIRECTION, CB_GETCURSEL, 0, 0) == 1
                           ? KvCladdingDlgData::kSheetsHorizontal
                           : KvCladdingDlgData::kSheetsVertical;
    record.sheetProfile = controlText(IDC_CLADDING_PROFILE);
    record.sheetThickness = controlText(IDC_CLADDING_THICKNESS);
    record.endOverlap = controlText(IDC_CLADDING_OVERLAP);
    record.fixingSpacing = controlText(IDC_CLADDING_SPACING);
    problem = 0;
    if (record.sheetProfile.isEmpty()) problem = kNoProfile;
    for (const SizeRule& rule : kSizes)
        if (problem == 0 && !withinRule(controlText(rule.id), rule)) problem = rule.problem;
    return problem == 0;
}

bool StartDlgCladdingSettings(KvCladdingDlgData& data) {
    KvTempResourceOverride resources;
    KvCladdingDlg dialog;
    return runWithCopyBack(dialog, data);
}
