#include "macroedit/KvEditConstraintsDlg.h"

#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/Texts.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/MacroSettings.h"
#include "core/macro/Mdx_DbMacro.h"
#include "frame/ConstraintEditorLaunch.h"
#include "host/AcTransaction.h"
#include "macroedit/ConstraintPage.h"
#include "macroedit/EscapeGuard.h"
#include "macroedit/ObjectPage.h"
#include "macroedit/ToolPage.h"
#include "macroedit/VariablesPage.h"
#include "spread/ValueInputDialog.h"
#include "standards/MacroSettingsDlg.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kSelectMacro = 1079;
constexpr int kAddModule = 1090;
constexpr int kRename = 1183;
constexpr int kRemoveModule = 1089;
constexpr int kSettings = 1137;
constexpr int kZoom = 1320;
constexpr int kAddModuleCode = 11;

struct PictureButton {
    int id, icon, tip;
};
constexpr PictureButton kPictures[] = {
    {kSelectMacro, 217, 865}, {kAddModule, 212, 866}, {kRemoveModule, 206, 867}, {kZoom, 234, 868}};

struct Anchor {
    int id, horizontal, vertical;
};
constexpr Anchor kAnchors[] = {{kSelectMacro, 3, 3}, {KvEditConstraintsDlg::kModuleCombo, 6, 3},
                               {kAddModule, 5, 3},   {kRename, 5, 3},
                               {kRemoveModule, 5, 3}, {KvEditConstraintsDlg::kTabs, 6, 6},
                               {kSettings, 3, 5},    {kZoom, 3, 5},
                               {IDOK, 5, 5}};

constexpr int kTabTexts[KvEditConstraintsDlg::kPageCount] = {873, 874, 875, 876};

const char* const kSizeKey = "DLG_EDIT_MACRO";

}  // namespace

KvEditConstraintsDlg::KvEditConstraintsDlg(CWnd* parent)
    : CAcUiTabMainDialog(kTemplateId, parent) {}

KvEditConstraintsDlg::~KvEditConstraintsDlg() = default;

BOOL KvEditConstraintsDlg::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SIZE stored{};
    if (getDlgSize(Mdx_String(kSizeKey), stored)) minTrack_ = stored;
    labelControls();
    registerLayout();
    OpenEditContext(data);
    fillModules();
    tabs_.SubclassDlgItem(kTabs, this);
    createPages();
    selectTab(0);
    if (CWnd* name = constraintPage() ? constraintPage()->GetDlgItem(1000) : nullptr) {
        name->SetFocus();
        name->SendMessage(EM_SETSEL, 0, -1);
    }
    ChangeDlgSize(this, kSizeKey);
    return FALSE;
}

void KvEditConstraintsDlg::labelControls() {
    for (std::size_t i = 0; i < std::size(kPictures); ++i) {
        pictureButtons_[i].SubclassDlgItem(kPictures[i].id, this);
        if (kPictures[i].id != kSelectMacro) pictureButtons_[i].SetIcon(kPictures[i].icon);
        pictureButtons_[i].SetTooltipText(kPictures[i].tip);
    }
    SetWindowText(dialString(869).c_str());
    SetDlgItemText(IDOK, dialString(285).c_str());
    SetDlgItemText(kSelectMacro, dialString(870).c_str());
    SetDlgItemText(kRename, dialString(871).c_str());
    SetDlgItemText(kSettings, dialString(872).c_str());
}

void KvEditConstraintsDlg::registerLayout() {
    layout_.registerChildren(m_hWnd);
    for (const Anchor& anchor : kAnchors)
        layout_.setControlFlags(anchor.id, anchor.horizontal, anchor.vertical);
}

void KvEditConstraintsDlg::createPages() {
    pages_[0] = std::make_unique<ConstraintPage>(*this);
    pages_[1] = std::make_unique<ObjectPage>(*this);
    pages_[2] = std::make_unique<VariablesPage>(*this);
    pages_[3] = std::make_unique<ToolPage>(*this);
    for (int i = 0; i < kPageCount; ++i) {
        tabs_.InsertItem(i, dialString(kTabTexts[i]).c_str());
        pages_[i]->Create(pages_[i]->m_nIDTemplate, this);
        pages_[i]->ShowWindow(SW_HIDE);
    }
    placePages();
}

