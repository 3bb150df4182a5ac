#pragma once
// The tool page (resource 216): one picture button per tool of the core; a click starts
// the tool's command in the drawing.
#include "core/CButtonST.h"
#include "macroedit/EditorPage.h"

class ToolPage : public EditorPage {
public:
    static constexpr int kFirstButton = 1024;
    static constexpr int kButtonCount = 14;

    explicit ToolPage(KvEditConstraintsDlg& editor);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    CButtonST buttons_[kButtonCount];
};
