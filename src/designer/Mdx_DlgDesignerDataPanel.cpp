// The property panel of the designer window: it shows and edits the type, contents and list
// of the one selected control.
#include "core/DialogHelpers.h"
#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "designer/CControlRect.h"
#include "designer/CControlRectManager.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "win/CComboBox.h"

namespace {

constexpr int kNewControlText = 171;
constexpr double kNewControlAt = 0.2;
constexpr double kNewControlWidth = 30.0;
constexpr double kNewControlHeight = 18.0;

Mdx_String contentsCaptionOf(int type) {
    switch (type) {
        case ctStaticText:
        case ctGroupBox:
        case ctDistanceButton:
        case ctDistanceButton2:
        case ctVarCheck:
            return dialString(827);
        case ctVarEdit:
        case ctVarCombo:
            return dialString(828);
        case ctPatternEdit:
        case ctPatternCountEdit:
        case ctPatternButton:
            return dialString(829);
        case ctCutCombo:
            return dialString(1406);
        case ctFlexButton:
            return dialString(1429);
        default:
            break;
    }
    if (type >= ctProfNameCombo && type <= ctProfAdvancedButton) return dialString(830);
    if (type >= ctArrayEdit1 && type <= ctArrayAdvancedButton) return dialString(831);
    return Mdx_String();
}

// Empty for the types without a list.
Mdx_String listCaptionOf(int type) {
    auto joined = [](std::initializer_list<int> ids) {
        Mdx_StringArray parts;
        for (int id : ids) parts.append(dialString(id));
        return arrToStr(parts, ";");
    };
    switch (type) {
        case ctStaticText:
        case ctGroupBox:
            return dialString(1403);
        case ctVarCombo:
            return dialString(833);
        case ctArrayEntryEdit:
            return dialString(834);
        case ctBlockCombo:
            return dialString(1342);
        case ctVarCheck:
            return dialString(828);
        case ctFlexButton:
            return joined({705, 1430, 1431});
        case ctDistanceButton:
            return joined({1316, 1317, 1318, 1319});
        case ctDistanceButton2:
            return joined({1316, 1317, 1320, 1319});
        default:
            return Mdx_String();
    }
}

void showField(CWnd* dialog, int id, const Mdx_String& text, bool enabled) {
    if (!dialog || id == 0) return;
    dialog->SetDlgItemText(id, text.c_str());
    EnDisCtrl(dialog, id, enabled);
}

}  // namespace

bool Mdx_DlgDesignerData::addNewControl(int type) {
    if (!hasMeasure()) return false;
    Mdx_DesignerControl control;
    control.type = static_cast<Mdx_ControlType>(type);
    control.contents = dialString(kNewControlText);
    control.topLeftX = kNewControlAt;
    control.topLeftY = kNewControlAt;
    control.bottomRightX = kNewControlAt + pixelsToFactor(true, kNewControlWidth);
    control.bottomRightY = kNewControlAt + pixelsToFactor(false, kNewControlHeight);
    const int id = append(control);
    if (id == 0) return false;
    return drawControl(getNrControls() - 1);
}

void Mdx_DlgDesignerData::updatePropsOfCurSel() {
    m_updating = true;
    if (m_designMode) {
        const int index = getCurSel();
        updateProps(index);
        if (const Mdx_DesignerControl* control = getControl(index)) selectCtrls({control->resId});
    }
    m_updating = false;
}

void Mdx_DlgDesignerData::updateProps(int index) {
    CWnd* dialog = host();
    if (!dialog) return;
    const Mdx_DesignerControl* control = getControl(index);
    auto* typeCombo = static_cast<CComboBox*>(dialog->GetDlgItem(m_typeComboId));
    if (!control) {
        if (typeCombo) typeCombo->SetCurSel(-1);
        EnDisCtrl(dialog, m_typeComboId, false);
        showField(dialog, m_contentsCaptionId, "", false);
        showField(dialog, m_contentsEditId, "", false);
        showField(dialog, m_listCaptionId, "", false);
        showField(dialog, m_listEditId, "", false);
        return;
    }
    if (typeCombo) typeCombo->SetCurSel(designer::isKnownControlType(control->type) ? control->type : 0);
    EnDisCtrl(dialog, m_typeComboId, true);
    showField(dialog, m_contentsCaptionId, contentsCaptionOf(control->type), true);
    showField(dialog, m_contentsEditId, control->contents, true);
    const Mdx_String listCaption = listCaptionOf(control->type);
    const bool hasList = !listCaption.isEmpty();
    showField(dialog, m_listCaptionId, listCaption, hasList);
    showField(dialog, m_listEditId, hasList ? control->getMergedExtComboList() : Mdx_String(), hasList);
}

void Mdx_DlgDesignerData::readProps(int index) {
    CWnd* dialog = host();
    Mdx_DesignerControl* control = getControlWrite(index);
    if (!dialog || !control) return;
    if (auto* typeCombo = static_cast<CComboBox*>(dialog->GetDlgItem(m_typeComboId))) {
        const int type = typeCombo->GetCurSel();
        if (type >= 0) control->type = static_cast<Mdx_ControlType>(type);
    }
    std::string text;
    dialog->GetDlgItemText(m_contentsEditId, text);
    control->contents = text;
    text.clear();
    dialog->GetDlgItemText(m_listEditId, text);
    control->setSplitExtComboList(text);
}

void Mdx_DlgDesignerData::propsOfCurSelUpdated() {
    if (m_updating || !m_designMode) return;
    const int index = getCurSel();
    if (index < 0) return;
    const Mdx_DesignerControl before = *getControl(index);
    readProps(index);
    const Mdx_DesignerControl& after = *getControl(index);
    if (!(after.contents == before.contents))
        if (CControlRect* drawn = getDrawnCtrl(after.resId)) drawn->window()->SetWindowText(after.contents.c_str());
    if (after.type != before.type) {
        const int id = after.resId;
        getSizeFromAllControls();
        redrawAllControls();
        selectCtrls({id});
    }
}
