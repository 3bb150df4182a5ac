#include "macrodlg/MacroPage.h"

#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "core/macro/BoltCatalogue.h"
#include "core/macro/Mdx_DialogVariable.h"
#include "grid/SpreadApi.h"
#include "host/CommandLine.h"
#include "designer/DesignerLaunch.h"
#include "macrodlg/DlgBoltAdvanced.h"
#include "win/CDC.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

// The grid tells its parent that a cell was left after editing.
constexpr WORD kGridLeaveCell = 0x508;
constexpr COLORREF kGridBackground = RGB(230, 230, 230);

Mdx_String selectedText(CWnd* dialog, int id) {
    auto* box = static_cast<CComboBox*>(dialog->GetDlgItem(id));
    const int selection = box ? box->GetCurSel() : -1;
    if (selection < 0) return {};
    std::string text;
    box->GetLBText(selection, text);
    return Mdx_String(text.c_str(), static_cast<int>(text.size()));
}

void fillAndSelect(CWnd* dialog, int id, const Mdx_StringArray& items, const Mdx_String& text) {
    Mdx_StringArray list = items;
    if (!text.isEmpty() && !list.contains(text, false)) list.insertAt(0, text);
    int selection = -1;
    for (int i = 0; i < list.length(); ++i)
        if (list[i].equal(text, false)) selection = i;
    FillCombo(dialog, id, list, selection);
}

}  // namespace

MacroPage::MacroPage(MacroData& owner, int tabIndex, const void* clashOwner)
    : MacroPage(owner, tabIndex, clashOwner, kTemplateId) {}

MacroPage::MacroPage(MacroData& owner, int tabIndex, const void* clashOwner, UINT templateId)
    : owner_(owner), tabIndex_(tabIndex), clashOwner_(clashOwner), templateId_(templateId) {}

MacroPage::~MacroPage() = default;

bool MacroPage::createPage(CWnd* parent) {
    KvTempResourceOverride resources;  // the page's template is the module's own
    if (!Create(templateId_, parent)) return false;
    RECT rect;
    GetWindowRect(&rect);
    needed_ = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    return true;
}

BOOL MacroPage::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(1109, dialString(275).c_str());
    SetDlgItemText(1110, dialString(328).c_str());
    SetDlgItemText(1114, dialString(968).c_str());
    if (MacroTabData* data = tab()) data->removeAllDlgReferences();
    buildDesign();
    grid_.attachToDlgItem(this, gridPlaceholder(), false);
    grid_.setStandardLayout(1);
    buildGrid();
    fillBoltRow();
    refresh();
    active_ = true;
    return TRUE;
}

// The design sits at the page's top left over its picture; the template's own controls (the
// grid's place, the bolt row, a section panel) move below it.
void MacroPage::buildDesign() {
    MacroTabData* data = tab();
    if (!data || !design_.build(*this, *data)) return;
    const SIZE picture = design_.size();
    if (picture.cy <= 0) return;
    designShift_ = picture.cy + 4;
    shiftTemplateControls(designShift_);
    needed_.cx = std::max<LONG>(needed_.cx, picture.cx + 6);
    needed_.cy += designShift_;
}

bool MacroPage::showsBoltRow() {
    const MacroTabData* data = tab();
    return data && data->kind == MacroTabData::kBoltTab && data->getBoltData() &&
           data->getBoltData()->buttonId < 1;
}

// One row per item without a designed control; each records -row as its control id.
void MacroPage::buildGrid() {
    rows_.clear();
    MacroTabData* data = tab();
    if (!data) return;
    for (int i = 0; i < data->variables().length(); ++i) {
        MacroVarData& variable = data->variables()[i];
        if (variable.ctrlId > 0) continue;
        rows_.push_back({GridRow::Variable, i, {}});
        variable.ctrlId = -static_cast<int>(rows_.size());
    }
    if (data->kind == MacroTabData::kBoltTab) {
        for (int i = 0; i < data->patterns().length(); ++i) {
            // Only the parts the design does not show get rows.
            MacroPatternData& pattern = data->patterns()[i];
            if (pattern.countId <= 0) {
                rows_.push_back({GridRow::PatternCount1, i, {}});
                pattern.countId = -static_cast<int>(rows_.size());
                if (pattern.twoDirections) rows_.push_back({GridRow::PatternCount2, i, {}});
            }
            if (pattern.valueId <= 0) {
                rows_.push_back({GridRow::PatternSpacing, i, {}});
                pattern.valueId = -static_cast<int>(rows_.size());
            }
        }
    }
    const int count = static_cast<int>(rows_.size());
    grid_.setMaxCols(kGridColumns, false);
    grid_.setMaxRows(count, false);
    const HWND hwnd = grid_.GetSafeHwnd();
    SSSetColorRange(hwnd, 1, 1, kGridColumns, count, kGridBackground, RGB(0, 0, 0));
    for (int row = 1; row <= count; ++row) {
        SSAddCellSpan(hwnd, 1, row, 2, 1);
        SSAddCellSpan(hwnd, 3, row, 2, 1);
        grid_.setCellLocked(1, row, true);
    }
    if (count == 0) grid_.ShowWindow(SW_HIDE);
}