// The pages fill the tab's display area and lie above the tab control.
void KvEditConstraintsDlg::placePages() {
    if (!tabs_.GetSafeHwnd()) return;
    RECT area;
    tabs_.GetWindowRect(&area);
    ScreenToClient(&area);
    tabs_.AdjustRect(FALSE, &area);
    for (auto& page : pages_)
        if (page && page->GetSafeHwnd())
            ::SetWindowPos(page->GetSafeHwnd(), HWND_TOP, area.left, area.top + 2,
                           area.right - area.left - 3, area.bottom - area.top - 4, 0);
}

EditorPage* KvEditConstraintsDlg::page(int index) {
    return index >= 0 && index < kPageCount ? pages_[index].get() : nullptr;
}
ConstraintPage* KvEditConstraintsDlg::constraintPage() {
    return static_cast<ConstraintPage*>(page(0));
}
ObjectPage* KvEditConstraintsDlg::objectPage() {
    return static_cast<ObjectPage*>(page(1));
}
VariablesPage* KvEditConstraintsDlg::variablesPage() {
    return static_cast<VariablesPage*>(page(2));
}

void KvEditConstraintsDlg::selectTab(int index) {
    if (!page(index)) return;
    // Coming back rebuilds the rules: what was typed for the shown rule is kept first.
    if (tab_ == 0 && constraintPage()) constraintPage()->saveCurrentRow();
    if (page(tab_)) page(tab_)->leave();
    for (auto& other : pages_) other->ShowWindow(SW_HIDE);
    tab_ = index;
    tabs_.SetCurSel(index);
    page(index)->refresh();
    page(index)->ShowWindow(SW_SHOW);
}

void KvEditConstraintsDlg::fillModules() {
    Mdx_StringArray names;
    MacroGetModules(data, names);
    data.moduleNames = names;
    FillCombo(this, kModuleCombo, names, names.find(data.currentModule, false));
}

bool KvEditConstraintsDlg::commitPages() {
    if (constraintPage()) constraintPage()->saveCurrentRow();
    const bool names = !objectPage() || objectPage()->storeNames();
    const bool variables = !variablesPage() || variablesPage()->readBack();
    return names && variables;
}

void KvEditConstraintsDlg::refreshPages() {
    for (auto& page : pages_)
        if (page) page->refresh();
}

// Removing the last module of the list leaves no module to edit: the pages then show
// nothing instead of the removed module's stale tables.
void KvEditConstraintsDlg::applyModule(int index, bool commit) {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    UnHighlightConstraints();
    // Edits the module refused stay on the pages (after their message) to be put right.
    if (commit && !commitPages()) {
        if (combo) combo->SetCurSel(data.moduleNames.find(data.currentModule, false));
        return;
    }
    std::string name;
    if (combo && index >= 0 && index < combo->GetCount()) combo->GetLBText(index, name);
    if (combo) combo->SetCurSel(index);
    data.currentModule = Mdx_String(name);
    if (name.empty() || !SetCurrentModule(data, data.currentModule)) OpenEditContext(data);
    refreshPages();
}

void KvEditConstraintsDlg::runTool(int code) {
    // The tool rebuilds the rule table: what was typed for the shown rule is kept first.
    if (constraintPage()) constraintPage()->saveCurrentRow();
    if (!editorCommand([&] { return StartMacroCommand(data, code); })) return;
    if (code == kAddModuleCode) {
        fillModules();
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kModuleCombo));
        applyModule(combo ? combo->GetCount() - 1 : -1);
    } else if (code <= 10) {
        fillModules();
        selectTab(0);
        refreshPages();
    }
}

void KvEditConstraintsDlg::renameModule() {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (!combo || combo->GetCurSel() < 0) return;
    ValueInputDialog input(this);
    input.setTexts(dialString(877), dialString(878), data.currentModule, dialString(1),
                   dialString(2));
    if (input.DoModal() != IDOK) return;
    const int index = combo->GetCurSel();
    if (!commitPages() || !RenameModule(data, input.value())) return;
    fillModules();
    applyModule(index);
}

void KvEditConstraintsDlg::removeModule() {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(kModuleCombo));
    if (!combo || combo->GetCurSel() < 0) return;
    std::string name;
    const int index = combo->GetCurSel();
    combo->GetLBText(index, name);
    if (!RemoveModule(data, Mdx_String(name))) return;
    fillModules();
    applyModule(std::min(index, combo->GetCount() - 1), false);  // the pages showed the removed module
}

void KvEditConstraintsDlg::selectOtherMacro() {
    if (!commitPages() || !editorCommand([&] { return SelectOtherMacro(data); })) return;
    fillModules();
    refreshPages();
}

