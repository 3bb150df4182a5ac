#include "standards/MacroSettingsDlg.h"

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "core/macro/Mdx_DbMacro.h"
#include "standards/KvStandardsPage.h"
#include "standards/MacroFieldsPage.h"
#include "standards/MacroListPage.h"
#include "win/WinMessages.h"
#include "win/Window.h"

namespace {

using S = MacroSettings;

constexpr int kTabTexts[MacroSettingsDlg::kPageCount] = {917, 918, 919, 875, 755, 1728};
constexpr int kTitleText = 1729;
constexpr int kButtonRow = 30;

}  // namespace

MacroSettingsDlg::MacroSettingsDlg(CWnd* parent) : CAcUiTabMainDialog(kTemplateId, parent) {}

MacroSettingsDlg::~MacroSettingsDlg() = default;

void MacroSettingsDlg::createPages() {
    pages_[0] = std::make_unique<MacroFieldsPage>(
        8142, data,
        std::vector<MacroCheckField>{
            {1450, &S::filterAngle90}, {1451, &S::filterAngle180}, {1452, &S::filterSectionAngle}},
        std::vector<MacroTextField>{{1454, &S::angleTolerance}},
        std::vector<MacroPicture>{{1455, "MacroFilterAngle90.bmp"},
                                  {1456, "MacroFilterAngle180.bmp"},
                                  {1457, "MacroFilterSectionAngle.bmp"}});
    pages_[1] = std::make_unique<MacroFieldsPage>(
        213, data,
        std::vector<MacroCheckField>{{1460, &S::filterSectionSize},
                                     {1465, &S::filterPathDistance}},
        std::vector<MacroTextField>{
            {1462, &S::minSectionSize}, {1464, &S::maxSectionSize}, {1467, &S::maxPathDistance}},
        std::vector<MacroPicture>{{1468, "MacroFilterSectionSize.bmp"},
                                  {1469, "MacroFilterPathDistance.bmp"}});
    pages_[2] = std::make_unique<MacroFieldsPage>(
        8718, data, std::vector<MacroCheckField>{},
        std::vector<MacroTextField>{{1471, &S::description}, {1473, &S::author}});
    pages_[3] = std::make_unique<MacroListPage>(
        214, data, std::vector<Mdx_StringArray S::*>{&S::variableNames, &S::variableValues},
        std::vector<int>{87, 86});
    pages_[4] = std::make_unique<MacroListPage>(
        215, data, std::vector<Mdx_StringArray S::*>{&S::sectionGroups}, std::vector<int>{755});
    pages_[5] = std::make_unique<KvStandardsPage>(data);
}

// The standards page offers the macro's objects and module groups; a caller that handed in
// the macro but not these gets them collected here.
void MacroSettingsDlg::offerMacro() {
    TabMappingData& standards = data.standards;
    if (!data.dbMacro || !data.dbMacro->macro()) return;
    if (!standards.macroMapping &&
        macroObjects_.initAllVarsFromMacro(data.dbMacro, data.transaction) == Acad::eOk)
        standards.macroMapping = &macroObjects_;
    if (standards.moduleGroups.isEmpty()) {
        const Mdx_Macro& macro = *data.dbMacro->macro();
        for (int i = 0; i < macro.moduleCount(); ++i) {
            const Mdx_String group = macro.moduleAt(i)->effectiveGroupName();
            if (standards.moduleGroups.find(group, false) < 0) standards.moduleGroups.append(group);
        }
    }
}

BOOL MacroSettingsDlg::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetWindowText(dialString(kTitleText).c_str());
    SetDlgItemText(IDOK, dialString(1).c_str());
    SetDlgItemText(IDCANCEL, dialString(2).c_str());
    offerMacro();
    tabs_.SubclassDlgItem(kTabs, this);
    for (int i = 0; i < kPageCount; ++i) tabs_.InsertItem(i, dialString(kTabTexts[i]).c_str());
    createPages();
    for (auto& page : pages_) page->Create(page->m_nIDTemplate, this);
    placePages();
    tabs_.SetCurSel(0);
    showPage(0);
    return TRUE;
}

MacroSettingsPage* MacroSettingsDlg::page(int index) {
    return index >= 0 && index < kPageCount ? pages_[index].get() : nullptr;
}

KvStandardsPage* MacroSettingsDlg::standardsPage() {
    return static_cast<KvStandardsPage*>(pages_[kStandardsPage].get());
}

bool MacroSettingsDlg::standardsChanged() const {
    const auto* standards = static_cast<const KvStandardsPage*>(pages_[kStandardsPage].get());
    return standards && standards->changed();
}

void MacroSettingsDlg::placePages() {
    if (!tabs_.GetSafeHwnd()) return;
    RECT client;
    GetClientRect(&client);
    // The tab control ends above the row of OK and Cancel.
    LONG bottom = client.bottom - kButtonRow;
    if (CWnd* ok = GetDlgItem(IDOK)) {
        RECT button;
        ok->GetWindowRect(&button);
        ScreenToClient(&button);
        bottom = button.top - 7;
    }
    RECT area{7, 7, client.right - 7, bottom};
    tabs_.MoveWindow(&area);
    RECT inside = area;
    tabs_.AdjustRect(FALSE, &inside);
    // Pages lie above the tab control, which would otherwise cover them.
    for (auto& page : pages_)
        if (page && page->GetSafeHwnd())
            ::SetWindowPos(page->GetSafeHwnd(), HWND_TOP, inside.left, inside.top,
                           inside.right - inside.left, inside.bottom - inside.top, 0);
}

void MacroSettingsDlg::showPage(int index) {
    shown_ = index;
    for (int i = 0; i < kPageCount; ++i)
        if (pages_[i] && pages_[i]->GetSafeHwnd())
            pages_[i]->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
}

BOOL MacroSettingsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(kTabs) && header->code == TCN_SELCHANGE) {
        showPage(tabs_.GetCurSel());
        return TRUE;
    }
    return CAcUiTabMainDialog::OnNotify(wParam, lParam, result);
}

void MacroSettingsDlg::OnOK() {
    for (auto& page : pages_)
        if (page && page->GetSafeHwnd() && !page->storeSettings()) return;
    CAcUiTabMainDialog::OnOK();
}

bool RunMacroSettingsDialog(HWND parent, MacroSettings& settings) {
    KvTempResourceOverride resources;
    MacroSettingsDlg dialog(parent ? CWnd::FromHandle(parent) : nullptr);
    dialog.data = settings;
    if (dialog.DoModal() != IDOK) return false;
    KvSSMapping* callersMapping = settings.standards.macroMapping;
    settings = dialog.data;
    // The dialog's own collection of the macro's objects ends with it.
    settings.standards.macroMapping = callersMapping;
    return true;
}