void MacroPage::fillGrid() {
    MacroTabData* data = tab();
    if (!data) return;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        GridRow& row = rows_[r];
        const int line = static_cast<int>(r) + 1;
        Mdx_String label, value;
        bool readOnly = false, check = false;
        if (row.kind == GridRow::Variable) {
            const MacroVarData& variable = data->variables()[row.index];
            label = variable.name;
            value = variable.value;
            readOnly = variable.readOnly;
            check = variable.kind == kVarCheck;
        } else {
            const MacroPatternData& pattern = data->patterns()[row.index];
            const char* what = row.kind == GridRow::PatternCount1   ? " count 1"
                               : row.kind == GridRow::PatternCount2 ? " count 2"
                                                                    : " spacing";
            label = pattern.name + what;
            value = row.kind == GridRow::PatternCount1   ? pattern.nrBolts1
                    : row.kind == GridRow::PatternCount2 ? pattern.nrBolts2
                                                         : pattern.value;
        }
        grid_.setCellData(1, line, label);
        if (check) {
            grid_.setCheckBoxCell(3, line, false);
            grid_.setCheck(3, line, value == Mdx_String("1"));
        } else {
            grid_.setEditCell(3, line);
            grid_.setCellData(3, line, value);
        }
        grid_.setCellLocked(3, line, readOnly);
        // What the cell shows now, so that reading back can tell an untouched cell.
        grid_.getCellText(3, line, row.shown, kTextData);
    }
}

// Only cells whose text differs from what was shown are taken: an untouched value stays as
// exact as the tab holds it, whatever the cell's display does to it.
void MacroPage::readGrid() {
    MacroTabData* data = tab();
    if (!data) return;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const GridRow& row = rows_[r];
        Mdx_String text;
        grid_.getCellText(3, static_cast<int>(r) + 1, text, kTextData);
        if (text == row.shown) continue;
        if (row.kind == GridRow::Variable) {
            data->variables()[row.index].value = text;
            continue;
        }
        MacroPatternData& pattern = data->patterns()[row.index];
        (row.kind == GridRow::PatternCount1   ? pattern.nrBolts1
         : row.kind == GridRow::PatternCount2 ? pattern.nrBolts2
                                              : pattern.value) = text;
    }
}

void MacroPage::fillBoltRow() {
    const bool shown = showsBoltRow();
    for (int id : {1109, 1091, 1110, 1092, 1114}) ShowOrHideCtrl(this, id, shown ? SW_SHOW : SW_HIDE);
    if (!shown) return;
    const MacroBoltData& bolts = *tab()->getBoltData();
    Mdx_StringArray assemblies, diameters;
    GetAssemblies(assemblies);
    GetMergedDiameters(owner_, diameters);
    fillAndSelect(this, 1091, assemblies, bolts.assembly);
    fillAndSelect(this, 1092, diameters, bolts.diameter);
}

void MacroPage::readBoltRow() {
    if (!showsBoltRow()) return;
    MacroBoltData& bolts = *tab()->getBoltData();
    bolts.assembly = selectedText(this, 1091);
    bolts.diameter = selectedText(this, 1092);
}

void MacroPage::readPage() {
    if (MacroTabData* data = tab()) design_.read(*data);
    readGrid();
    readBoltRow();
}

void MacroPage::refresh() {
    const bool wasActive = active_;
    active_ = false;
    if (MacroTabData* data = tab()) design_.refresh(*data);
    fillGrid();
    fillBoltRow();
    active_ = wasActive;
}

MacroApplyResult MacroPage::apply() {
    MacroTabData* data = tab();
    if (!data) return {};
    active_ = false;
    const MacroTabData before = *data;
    readPage();
    return applySince(before);
}

