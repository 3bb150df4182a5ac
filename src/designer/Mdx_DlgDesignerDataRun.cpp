// What a designed page does at run time: keyboard order and Tab, the values shown by the
// controls, read-only state and the groups of flex buttons.
#include <algorithm>

#include "core/DialogHelpers.h"
#include "core/ObjectExportOrder.h"
#include "core/Texts.h"
#include "designer/CControlRect.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "win/Bitmap.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/ResourceModule.h"
#include "win/ScriptedUser.h"

namespace {

constexpr int kMixedWord = 695;
constexpr int kFlexIcon = 239;

bool numbered(const Mdx_DesignerControl& c) {
    return !c.readOnly && c.type != ctStaticText && c.type != ctGroupBox;
}

}  // namespace

// Row by row from the top, left to right within a row; a row is everything that starts no
// lower than the bottom edge of its top-most control.
void Mdx_DlgDesignerData::sortAllControls() {
    std::vector<int> candidates;
    for (int i = 0; i < getNrControls(); ++i)
        if (numbered(m_controls[static_cast<std::size_t>(i)])) candidates.push_back(i);
    int number = 1;
    while (!candidates.empty()) {
        auto topOf = [this](int i) { return m_controls[static_cast<std::size_t>(i)].topLeftY; };
        const int top = *std::min_element(candidates.begin(), candidates.end(),
                                          [&](int a, int b) { return topOf(a) < topOf(b); });
        const double rowBottom = m_controls[static_cast<std::size_t>(top)].bottomRightY;
        AcArray<double> xs;
        AcArray<int> row;
        std::vector<int> rest;
        for (int i : candidates) {
            // The top control always leads its row, so the loop ends whatever the numbers.
            if (i == top || topOf(i) <= rowBottom) {
                xs.append(m_controls[static_cast<std::size_t>(i)].topLeftX);
                row.append(i);
            } else {
                rest.push_back(i);
            }
        }
        ObjectExportSort(xs, row);
        for (int k = 0; k < row.length(); ++k)
            m_controls[static_cast<std::size_t>(row[k])].tabOrder = number++;
        candidates = rest;
    }
}

bool Mdx_DlgDesignerData::findCtrlWithTabOrder(int number, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        if (m_controls[static_cast<std::size_t>(i)].tabOrder == number) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Mdx_DlgDesignerData::containsEditableCtrls() const {
    return std::any_of(m_controls.begin(), m_controls.end(),
                       [](const Mdx_DesignerControl& c) { return !c.readOnly; });
}

void Mdx_DlgDesignerData::focusControl(int index) {
    const Mdx_DesignerControl* control = getControl(index);
    CControlRect* drawn = control ? getDrawnCtrl(control->resId) : nullptr;
    if (!drawn) return;
    drawn->window()->SetFocus();
    if (designer::isEditType(control->type)) static_cast<CEdit*>(drawn->window())->SetSel(0, -1);
}

bool Mdx_DlgDesignerData::getFocusedDynControl(int& id) const {
    HWND focused = GetFocus();
    if (!focused) return false;
    const int focusedId = GetDlgCtrlID(focused);
    const CControlRect* drawn = getDrawnCtrl(focusedId);
    if (!drawn || drawn->window()->m_hWnd != focused) return false;
    id = focusedId;
    return true;
}

bool Mdx_DlgDesignerData::handleTabKey(UINT key, Mdx_TabMsgHandle& result) {
    result = tabNotHandled;
    if (key != VK_TAB || !m_initialized || !containsEditableCtrls()) return false;
    int id = 0, index = -1;
    if (!getFocusedDynControl(id) || !findCtrlFromResource(id, index)) return false;
    const int t = m_controls[static_cast<std::size_t>(index)].tabOrder;
    int next = -1;
    if (GetKeyState(VK_SHIFT) < 0) {
        if (t <= 1 || !findCtrlWithTabOrder(t - 1, next)) {
            result = tabBeforeFirst;
            return true;
        }
    } else if (!findCtrlWithTabOrder(t + 1, next)) {
        result = tabPastLast;
        return true;
    }
    focusControl(next);
    result = tabHandled;
    return true;
}

bool Mdx_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls()) return false;
    int index = -1;
    if (first) {
        if (!findCtrlWithTabOrder(1, index)) return false;
    } else {
        int highest = 0;
        for (int i = 0; i < getNrControls(); ++i) {
            if (m_controls[static_cast<std::size_t>(i)].tabOrder > highest) {
                highest = m_controls[static_cast<std::size_t>(i)].tabOrder;
                index = i;
            }
        }
        if (index < 0) return false;
    }
    focusControl(index);
    return true;
}

