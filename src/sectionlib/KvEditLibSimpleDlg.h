#pragma once
// "DLG_EDITLIBSIMPLE": adds one size to a section table. The user starts from an existing
// size, types the new dimensions, and the name follows them when the table names its sizes
// after their dimensions.
#include "host/CAcUiDialog.h"
#include "sectionlib/Mdx_ProfValuesTable.h"
#include "sectionlib/SizeNamePattern.h"

class KvEditLibSimpleDlg : public CAcUiDialog {
public:
    static constexpr int kMaxDimensions = 11;
    static constexpr const char* kSizeKey = "DLG_EDITLIBSIMPLE";

    KvEditLibSimpleDlg();

    Mdx_ProfValuesTable data;
    Mdx_String sysName;
    // The new row's index among the active rows after OK; -1 when nothing was added.
    int newRow = -1;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

private:
    void labelControls();
    void showDimensions();
    Mdx_StringArray dimensionNames() const;
    Mdx_StringArray shownDimensions() const;
    Mdx_String controlText(int id) const;
    void updateAutomaticName();
    bool automaticNaming() const;
    bool checkDimensions();
    void refuse(const Mdx_String& text);
    Mdx_String newSizeName() const;
    void addSize(const Mdx_String& name);

    int startRow_ = 0;
    int languages_ = 4;
    int fieldCount_ = 0;
    bool usable_ = false;
    SizeNamePattern pattern_;
    SIZE minimumTrackSize_{50, 50};
};
