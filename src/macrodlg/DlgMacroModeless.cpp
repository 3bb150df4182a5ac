#include "macrodlg/DlgMacroModeless.h"

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "core/macro/MacroClash.h"
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
// View buttons and the directions they ask for.
constexpr struct {
    int id;
    int direction;
} kViews[] = {{1181, 3}, {1182, 0}, {1183, 1}, {1184, 2}};

struct ControlText {
    int id;
    int text;
};
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
    buildPages();
    MacroData& data = macroData();
    int index = -1;
    showTab(data.findTab(data.dialogState().currentTab, index) ? index : 0);
    if (!data.dialogState().title.isEmpty()) SetWindowText(data.dialogState().title.c_str());
    ChangeDlgSize(this, sizeKey());
    clashInitDlgStarted(this);
    clashResetInfo(this);
    CheckDlgButton(kClashBox, clashGetStatus() ? BST_CHECKED : BST_UNCHECKED);
    clashcheck(data, this);
    return TRUE;
}

void DlgMacroModeless::labelControls() {
    for (const ControlText& entry : kTexts) SetDlgItemText(entry.id, dialString(entry.text).c_str());
    // Loading and saving property files are not offered yet.
    EnDisCtrl(this, 1299, false);
    EnDisCtrl(this, 1302, false);
}

void DlgMacroModeless::buildPages() {
    destroyPages();
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl));
    if (!tabs) return;
    tabs->DeleteAllItems();
    MacroData& data = macroData();
    for (int i = 0; i < data.tabCount(); ++i) {
        std::unique_ptr<MacroPage> page;
        if (data.getTab(i)->kind == MacroTabData::kSectionTab)
            page = std::make_unique<MacroSectionPage>(data, i, this);
        else
            page = std::make_unique<MacroPage>(data, i, this);
        tabs->InsertItem(i, data.getTab(i)->name.c_str());
        if (!page->createPage(tabs)) continue;
        page->ShowWindow(SW_HIDE);
        pages_.push_back(std::move(page));
    }
}

void DlgMacroModeless::destroyPages() {
    for (auto& page : pages_)
        if (page->GetSafeHwnd()) page->DestroyWindow();
    pages_.clear();
}

void DlgMacroModeless::showTab(int index) {
    if (!page(index)) return;
    for (auto& other : pages_) other->ShowWindow(SW_HIDE);
    page(index)->refresh();
    page(index)->ShowWindow(SW_SHOW);
    if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(kTabControl))) tabs->SetCurSel(index);
    current_ = index;
    macroData().dialogState().currentTab = macroData().getTab(index)->name;
}

// Every view change first ends whatever host command runs, so the drawing may change.
void DlgMacroModeless::changeView(int direction) {
    acedPostCommand("CANCELCMD");
    macroData().dialogState().viewDirection = direction;
    const MacroTabData* tab = macroData().getTab(current_);
    acutPrintf("View %d on %s.\n", direction, tab ? tab->name.c_str() : "");
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

LRESULT DlgMacroModeless::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAliveMessage) return 1;
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