bool Mdx_DlgDesignerData::getCheckValue(int id, Mdx_String& value) const {
    const CControlRect* drawn = getDrawnCtrl(id);
    if (!drawn) return false;
    const int state = static_cast<CButton*>(drawn->window())->GetCheck();
    value = state == BST_INDETERMINATE ? dialString(kMixedWord) : Mdx_String(state ? "1" : "0");
    return true;
}

// The mixed word shows as the third state; any other value makes a plain two-state box again.
bool Mdx_DlgDesignerData::setCheckValue(int id, const Mdx_String& value) {
    CControlRect* drawn = getDrawnCtrl(id);
    if (!drawn) return false;
    auto* button = static_cast<CButton*>(drawn->window());
    const Mdx_String mixedWord = dialString(kMixedWord);
    const bool mixed = !mixedWord.isEmpty() && value == mixedWord;
    button->ModifyStyle(BS_TYPEMASK, mixed ? BS_AUTO3STATE : BS_AUTOCHECKBOX);
    button->SetCheck(mixed ? BST_INDETERMINATE
                           : (value.toDouble() > 0 ? BST_CHECKED : BST_UNCHECKED));
    return true;
}

bool Mdx_DlgDesignerData::getComboValue(int id, Mdx_String& value) const {
    const CControlRect* drawn = getDrawnCtrl(id);
    if (!drawn) return false;
    value = Mdx_String::fromInt(static_cast<CComboBox*>(drawn->window())->GetCurSel());
    return true;
}

bool Mdx_DlgDesignerData::setComboValue(int id, const Mdx_String& value) {
    CControlRect* drawn = getDrawnCtrl(id);
    if (!drawn) return false;
    static_cast<CComboBox*>(drawn->window())->SetCurSel(value.toInt());
    return true;
}

bool Mdx_DlgDesignerData::getCtrlValue(int id, Mdx_String& value) const {
    const Mdx_DesignerControl* control = getControlFromRes(id);
    const CControlRect* drawn = getDrawnCtrl(id);
    if (!control || !drawn) return false;
    if (control->type == ctVarCheck) return getCheckValue(id, value);
    if (control->type == ctCutCombo) return getComboValue(id, value);
    std::string text;
    drawn->window()->GetWindowText(text);
    value = text;
    return true;
}

bool Mdx_DlgDesignerData::setCtrlValue(int id, const Mdx_String& value) {
    const Mdx_DesignerControl* control = getControlFromRes(id);
    CControlRect* drawn = getDrawnCtrl(id);
    if (!control || !drawn) return false;
    switch (control->type) {
        case ctVarCheck:
            return setCheckValue(id, value);
        case ctCutCombo:
            return setComboValue(id, value);
        case ctDistanceButton:
        case ctDistanceButton2:
            return true;  // the caption stays; the value is computed elsewhere
        default:
            drawn->window()->SetWindowText(value.c_str());
            return true;
    }
}

bool Mdx_DlgDesignerData::setCtrlReadOnly(int id, bool readOnly) {
    const Mdx_DesignerControl* control = getControlFromRes(id);
    CControlRect* drawn = getDrawnCtrl(id);
    if (!control || !drawn || (control->type != ctVarEdit && control->type != ctVarCombo))
        return false;
    CWnd* window = drawn->window();
    if ((window->IsWindowEnabled() != FALSE) == readOnly) window->EnableWindow(!readOnly);
    return true;
}

