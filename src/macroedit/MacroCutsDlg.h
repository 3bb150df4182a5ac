#pragma once
// The macro cuts dialog (resource 223): one cut rule of a macro. The cut type is chosen in a
// picture combo; the options, checks and the choice shown depend on it; the offsets are a
// grid of display name, check and value; the other part comes from this macro or another
// one picked in the drawing, with its module. OK checks the module, the name against the
// other macro's cuts and the value names before it accepts.
#include "core/CBitmapPickerCombo.h"
#include "core/macro/DlgMacroCutsData.h"
#include "host/CAcUiDialog.h"
#include "resources/macroedit_ids.h"
#include "spread/Mdx_Spread.h"

class MacroCutsDlg : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = IDD_MACRO_CUTS;
    static constexpr int kType = 1284, kName = 1000, kPrefix = 1001, kPrefixLabel = 1124;
    static constexpr int kOptions[3] = {1288, 1289, 1290};
    static constexpr int kOptionLabel = 1281, kChoice = 1283, kGrid = 1196;
    static constexpr int kCheck1323 = 1323, kCheck1325 = 1325, kCheck1326 = 1326;
    static constexpr int kThisMacro = 1285, kOtherMacro = 1286, kPickMacro = 1079;
    static constexpr int kOtherLabel = 1280, kModule = 1282;

    explicit MacroCutsDlg(CWnd* parent = nullptr);

    DlgMacroCutsData data;
    bool escaped = false;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnDestroy() override;

    // The display name of an internal value name.
    static Mdx_String displayName(const Mdx_String& name);
    Mdx_Spread grid;

private:
    void labelControls();
    void fillFromRecord();
    void fillGrid(const Mdx_StringArray& names, const AcArray<bool>& flags,
                  const Mdx_StringArray& values);
    void arrangeOptions();
    void updateChecks();
    void updatePrefix();
    void typeChanged();
    void pickMacro();
    void fillModules();
    int option() const;
    int type() const;
    void readRecord(DlgMacroCutsData& record) const;

    CBitmapPickerCombo types_;
};
