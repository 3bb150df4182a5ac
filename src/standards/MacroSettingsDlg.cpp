#include "standards/MacroSettingsDlg.h"

#include <vector>

#include "core/DialogHelpers.h"
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

using A = CResizer;
// The list pages' grid and the description grow with the page; the standards page's list
// keeps its height and its mapping grid takes the rest.
const std::vector<CResizer::CBorderInfo> kListAnchors = {
    {1480, A::eLeft, A::eTop, A::eRight, A::eBottom},
    {1088, A::eRight, A::eTop, A::eRight, A::eTop},
    {1089, A::eRight, A::eTop, A::eRight, A::eTop}};
const std::vector<CResizer::CBorderInfo> kDescriptionAnchors = {
    {1471, A::eLeft, A::eTop, A::eRight, A::eBottom},
    {1472, A::eLeft, A::eBottom, A::eLeft, A::eBottom},
    {1473, A::eLeft, A::eBottom, A::eRight, A::eBottom}};
const std::vector<CResizer::CBorderInfo> kStandardsAnchors = {
    {1440, A::eLeft, A::eTop, A::eRight, A::eTop},
    {1441, A::eLeft, A::eTop, A::eRight, A::eTop},
    {1088, A::eRight, A::eTop, A::eRight, A::eTop},
    {1089, A::eRight, A::eTop, A::eRight, A::eTop},
    {1443, A::eRight, A::eTop, A::eRight, A::eTop},
    {1442, A::eRight, A::eTop, A::eRight, A::eTop},
    {1444, A::eLeft, A::eTop, A::eRight, A::eBottom},
    {1196, A::eLeft, A::eTop, A::eRight, A::eBottom}};

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
    RECT window;
    GetWindowRect(&window);
    minimum_ = {window.right - window.left, window.bottom - window.top};
    offerMacro();
    createPages();
    std::vector<CWnd*> pages;
    std::vector<Mdx_String> texts;
    for (int i = 0; i < kPageCount; ++i) {
        pages_[i]->Create(pages_[i]->m_nIDTemplate, this);
        pages.push_back(pages_[i].get());
        texts.push_back(dialString(kTabTexts[i]));
    }
    tabs_.attach(*this, kTabs, std::move(pages), texts);
    tabs_.place();
    anchorPages();
    ChangeDlgSize(this, kSizeKey);
    tabs_.place();
    tabs_.show(0);
    return TRUE;
}

// After the pages took their first size, so each control keeps its distances from there.
void MacroSettingsDlg::anchorPages() {
    pages_[2]->anchor(kDescriptionAnchors);
    pages_[3]->anchor(kListAnchors);
    pages_[4]->anchor(kListAnchors);
    pages_[kStandardsPage]->anchor(kStandardsAnchors);
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

BOOL MacroSettingsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const int selected = tabs_.selectionChangedTo(lParam);
    if (selected >= 0) {
        tabs_.show(selected);
        return TRUE;
    }
    return CAcUiTabMainDialog::OnNotify(wParam, lParam, result);
}

void MacroSettingsDlg::OnSize(UINT type, int cx, int cy) {
    CAcUiTabMainDialog::OnSize(type, cx, cy);
    tabs_.place();
}

void MacroSettingsDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
    if (info && minimum_.cx > 0) info->ptMinTrackSize = {minimum_.cx, minimum_.cy};
}

void MacroSettingsDlg::OnDestroy() {
    WriteDlgSize(this, kSizeKey);
    CAcUiTabMainDialog::OnDestroy();
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
