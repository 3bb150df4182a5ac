#pragma once
// "DLG_EDIT_SECTIONLIB": the library editor, with its pages for section groups, section
// types and section tables in one tab control.
#include <memory>

#include "host/CAcUiTabMainDialog.h"
#include "sectionlib/DlgEditLibData.h"
#include "sectionlib/SectionGroupsPage.h"
#include "sectionlib/SectionTablesPage.h"
#include "sectionlib/SectionTypesPage.h"
#include "core/TabbedPages.h"

class KvEditLibDlg : public CAcUiTabMainDialog {
public:
    static constexpr int kTabs = 8097;
    static constexpr const char* kSizeKey = "DLG_EDIT_SECTIONLIB";

    explicit KvEditLibDlg(const Mdx_String& sysName);

    DlgEditLibData data;

    BOOL OnInitDialog() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

    CWnd* page(int index);

private:
    void showPage(int index);

    Mdx_String sysName_;
    TabbedPages pages_;
    std::unique_ptr<SectionGroupsPage> groups_;
    std::unique_ptr<SectionTypesPage> types_;
    std::unique_ptr<SectionTablesPage> tables_;
};
