#include "macrodlg/DlgMacroModeless.h"

#include <algorithm>
#include <iterator>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "core/macro/MacroClash.h"
#include "core/macro/MacroFilters.h"
#include "core/macro/MacroPickers.h"
#include "core/macro/MacroUpdate.h"
#include "frame/MacroDialogSlots.h"
#include "host/CommandLine.h"
#include "macrodlg/MacroSectionPage.h"
#include "win/CTabCtrl.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kTabControl = 8097;
constexpr int kClashBox = 1292;
constexpr int kReapply = 1293;
constexpr int kPickMacros = 1176;
constexpr int kLoadStandards = 1185;
constexpr int kLoadProperties = 1299;
constexpr int kSaveProperties = 1302;
constexpr int kFirstFilter = 1177;
constexpr int kSecondFilter = 1178;
// View buttons and the directions they ask for.
constexpr struct {
    int id;
    int direction;
} kViews[] = {{1181, 3}, {1182, 0}, {1183, 1}, {1184, 2}};

struct ControlText {
    int id;
    int text;
};
// The tab control grows with the window; the row of buttons below it keeps to the bottom.
constexpr CResizer::CBorderInfo kAnchors[] = {
    {kTabControl, CResizer::eLeft, CResizer::eTop, CResizer::eRight, CResizer::eBottom},
    {1179, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1177, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1180, CResizer::eLeft, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
    {1178, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1176, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1181, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1182, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1183, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1184, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {kClashBox, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1185, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {kReapply, CResizer::eLeft, CResizer::eBottom, CResizer::eLeft, CResizer::eBottom},
    {1299, CResizer::eRight, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
    {1302, CResizer::eRight, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
    {IDOK, CResizer::eRight, CResizer::eBottom, CResizer::eRight, CResizer::eBottom},
};
// Room around the largest page: the tab control's frame and headers, and the button rows.
constexpr int kExtraWidth = 47;
constexpr int kExtraHeight = 160;

// The icon buttons: control, icon, tooltip (dialog string; 0 for the text of its own).
constexpr struct {
    int id;
    int icon;
    int tooltip;
} kIconButtons[] = {{1176, 217, 973}, {1181, 218, 974}, {1182, 220, 975},
                    {1183, 222, 976}, {1184, 221, 977}, {1185, 259, 0},
                    {1292, 237, 980}, {1299, 232, 978}, {1302, 233, 979}};

constexpr ControlText kTexts[] = {{1179, 755}, {1180, 981}, {kReapply, 982}, {IDOK, 285}};

std::unique_ptr<MacroSlotDialog> makeDialog(CWnd* parent) {
    return std::make_unique<DlgMacroModeless>(parent);
}

}  // namespace

void installMacroDialog() {
    setMacroSlotDialogFactory(makeDialog);
}

DlgMacroModeless::DlgMacroModeless(CWnd* parent) : MacroSlotDialog(parent) {}

DlgMacroModeless::~DlgMacroModeless() = default;

MacroPage* DlgMacroModeless::page(int index) {
    return index >= 0 && index < pageCount() ? pages_[static_cast<std::size_t>(index)].get()
                                              : nullptr;
}

Mdx_String DlgMacroModeless::sizeKey() const {
    const MacroData& data = macroData();
    const MacroDialogState& state = data.dialogState();
    Mdx_String name = "EDITVARS_";
    if (data.macroNames().length() == 1)
        name += data.macroNames()[0];
    else if (state.groups.isValidIndex(state.currentGroup))
        name += Mdx_String("GROUP_") + state.groups[state.currentGroup];
    else
        name += Mdx_String::fromInt(data.macroNames().length()) + "_MACROS";
    return Mdx_String("DLG_MACRO_") + name;
}

BOOL DlgMacroModeless::OnInitDialog() {
    MacroSlotDialog::OnInitDialog();
    labelControls();
    getDlgSize(this, minimum_);
    resizer_.Init(m_hWnd, kAnchors, static_cast<int>(std::size(kAnchors)));
    MacroData& data = macroData();
    fillFilterItems(data);
    buildPages();
    int index = -1;
    const int shown = data.findTab(data.dialogState().currentTab, index) ? pageOfTab(index) : -1;
    showTab(shown >= 0 ? shown : 0);
    fillFilterCombos();
    // The start flag: a section tab shown first opens its section settings once the window
    // is up.
    if (data.dialogState().openSectionDialog) {
        data.dialogState().openSectionDialog = false;
        if (auto* section = dynamic_cast<MacroSectionPage*>(page(current_)))
            section->PostMessage(MacroSectionPage::kOpenSettingsMessage, 0, 0);
    }
    if (!data.dialogState().title.isEmpty()) SetWindowText(data.dialogState().title.c_str());
    ChangeDlgSize(this, sizeKey());
    fitSize();
    clashInitDlgStarted(this);
    clashResetInfo(this);
    CheckDlgButton(kClashBox, clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    clashcheck(data, this);
    return TRUE;
}

void DlgMacroModeless::labelControls() {
    for (const ControlText& entry : kTexts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    for (std::size_t i = 0; i < std::size(kIconButtons); ++i) {
        CButtonST& button = iconButtons_[i];
        if (!button.SubclassDlgItem(static_cast<UINT>(kIconButtons[i].id), this)) continue;
        button.SetWindowText("");  // the icon alone, as the tooltip names it
        button.SetIcon(kIconButtons[i].icon);
        if (kIconButtons[i].tooltip > 0)
            button.SetTooltipText(kIconButtons[i].tooltip);
        else
            button.SetTooltipText(Mdx_String("Load from standards"));
    }
    EnDisCtrl(this, kLoadProperties, macroData().propListAllowed());
    EnDisCtrl(this, kSaveProperties, macroData().propListAllowed());
}

void DlgMacroModeless::buildPages() {
    destroyPages();
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl));
    if (!tabs) return;
    tabs->DeleteAllItems();
    MacroData& data = macroData();
    for (int i = 0; i < data.tabCount(); ++i) {
        if (!tabPassesFilters(data, i)) continue;
        std::unique_ptr<MacroPage> page;
        if (data.getTab(i)->kind == MacroTabData::kSectionTab)
            page = std::make_unique<MacroSectionPage>(data, i, this);
        else
            page = std::make_unique<MacroPage>(data, i, this);
        tabs->InsertItem(pageCount(), data.getTab(i)->name.c_str());
        if (!page->createPage(tabs)) continue;
        page->ShowWindow(SW_HIDE);
        pages_.push_back(std::move(page));
    }
    layoutPages();
}

// Every page fills the tab control's display area.
void DlgMacroModeless::layoutPages() {
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl));
    if (!tabs) return;
    RECT area;
    tabs->GetClientRect(&area);
    tabs->AdjustRect(FALSE, &area);
    for (auto& page : pages_)
        if (page->GetSafeHwnd())
            page->MoveWindow(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

// The window makes room for its largest page, never below the template's size; a larger
// size the user chose is kept.
void DlgMacroModeless::fitSize() {
    SIZE needed = minimum_;
    for (auto& page : pages_) {
        needed.cx = std::max(needed.cx, page->neededSize().cx + kExtraWidth);
        needed.cy = std::max(needed.cy, page->neededSize().cy + kExtraHeight);
    }
    resizer_.setMinimumTrackSize(needed);
    RECT rect;
    GetWindowRect(&rect);
    const int width = std::max<int>(needed.cx, rect.right - rect.left);
    const int height = std::max<int>(needed.cy, rect.bottom - rect.top);
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    resizer_.Move();
    layoutPages();
}

void DlgMacroModeless::OnSize(UINT type, int cx, int cy) {
    MacroSlotDialog::OnSize(type, cx, cy);
    resizer_.Move();
    layoutPages();
}

void DlgMacroModeless::OnGetMinMaxInfo(MINMAXINFO* info) {
    MacroSlotDialog::OnGetMinMaxInfo(info);
    resizer_.OnGetMinMaxInfo(info);
}

void DlgMacroModeless::destroyPages() {
    for (auto& page : pages_)
        if (page->GetSafeHwnd()) page->DestroyWindow();
    pages_.clear();
}

void DlgMacroModeless::showTab(int index) {
    if (!page(index)) return;
    KvTempResourceOverride resources;
    MacroPage* leaving = page(current_);
    if (leaving && leaving->tab()) focus_.remember(leaving->tab()->name, *leaving);
    for (auto& other : pages_) other->ShowWindow(SW_HIDE);
    page(index)->refresh();
    page(index)->ShowWindow(SW_SHOW);
    // The first page shown gets the focus in its first zone; a tab shown again gets it back
    // where the user left it.
    const MacroTabData* shownTab = page(index)->tab();
    if (!shownOnce_ || !shownTab || !focus_.restore(shownTab->name, *page(index)))
        page(index)->focusFirstZone();
    shownOnce_ = true;
    if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl))) tabs->SetCurSel(index);
    current_ = index;
    if (const MacroTabData* tab = page(index)->tab()) macroData().dialogState().currentTab = tab->name;
}

int DlgMacroModeless::pageOfTab(int tabIndex) const {
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (pages_[i]->tabIndex() == tabIndex) return static_cast<int>(i);
    return -1;
}

// Further macros picked in the drawing join the data; the pages are made again for them.
void DlgMacroModeless::pickMacros() {
    acedPostCommand("CANCELCMD");
    ShowWindow(SW_HIDE);
    const bool added = SelectOtherMacros(macroData());
    ShowWindow(SW_SHOW);
    if (!added) return;
    const int shown = std::max(current_, 0);
    fillFilterItems(macroData());
    buildPages();
    showTab(std::min(shown, pageCount() - 1));
    fillFilterCombos();
    clashResetInfo(this);
    fitSize();
}

// Every view change first ends whatever host command runs, so the drawing may change.
void DlgMacroModeless::changeView(int direction) {
    acedPostCommand("CANCELCMD");
    const MacroTabData* tab = page(current_) ? page(current_)->tab() : nullptr;
    macroData().changeView(direction, tab ? tab->name : Mdx_String());
}

void DlgMacroModeless::closeDialog() {
    if (closing_) return;
    closing_ = true;
    changeView(3);
    macroData().dialogState().closed = true;
    if (slotNumber() < 0) {
        acedPostCommandPrompt();
        EndDialog(IDOK);
        return;
    }
    // Deleted by the slot table once this handler has returned.
    ShowWindow(SW_HIDE);
    requestMacroDialogClose(slotNumber());
}

BOOL DlgMacroModeless::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED) {
        for (const auto& view : kViews)
            if (id == view.id) return changeView(view.direction), TRUE;
        if (id == kPickMacros) return pickMacros(), TRUE;
        if (id == kLoadStandards) return loadFromStandards(), TRUE;
        if (id == kLoadProperties) return loadProperties(), TRUE;
        if (id == kSaveProperties) return saveProperties(), TRUE;
        if (id == kClashBox) {
            clashSetStatus(IsDlgButtonChecked(kClashBox) == BST_CHECKED);
            clashcheck(macroData(), this);
            return TRUE;
        }
        if (id == kReapply) {
            if (reApply(macroData())) {
                closeDialog();
            } else {
                for (auto& page : pages_) page->refresh();
                MessageBox(Mdx_String::fromUtf8(macroData().updateError()).c_str(),
                           dialString(982).c_str(), MB_OK | MB_ICONEXCLAMATION);
            }
            return TRUE;
        }
    }
    if (HIWORD(wParam) == CBN_SELCHANGE && (id == kFirstFilter || id == kSecondFilter))
        return filterChanged(id == kFirstFilter), TRUE;
    return MacroSlotDialog::OnCommand(wParam, lParam);
}

BOOL DlgMacroModeless::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == kTabControl && header->code == TCN_SELCHANGE) {
        if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl))) showTab(tabs->GetCurSel());
        return TRUE;
    }
    return MacroSlotDialog::OnNotify(wParam, lParam, result);
}

// A modeless window handles its messages outside any launcher, so each message is handled
// with the module's own resources (texts, templates) active.
LRESULT DlgMacroModeless::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAliveMessage) return 1;
    KvTempResourceOverride resources;
    return MacroSlotDialog::WindowProc(message, wParam, lParam);
}

void DlgMacroModeless::OnOK() {
    closeDialog();
}

void DlgMacroModeless::OnCancel() {
    closeDialog();
}

void DlgMacroModeless::OnClose() {
    closeDialog();
}

void DlgMacroModeless::OnDestroy() {
    WriteDlgSize(this, sizeKey());
    clashDlgClosed(this);
    destroyPages();
    MacroSlotDialog::OnDestroy();
}
