#pragma once
// The levels dialog (resource 243): one level of a copy of the drawing's levels at a time.
// Its value can be changed, levels added and deleted; only a level added in this dialog may
// take another reference.
#include "frame/TemplateDialog.h"
#include "otherdlg/KvLevelsDlgData.h"
#include "resources/otherdlg_ids.h"

class KvLevelsDlg : public RecordDialog<KvLevelsDlgData> {
public:
    static constexpr UINT kTemplateId = IDD_LEVELS;
    // A taken name is asked for again at most this often; the last answer is then passed on
    // and the levels record decides (it refuses taken names).
    static constexpr int kMaxNameAttempts = 20;

    KvLevelsDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    int shownLevel() const { return shown_; }

private:
    void labelControls();
    void fillLevelList(int selection);
    void showLevel(int index);
    void storeShownLevel();
    void addLevel();
    void deleteLevel();
    bool askNewName(Mdx_String& name) const;
    Mdx_String controlText(int id) const;

    int shown_ = -1;
    bool addedHere_ = false;
};

// Modal on a copy of the levels; OK stores the shown level and copies the record back.
bool StartDlgLevels(KvLevelsDlgData& data);