MacroApplyResult MacroPage::applySince(const MacroTabData& before) {
    active_ = false;
    lastApply_ = applyTabChanges(owner_, tabIndex_, before, clashOwner_);
    refresh();
    if (lastApply_.applied || lastApply_.refused) acedPostCommandPrompt();
    if (lastApply_.refused) {
        const Mdx_String text = Mdx_String::fromUtf8("The change was not applied: " +
                                                     lastApply_.reason + ".");
        MessageBox(text.c_str(), tab()->name.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    active_ = true;
    return lastApply_;
}

bool MacroPage::applyBoltData(MacroBoltData& data) {
    MacroTabData* own = tab();
    if (!own || !own->getBoltData()) return false;
    const MacroTabData before = *own;
    own->setBoltSettings(data);
    active_ = false;
    lastApply_ = applyTabChanges(owner_, tabIndex_, before, clashOwner_);
    refresh();
    active_ = true;
    if (tab() && tab()->getBoltData()) data = *tab()->getBoltData();
    return !lastApply_.refused;
}

void MacroPage::openBoltSettings() {
    MacroTabData* own = tab();
    if (!own || !own->getBoltData()) return;
    // What was typed on the page is applied first: the settings' apply compares with the tab
    // as it is when they open, so a value only read into the tab would never reach the drawing.
    apply();
    own = tab();
    if (!own || !own->getBoltData()) return;
    Mdx_StringArray diameters;
    GetMergedDiameters(owner_, diameters);
    KvTempResourceOverride resources;
    DlgBoltAdvanced dialog(*own->getBoltData(), diameters, this, this);
    dialog.DoModal();
}

BOOL MacroPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (id == 1114 && code == BN_CLICKED) {
        openBoltSettings();
        return TRUE;
    }
    if (!active_) return CDialog::OnCommand(wParam, lParam);
    if (design_.present() && design_.document().isADynControl(id) && designedCommand(id, code))
        return TRUE;
    if ((id == 1091 || id == 1092) && code == CBN_SELCHANGE) {
        apply();
        if (id == 1091) fillBoltRow();
        return TRUE;
    }
    if (code == kGridLeaveCell && id == gridPlaceholder()) {
        apply();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

// What a designed control's notification does: a changed combo, a left edit field or a
// clicked check box applies; the bolt settings button opens them.
bool MacroPage::designedCommand(int id, WORD code) {
    Mdx_ControlType type = ctStaticText;
    if (!design_.document().getDynControlType(id, type)) return false;
    switch (type) {
        case ctBoltAdvancedButton:
            if (code != BN_CLICKED) return false;
            openBoltSettings();
            return true;
        case ctVarCheck:
            if (code != BN_CLICKED) return false;
            apply();
            return true;
        case ctDistanceButton:
        case ctDistanceButton2:
            if (code != BN_CLICKED) return false;
            if (distanceClicked(id)) apply();
            return true;
        case ctFlexButton:
            if (code != BN_CLICKED) return false;
            flexClicked(id);
            return true;
        case ctArrayAdvancedButton:
            if (code != BN_CLICKED) return false;
            arrayClicked(id);
            return true;
        case ctPatternButton:
            if (code != BN_CLICKED) return false;
            patternClicked(id);
            return true;
        default:
            break;
    }
    if (code == CBN_SELCHANGE || code == EN_KILLFOCUS) {
        apply();
        return true;
    }
    return false;
}

bool MacroPage::openDesigner() {
    MacroTabData* data = tab();
    const Mdx_String file = data ? MacroPageDesign::designFile(*data) : Mdx_String();
    if (file.isEmpty()) return false;
    StartDlgDesigner(file);
    rebuildDesign();
    return true;
}

// The page again from the design as it now is, in place; its values come from the tab.
void MacroPage::rebuildDesign() {
    MacroTabData* data = tab();
    if (!data) return;
    active_ = false;
    design_.document().removeAllDrawnCtrls();
    shiftTemplateControls(-designShift_);
    needed_.cy -= designShift_;
    designShift_ = 0;
    design_ = MacroPageDesign();
    data->removeAllDlgReferences();
    buildDesign();
    buildGrid();
    refresh();
    Invalidate();
    active_ = true;
}

void MacroPage::shiftTemplateControls(int dy) {
    if (dy == 0) return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (id >= MacroPageDesign::kFirstId && id <= MacroPageDesign::kLastId) continue;
        RECT rect;
        ::GetWindowRect(child, &rect);
        POINT topLeft{rect.left, rect.top};
        ::ScreenToClient(m_hWnd, &topLeft);
        ::MoveWindow(child, topLeft.x, topLeft.y + dy, rect.right - rect.left,
                     rect.bottom - rect.top, FALSE);
    }
}

BOOL MacroPage::PreTranslateMessage(MSG* msg) {
    // The designer opens once the key is handled: the page's controls are made again then.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F12 && active_) {
        PostMessage(kOpenDesignerMessage);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && active_ && handleKey(static_cast<UINT>(msg->wParam)))
        return TRUE;
    // A bolt count typed in a designed count field applies when the space bar is let go.
    if (msg->message == WM_KEYUP && msg->wParam == VK_SPACE && active_ && design_.present() &&
        design_.document().isTypeBoltCount(::GetDlgCtrlID(msg->hwnd)))
        apply();
    return CDialog::PreTranslateMessage(msg);
}

// The design's picture is the page's background; the face shows around it.
BOOL MacroPage::OnEraseBkgnd(HDC dc) {
    CDC context;
    context.Attach(dc);
    RECT client;
    GetClientRect(&client);
    context.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    design_.document().OnEraseBkgnd(&context);
    context.Detach();
    return TRUE;
}

// Pages of a modeless window handle their messages outside any launcher: each message is
// handled with the module's own resources active.
LRESULT MacroPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    KvTempResourceOverride resources;
    if (message == kOpenDesignerMessage) return openDesigner() ? 1 : 0;
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL MacroPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (active_ && header && header->code == kGridLeaveCell) {
        apply();
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}
