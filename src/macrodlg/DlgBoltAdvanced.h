#pragma once
// The bolt settings of one macro tab (template 8140, size kept under
// "DLG_MACRO_BOLTADVANCED"): assembly, diameter, lengths, tolerance, four on/off options
// that read indeterminate when the macros differ, nuts and washers, the hole columns and the
// slotted holes. Modal, but live: every change is checked and applied through the page that
// opened it, and the dialog then shows the bolt data as the update left it.
#include "core/CCheckComboBox.h"
#include "core/Mdx_StringArray.h"
#include "core/macro/MacroTabItems.h"
#include "frame/TemplateDialog.h"
#include "resources/macrodlg_ids.h"
#include "spread/Mdx_Spread.h"

class BoltSettingsTarget;

class DlgBoltAdvanced : public TemplateDialog {
public:
    static constexpr UINT kTemplateId = IDD_BOLT_ADVANCED;

    // target may be null: then nothing is applied and every apply succeeds.
    DlgBoltAdvanced(const MacroBoltData& data, const Mdx_StringArray& diameters,
                    BoltSettingsTarget* target, CWnd* parent = nullptr);

    const MacroBoltData& boltData() const { return data_; }
    int shownHole() const { return shownHole_; }
    Mdx_Spread& holeColumnGrid() { return holeColumns_; }
    // Reads the dialog, checks the slotted holes and applies; false (with the message shown)
    // when a hole is invalid or the page refused.
    bool apply();

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    void labelControls();
    void showBoltData();
    void showHole(int index);
    void enableHoleFields();
    void storeHole();
    void holePicked();
    void readDialog();
    bool validate();
    int triState(int id) const;
    void setTriState(int id, int state);
    void disableTriState(int id);

    MacroBoltData data_;
    Mdx_StringArray diameters_;
    BoltSettingsTarget* target_;
    int shownHole_ = 0;
    Mdx_Spread holeColumns_;
    CCheckComboBox holes_;  // one entry per slotted hole, ticked while the hole is active
};
