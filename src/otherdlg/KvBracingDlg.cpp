#include "otherdlg/KvBracingDlg.h"

#include <cstdlib>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/WinMessages.h"

namespace {

constexpr int kCaptionText = 9140;
constexpr int kFirstKindText = 9142;
constexpr int kNoSection = 9152;
constexpr int kBadPlate = 9153;
constexpr int kBadBolts = 9154;
const char* const kDiameters[] = {"12", "16", "20", "24", "27", "30"};

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {
    {IDC_BRACING_KIND_LABEL, 9141},  {IDC_BRACING_SECTION_LABEL, 9146},
    {IDC_BRACING_TENSION, 9147},     {IDC_BRACING_END_BOX, 9148},
    {IDC_BRACING_PLATE_LABEL, 9149}, {IDC_BRACING_BOLTS_LABEL, 9150},
    {IDC_BRACING_DIAMETER_LABEL, 9151}, {IDOK, 1}, {IDCANCEL, 2}};

Mdx_String trimmed(Mdx_String text) {
    text.trim();
    return text;
}

bool plateThicknessOk(const Mdx_String& text) {
    const Mdx_String t = trimmed(text);
    if (!t.isNumber()) return false;
    const double value = std::strtod(t.c_str(), nullptr);
    return value > 0 && value <= KvBracingDlg::kMaxPlateThickness;
}

bool boltCountOk(const Mdx_String& text) {
    const Mdx_String t = trimmed(text);
    if (t.isEmpty() || t.length() > 2) return false;
    for (char c : t.str())
        if (c < '0' || c > '9') return false;
    const int count = t.toInt();
    return count >= 1 && count <= KvBracingDlg::kMaxBolts;
}

}  // namespace

KvBracingDlg::KvBracingDlg()
    : CheckedRecordDialog<KvBracingDlgData>(kTemplateId, kCaptionText) {}

void KvBracingDlg::labelControls() {
    SetWindowText(dialString(kCaptionText).c_str());
    for (const ControlText& entry : kTexts)
        SetDlgItemText(entry.id, dialString(entry.text).c_str());
}

BOOL KvBracingDlg::OnInitDialog() {
    RecordDialog<KvBracingDlgData>::OnInitDialog();
    labelControls();
    showRecord();
    return TRUE;
}

void KvBracingDlg::showRecord() {
    Mdx_StringArray kinds;
    for (int i = 0; i < KvBracingDlgData::kKindCount; ++i) kinds.append(dialString(kFirstKindText + i));
    const bool knownKind = data.kind >= 0 && data.kind < KvBracingDlgData::kKindCount;
    FillCombo(this, IDC_BRACING_KIND, kinds, knownKind ? data.kind : KvBracingDlgData::kCross);
    // A diameter outside the list is kept: it is shown as one more entry.
    Mdx_StringArray diameters;
    for (const char* diameter : kDiameters) diameters.append(diameter);
    const Mdx_String current = trimmed(data.boltDiameter);
    if (!current.isEmpty() && diameters.find(current, false) < 0) diameters.append(current);
    FillCombo(this, IDC_BRACING_DIAMETER, diameters, diameters.find(current, false));
    SetDlgItemText(IDC_BRACING_SECTION, data.section.c_str());
    CheckDlgButton(IDC_BRACING_TENSION, data.tensionOnly ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_BRACING_PLATE, data.plateThickness.c_str());
    SetDlgItemText(IDC_BRACING_BOLTS, data.boltCount.c_str());
}

Mdx_String KvBracingDlg::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return Mdx_String(std::move(text));
}

bool KvBracingDlg::readRecord(KvBracingDlgData& record, int& problem) const {
    record = data;
    const int kind = static_cast<int>(SendDlgItemMessage(IDC_BRACING_KIND, CB_GETCURSEL, 0, 0));
    if (kind >= 0) record.kind = kind;
    record.section = trimmed(controlText(IDC_BRACING_SECTION));
    record.tensionOnly = IsDlgButtonChecked(IDC_BRACING_TENSION) == BST_CHECKED;
    record.plateThickness = trimmed(controlText(IDC_BRACING_PLATE));
    record.boltCount = trimmed(controlText(IDC_BRACING_BOLTS));
    record.boltDiameter = controlText(IDC_BRACING_DIAMETER);
    problem = record.section.isEmpty()               ? kNoSection
              : !plateThicknessOk(record.plateThickness) ? kBadPlate
              : !boltCountOk(record.boltCount)          ? kBadBolts
                                                         : 0;
    return problem == 0;
}

bool StartDlgBracing(KvBracingDlgData& data) {
    KvTempResourceOverride resources;
    KvBracingDlg dialog;
    return runWithCopyBack(dialog, data);
}