// The settings are kept with the macro object, so they are saved with the drawing; the
// standards page offers the macro's objects while the macro is open.
void KvEditConstraintsDlg::generalSettings() {
    if (!data.database) return;
    AcTransaction transaction(*data.database);
    Mdx_DbMacro* macro = nullptr;
    if (transaction.getObject(macro, data.macroId, host::OpenMode::ForWrite) != Acad::eOk) return;
    MacroSettings settings;
    GetMacroSettings(*macro, settings);
    settings.dbMacro = macro;
    settings.transaction = &transaction;
    if (!RunMacroSettingsDialog(m_hWnd, settings)) {
        transaction.abort();
        return;
    }
    SetMacroSettings(*macro, settings);
    transaction.commit();
}

// Zooming hands the drawing to the user; a second click meanwhile must not start another.
void KvEditConstraintsDlg::zoom() {
    if (zooming_) return;
    zooming_ = true;
    editorCommand([] { return ZoomCommand(); });
    zooming_ = false;
}

BOOL KvEditConstraintsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == kModuleCombo && code == CBN_SELCHANGE) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kModuleCombo));
        applyModule(combo ? combo->GetCurSel() : -1);
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
            case kSelectMacro: return selectOtherMacro(), TRUE;
            case kAddModule: return runTool(kAddModuleCode), TRUE;
            case kRename: return renameModule(), TRUE;
            case kRemoveModule: return removeModule(), TRUE;
            case kSettings: return generalSettings(), TRUE;
            case kZoom: return zoom(), TRUE;
            default: break;
        }
    }
    return CAcUiTabMainDialog::OnCommand(wParam, lParam);
}

BOOL KvEditConstraintsDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(kTabs) && header->code == TCN_SELCHANGE) {
        // Variables that cannot be stored keep the user on their page to put them right.
        if (tab_ == 2 && variablesPage() && !variablesPage()->readBack()) {
            tabs_.SetCurSel(2);
            return TRUE;
        }
        selectTab(tabs_.GetCurSel());
        return TRUE;
    }
    return CAcUiTabMainDialog::OnNotify(wParam, lParam, result);
}

void KvEditConstraintsDlg::OnSize(UINT type, int cx, int cy) {
    CAcUiTabMainDialog::OnSize(type, cx, cy);
    layout_.applyLayout();
    placePages();
}

void KvEditConstraintsDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
    if (!info) return;
    info->ptMinTrackSize.x = minTrack_.cx;
    info->ptMinTrackSize.y = minTrack_.cy;
}

void KvEditConstraintsDlg::OnDestroy() {
    if (!pagesCommitted_) commitPages();
    UnHighlightConstraints();
    if (objectPage()) objectPage()->leave();
    WriteDlgSize(this, kSizeKey);
    escape_guard::stop();
    for (auto& page : pages_)
        if (page && page->GetSafeHwnd()) page->DestroyWindow();
    CAcUiTabMainDialog::OnDestroy();
}

// The modeless editor is deleted by EndDlgEditConstraints: nothing of it is touched after.
// Edits the module refused keep the editor open (after their message) to be put right.
void KvEditConstraintsDlg::OnOK() {
    if (!commitPages()) return;
    pagesCommitted_ = true;
    if (modeless_) return EndDlgEditConstraints();
    CAcUiTabMainDialog::OnOK();
}

// Edits the module refused would be lost after their message: the user chooses to discard
// them and close, or to stay and put them right.
void KvEditConstraintsDlg::OnCancel() {
    if (!commitPages() &&
        MessageBox(dialString(9307).c_str(), dialString(869).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    pagesCommitted_ = true;
    if (modeless_) return EndDlgEditConstraints();
    CAcUiTabMainDialog::OnCancel();
}

// The close box closes as Cancel does, asking first about refused edits.
void KvEditConstraintsDlg::OnClose() {
    OnCancel();
}

// The key never reaches the page's own dialog handling, which would end the page instead of
// the editor. A guarded or swallowed Escape belongs to the drawing: the editor stays.
BOOL EditorPage::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        if (editor_.swallowNextEscape) {
            editor_.swallowNextEscape = false;
            return TRUE;
        }
        if (escape_guard::isActive()) return TRUE;
        editor_.OnCancel();  // may delete this page: nothing of it is touched after
        return TRUE;
    }
    return CAcUiDialog::PreTranslateMessage(msg);
}