bool Mdx_DlgDesignerData::setBtnIcon(int id) {
    CControlRect* drawn = getDrawnCtrl(id);
    if (!drawn) return false;
    if (!m_flexIcon)
        m_flexIcon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(kFlexIcon));
    if (!m_flexIcon) return false;
    static_cast<CButton*>(drawn->window())->SetIcon(m_flexIcon);
    return true;
}

bool Mdx_DlgDesignerData::getFlexBtnsInGroup(const Mdx_String& group, AcArray<int>& all,
                                             AcArray<int>& withValue) const {
    all.setLogicalLength(0);
    withValue.setLogicalLength(0);
    if (group.isEmpty()) return true;
    for (int i = 0; i < getNrControls(); ++i) {
        const Mdx_DesignerControl& c = m_controls[static_cast<std::size_t>(i)];
        if (c.type != ctFlexButton || !c.flexGroup.equal(group, false)) continue;
        all.append(i);
        if (!c.flexValue.isEmpty()) withValue.append(i);
    }
    return true;
}

void Mdx_DlgDesignerData::getFlexBtnsGroups(Mdx_StringArray& groups) const {
    groups.setEmpty();
    for (const Mdx_DesignerControl& c : m_controls)
        if (c.type == ctFlexButton && !groups.contains(c.flexGroup, false))
            groups.append(c.flexGroup);
}

bool Mdx_DlgDesignerData::findFlexButton(const Mdx_String& group, const Mdx_String& name,
                                         int& index) const {
    AcArray<int> all, withValue;
    getFlexBtnsInGroup(group, all, withValue);
    for (int k = 0; k < all.length(); ++k) {
        if (m_controls[static_cast<std::size_t>(all[k])].contents.equal(name, false)) {
            index = all[k];
            return true;
        }
    }
    return false;
}

bool Mdx_DlgDesignerData::getAllFlexVarsOfGroup(const Mdx_String& group,
                                                Mdx_StringArray& names) const {
    names.setEmpty();
    AcArray<int> all, withValue;
    getFlexBtnsInGroup(group, all, withValue);
    for (int k = 0; k < all.length(); ++k)
        names.append(m_controls[static_cast<std::size_t>(all[k])].contents);
    return true;
}

bool Mdx_DlgDesignerData::getFlexBtnGroupName(int id, Mdx_String& group, Mdx_String& name) const {
    const Mdx_DesignerControl* control = getControlFromRes(id);
    if (!control || control->type != ctFlexButton) return false;
    group = control->flexGroup;
    name = control->contents;
    return true;
}

bool Mdx_DlgDesignerData::getSetFlexBtnStatus(bool set, int index, int& status) {
    const Mdx_DesignerControl* control = getControl(index);
    if (!control || control->type != ctFlexButton) return false;
    CControlRect* drawn = getDrawnCtrl(control->resId);
    if (!drawn) return false;
    auto* button = static_cast<CButton*>(drawn->window());
    if (set) {
        if (status == BST_INDETERMINATE) status = BST_UNCHECKED;
        button->SetCheck(status);
    } else {
        status = button->GetCheck();
    }
    return true;
}

bool Mdx_DlgDesignerData::getFlexBtnStatus(int index, int& status) {
    return getSetFlexBtnStatus(false, index, status);
}

bool Mdx_DlgDesignerData::setFlexBtnStatus(const Mdx_String& group, const Mdx_String& name,
                                           int status) {
    int index = -1;
    return findFlexButton(group, name, index) && getSetFlexBtnStatus(true, index, status);
}

bool Mdx_DlgDesignerData::hideAllFlexBtns(const Mdx_String& group) {
    AcArray<int> all, withValue;
    getFlexBtnsInGroup(group, all, withValue);
    for (int k = 0; k < all.length(); ++k) {
        const Mdx_DesignerControl& c = m_controls[static_cast<std::size_t>(all[k])];
        if (CControlRect* drawn = getDrawnCtrl(c.resId)) ShowOrHideCtrl(drawn->window(), 0);
    }
    return true;
}
