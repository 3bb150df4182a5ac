#pragma once
// The settings of one bolt pattern of a bolt tab (template 9450), opened by a designed
// pattern button: the bolt counts in the first and, for a pattern of two directions, the
// second direction, and the spacing. The mixed word (macros that disagree) may stay: that
// value is then kept by each macro. OK refuses counts that are no whole numbers from 0 to
// 9999 and a spacing that is no number above 0 (at most 100000 mm), with a message; the
// dialog stays open. The pattern comes back only on OK.
#include "core/macro/MacroTabItems.h"
#include "otherdlg/CheckedRecordDialog.h"
#include "resources/macrodlg_ids.h"

class DlgPatternSettings : public CheckedRecordDialog<MacroPatternData> {
public:
    static constexpr UINT kTemplateId = IDD_PATTERN_SETTINGS;
    static constexpr int kCaptionText = 9450;
    static constexpr int kMaxCount = 9999;
    static constexpr double kMaxSpacing = 100000.0;

    DlgPatternSettings();

    BOOL OnInitDialog() override;

private:
    bool readRecord(MacroPatternData& record, int& problem) const override;
    Mdx_String controlText(int id) const;
};

// Runs the dialog on a copy of pattern; true, and the pattern replaced, on OK.
bool editPatternSettings(MacroPatternData& pattern);
