#pragma once
// The variables page (resource 8099): the module's variables with their type as a choice,
// the values of its measuring constraints, and its equations as lines of text. What the
// user changed is written back when the page is left and before every rebuild.
#include "core/CButtonST.h"
#include "host/AcDbObjectId.h"
#include "macroedit/EditorPage.h"
#include "spread/Mdx_Spread.h"

class VariablesPage : public EditorPage {
public:
    static constexpr int kVariables = 1127;
    static constexpr int kDimensions = 1128;
    static constexpr int kAddRow = 1131;
    static constexpr int kDeleteRow = 1132;
    static constexpr int kEquations = 1135;

    explicit VariablesPage(KvEditConstraintsDlg& editor);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void refresh() override;

    // Reads the grid and the equations into the context and writes them to the module when
    // they changed. A value that is no number, or variables the module refuses (a name that
    // is no name or used twice), is said in a message and nothing is written: false.
    bool readBack();

    Mdx_Spread variables;
    Mdx_Spread dimensions;

private:
    void build();
    static Mdx_StringArray typeItems();
    bool refuse(int text, const Mdx_String& name);

    bool built_ = false;
    Mdx_String builtFor_;  // the module the grid shows, of this macro
    AcDbObjectId builtForMacro_;
    CButtonST add_;
    CButtonST delete_;
};
