#pragma once
// The array settings dialog (template 9107): the kind of one array of a module (a list of
// named entries or evenly spaced), its count and four further values, and for a list its
// entries in a grid with rows to insert and delete. OK refuses values that are no numbers
// with a message and stays open; the size is kept under "DLG_ARRAY".
#include "otherdlg/RowButtons.h"
#include "core/CResizer.h"
#include "frame/TemplateDialog.h"
#include "otherdlg/OtherDialogRecords.h"
#include "resources/otherdlg_ids.h"
#include "spread/Mdx_Spread.h"

class KvArrayDlg : public RecordDialog<DynArrayData> {
public:
    static constexpr UINT kTemplateId = IDD_ARRAY;
    static constexpr const char* kSizeKey = "DLG_ARRAY";
    static constexpr int kMaxCount = 9999;

    explicit KvArrayDlg(const Mdx_String& title);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

private:
    void labelControls();
    void showArray();
    void showKind();
    // Reads the controls into a copy; false with the text number of what is wrong.
    bool readArray(Mdx_ModuleArray& array, int& problem) const;
    Mdx_String controlText(int id) const;

    Mdx_String m_title;
    Mdx_Spread m_entries;
    RowButtons m_rowButtons;
    CResizer m_resizer;
};
