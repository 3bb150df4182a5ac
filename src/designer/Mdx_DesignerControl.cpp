#include "designer/Mdx_DesignerControl.h"

#include <cmath>

#include "core/FileHelpers.h"
#include "core/Mdx_PropertiesList.h"
#include "core/StringHelpers.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"

namespace {

Mdx_String key(const char* name, int index) {
    Mdx_String k(name);
    k.append(index);
    return k;
}

// A coordinate that is no finite number is no coordinate: the field keeps its value.
void readDouble(const Mdx_PropertiesList& list, const char* name, int index, double& value) {
    double read = 0.0;
    if (list.getDouble(key(name, index), read) && std::isfinite(read)) value = read;
}

}  // namespace

void Mdx_DesignerControl::getFromPropList(const Mdx_PropertiesList& list, int index) {
    int kind = type;
    if (list.getInt(key("type", index), kind)) type = static_cast<Mdx_ControlType>(kind);
    readDouble(list, "topLeftX", index, topLeftX);
    readDouble(list, "topLeftY", index, topLeftY);
    readDouble(list, "bottomRightX", index, bottomRightX);
    readDouble(list, "bottomRightY", index, bottomRightY);
    list.getString(key("contents", index), contents);
    Mdx_String merged;
    if (list.getString(key("comboList", index), merged)) setSplitExtComboList(merged);
}

void Mdx_DesignerControl::setToPropList(Mdx_PropertiesList& list, int index) const {
    list.setInt(key("type", index), type);
    list.setDouble(key("topLeftX", index), topLeftX);
    list.setDouble(key("topLeftY", index), topLeftY);
    list.setDouble(key("bottomRightX", index), bottomRightX);
    list.setDouble(key("bottomRightY", index), bottomRightY);
    list.setString(key("contents", index), contents);
    list.setString(key("comboList", index), getMergedExtComboList());
}

Mdx_String Mdx_DesignerControl::getMergedExtComboList() const {
    if (type == ctFlexButton) return arrToStr({flexGroup, flexVars, flexValue, flexSpare});
    if (type == ctDistanceButton || type == ctDistanceButton2)
        return arrToStr({extString1, extString2, extString3, extString4, comboList});
    return comboList;
}

bool Mdx_DesignerControl::setSplitExtComboList(const Mdx_String& merged) {
    if (type != ctFlexButton && type != ctDistanceButton && type != ctDistanceButton2) {
        comboList = merged;
        return true;
    }
    const Mdx_StringArray parts = strToArr(merged, ";");
    auto part = [&parts](int i) { return i < parts.length() ? parts[i] : Mdx_String(); };
    if (type == ctFlexButton) {
        flexGroup = part(0);
        flexVars = part(1);
        flexValue = part(2);
        flexSpare = part(3);
    } else {
        extString1 = part(0);
        extString2 = part(1);
        extString3 = part(2);
        extString4 = part(3);
        comboList = part(4);
    }
    return true;
}

void Mdx_DesignerControl::getComboItemsFromFile(Mdx_StringArray& items) const {
    if (comboList.isEmpty() || !fileExists(comboList)) return;
    Mdx_StringArray lines;
    if (ObjectExportReadFile(comboList, lines)) items = lines;
}

bool Mdx_DesignerControl::getCtrlPtr(const CWnd* dialog, CWnd*& window) const {
    if (!dialog || !dialog->m_hWnd || resId == 0) return false;
    window = dialog->GetDlgItem(resId);
    return window != nullptr;
}

CComboBox* Mdx_DesignerControl::getComboPtr(const CWnd* dialog) const {
    if (type != ctVarCombo && type != ctProfNameCombo && type != ctProfOffsetCombo &&
        type != ctProfRotationCombo)
        return nullptr;
    CWnd* window = nullptr;
    return getCtrlPtr(dialog, window) ? static_cast<CComboBox*>(window) : nullptr;
}

CButton* Mdx_DesignerControl::getButtonPtr(const CWnd* dialog) const {
    CWnd* window = nullptr;
    if (!designer::isButtonType(type) || !getCtrlPtr(dialog, window)) return nullptr;
    return static_cast<CButton*>(window);
}

CEdit* Mdx_DesignerControl::getEditPtr(const CWnd* dialog) const {
    CWnd* window = nullptr;
    if (!designer::isEditType(type) || !getCtrlPtr(dialog, window)) return nullptr;
    return static_cast<CEdit*>(window);
}
