#include "macrodlg/DlgPatternSettings.h"

#include <cmath>

#include "core/KvTempResourceOverride.h"
#include "core/NumberText.h"
#include "core/Texts.h"
#include "core/macro/MixedWord.h"

namespace {

constexpr int kBadCount = 9455;
constexpr int kBadSpacing = 9456;

struct ControlText {
    int id;
    int text;
};
constexpr ControlText kTexts[] = {{IDC_PATTERN_NAME_LABEL, 9451},
                                  {IDC_PATTERN_COUNT1_LABEL, 9452},
                                  {IDC_PATTERN_COUNT2_LABEL, 9453},
                                  {IDC_PATTERN_SPACING_LABEL, 9454},
                                  {IDOK, 1},
                                  {IDCANCEL, 2}};

Mdx_String trimmed(Mdx_String text) {
    text.trim();
    return text;
}

bool countOk(const Mdx_String& text) {
    if (isMixedWord(text)) return true;
    if (text.isEmpty() || text.length() > 4) return false;
    for (char c : text.view())
        if (c < '0' || c > '9') return false;
    return text.toInt() <= DlgPatternSettings::kMaxCount;
}

bool spacingOk(const Mdx_String& text) {
    if (isMixedWord(text)) return true;
    if (!isNumberText(text.view())) return false;
    const double value = leadingDouble(text.view());
    return std::isfinite(value) && value > 0 && value <= DlgPatternSettings::kMaxSpacing;
}

}  // namespace

DlgPatternSettings::DlgPatternSettings()
    : CheckedRecordDialog<MacroPatternData>(kTemplateId, kCaptionText) {}

BOOL DlgPatternSettings::OnInitDialog() {
    RecordDialog<MacroPatternData>::OnInitDialog();
    SetWindowText(dialString(kCaptionText).c_str());
    for (const ControlText& entry : kTexts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    SetDlgItemText(IDC_PATTERN_NAME, data.name.c_str());
    SetDlgItemText(IDC_PATTERN_COUNT1, data.nrBolts1.c_str());
    SetDlgItemText(IDC_PATTERN_COUNT2, data.twoDirections ? data.nrBolts2.c_str() : "");
    SetDlgItemText(IDC_PATTERN_SPACING, data.value.c_str());
    GetDlgItem(IDC_PATTERN_COUNT2)->EnableWindow(data.twoDirections);
    return TRUE;
}

Mdx_String DlgPatternSettings::controlText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return trimmed(Mdx_String(std::move(text)));
}

bool DlgPatternSettings::readRecord(MacroPatternData& record, int& problem) const {
    record = data;
    record.nrBolts1 = controlText(IDC_PATTERN_COUNT1);
    if (record.twoDirections) record.nrBolts2 = controlText(IDC_PATTERN_COUNT2);
    record.value = controlText(IDC_PATTERN_SPACING);
    const bool counts = countOk(record.nrBolts1) && (!record.twoDirections || countOk(record.nrBolts2));
    problem = !counts ? kBadCount : !spacingOk(record.value) ? kBadSpacing : 0;
    return problem == 0;
}

bool editPatternSettings(MacroPatternData& pattern) {
    KvTempResourceOverride resources;
    DlgPatternSettings dialog;
    return runWithCopyBack(dialog, pattern);
}
