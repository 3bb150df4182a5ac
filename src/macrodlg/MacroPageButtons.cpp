// The designed buttons of a macro page that change values before applying: the distance
// buttons (types 25 and 26), which ask for a total distance and turn it back into an offset,
// the flex/fix buttons (type 30), and the array and pattern settings buttons.
#include "core/NumberText.h"
#include "core/Texts.h"
#include "core/macro/MixedWord.h"
#include "host/CommandLine.h"
#include "macrodlg/DlgPatternSettings.h"
#include "macrodlg/MacroPage.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "otherdlg/OtherDialogRecords.h"
#include "spread/ValueInputDialog.h"

namespace {

// A variable name of a distance button; a leading "-" negates the value it stands for.
struct SignedName {
    Mdx_String name;
    double sign = 1;
};

SignedName signedName(const Mdx_String& text) {
    if (text.view().starts_with('-')) return {text.mid(1), -1};
    return {text, 1};
}

bool number(const Mdx_String& text, double& value) {
    if (!isNumberText(text.view())) return false;
    value = leadingDouble(text.view());
    return true;
}

Mdx_String fiveDecimals(double value) {
    return Mdx_String::format("%.5f", value);
}

}  // namespace

// The text of the window that shows a variable: its designed control or its grid cell.
bool MacroPage::variableText(const Mdx_String& name, Mdx_String& text) {
    const MacroVarData* variable = tab() ? tab()->findCellWithName(name) : nullptr;
    if (!variable || variable->ctrlId == 0) return false;
    if (variable->ctrlId > 0) return design_.document().getCtrlValue(variable->ctrlId, text);
    return grid_.getCellText(3, -variable->ctrlId, text, kTextData);
}

bool MacroPage::setVariableText(const Mdx_String& name, const Mdx_String& text) {
    const MacroVarData* variable = tab() ? tab()->findCellWithName(name) : nullptr;
    if (!variable || variable->ctrlId == 0) return false;
    if (variable->ctrlId > 0) return design_.document().setCtrlValue(variable->ctrlId, text);
    grid_.setCellData(3, -variable->ctrlId, text);
    return true;
}

// Base (extended string 1) plus an offset (string 2) make the distance; for type 25 the
// offset is divided by a factor (string 4) or a second offset (string 3) adds to it, for
// type 26 the value of string 3 adds to it. The user's total goes back into the offset.
bool MacroPage::distanceClicked(int id) {
    const Mdx_DesignerControl* control = design_.document().getControlFromRes(id);
    if (!control || !tab()) return false;
    const bool second = control->type == ctDistanceButton2;
    const SignedName offsetName = signedName(control->extString2);
    const SignedName otherName = signedName(control->extString3);
    const MacroVarData* base = tab()->findCellWithName(control->extString1);
    const MacroVarData* offsetVariable = tab()->findCellWithName(offsetName.name);
    double baseValue = 0, offset = 0, other = 0, factor = 1;
    if (!base || isMixedWord(base->value) || !number(base->value, baseValue)) return false;
    if (!offsetVariable || offsetVariable->readOnly) return false;
    Mdx_String text;
    if (!variableText(offsetName.name, text) || !number(text, offset)) return false;
    offset *= offsetName.sign;
    const bool hasOther = !otherName.name.isEmpty() && variableText(otherName.name, text) &&
                          number(text, other);
    other *= otherName.sign;
    if (second && !hasOther) return false;
    if (!second && !hasOther) {
        // A factor of 0 (or none) would divide by zero: the button does nothing.
        if (!number(control->extString4, factor) || factor == 0) {
            acutPrintf("The distance button %s has no factor to divide by.\n",
                       control->contents.c_str());
            return false;
        }
    }
    const double total = second || hasOther ? baseValue + offset + other : baseValue + offset / factor;
    acedPostCommand("CANCELCMD");
    ValueInputDialog input(this);
    input.setTexts(dialString(971), dialString(1321) + "\n" + dialString(1322), fiveDecimals(total),
                   dialString(1), dialString(2));
    double typed = 0;
    if (input.DoModal() != IDOK || !number(input.value(), typed)) return false;
    const double newOffset =
        second ? typed - baseValue - other : hasOther ? typed - baseValue - other : (typed - baseValue) * factor;
    setVariableText(offsetName.name, fiveDecimals(newOffset * offsetName.sign));
    return true;
}

// A flex/fix button frees or fixes its variable; what was typed on the page goes with it.
bool MacroPage::flexClicked(int id) {
    Mdx_String group, name;
    int index = -1, status = -1;
    Mdx_DlgDesignerData& document = design_.document();
    if (!tab() || !document.getFlexBtnGroupName(id, group, name) ||
        !document.findFlexButton(group, name, index) || !document.getFlexBtnStatus(index, status))
        return false;
    if (status != 0 && status != 1) return false;
    // A value typed but not yet applied goes with the click; the refresh after the apply
    // would otherwise show the old value over it.
    const MacroTabData before = *tab();
    readPage();
    const bool changed = tab()->flexFixBtnClicked(name, status == 1);
    applySince(before);
    return changed;
}

bool MacroPage::arrayClicked(int id) {
    if (!tab()) return false;
    for (MacroArrayData& array : tab()->arrays()) {
        if (array.buttonId != id) continue;
        // The tab is copied before the page is read, so a value typed but not yet applied
        // when the button is clicked is applied with the array's change (or on Cancel).
        const MacroTabData before = *tab();
        readPage();
        DynArrayData edited;
        edited.array = array.array;
        acedPostCommand("CANCELCMD");
        const bool changed = StartArrayDlg(edited, AcArray<AcDbObjectId>(), array.array.name);
        if (changed) array.array = edited.array;
        applySince(before);
        return changed;
    }
    return false;
}

bool MacroPage::patternClicked(int id) {
    if (!tab()) return false;
    // What was typed on the page before the click goes with the pattern's change.
    const MacroTabData before = *tab();
    readPage();
    for (MacroPatternData& pattern : tab()->patterns()) {
        if (pattern.buttonId != id) continue;
        MacroPatternData edited = pattern;
        acedPostCommand("CANCELCMD");
        const bool changed = editPatternSettings(edited);
        if (changed) pattern = edited;
        applySince(before);
        return changed;
    }
    return false;
}
