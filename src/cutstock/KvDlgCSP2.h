#pragma once
// The cutting-stock lists dialog (template 8122): named groups, each with three lists shown
// in three sheets; the shape and buy lists are opened from and saved to the group's folder,
// and the latest files of every group can be loaded at once.
#include <memory>

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "cutstock/DlgCSP2Data.h"
#include "frame/TemplateDialog.h"
#include "spread/Mdx_Spread.h"

class KvDlgCSP2 : public RecordDialog<DlgCSP2Data> {
public:
    static constexpr const char* kSizeKey = "DLG_OPTIMIZECSP2";
    static constexpr int kIconButtonCount = 10;

    KvDlgCSP2();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;

    int currentGroup() const { return m_current; }
    Mdx_Spread& grid(int list) { return *m_grids[list]; }

private:
    void labelControls();
    void attachGrids();
    void applyBatchMode();
    void fillGroups(int selection);
    void showGroup(int index);
    void storeGroup();
    void addGroupAsked();
    void removeCurrentGroup();
    bool handleRowButton(int id);
    void openOrSave(int list, bool open, bool interactive, int group);
    void openList(CSP2List& list, const Mdx_String& path, int group);
    void saveList(const CSP2List& list, const Mdx_String& path, int group);
    void loadLatest();
    Mdx_String overviewLine(int group, int list);
    void tell(int textNumber);

    std::unique_ptr<Mdx_Spread> m_grids[3];
    CButtonST m_iconButtons[kIconButtonCount];
    CResizer m_resizer;
    int m_current = -1;
};
