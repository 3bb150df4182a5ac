#include "macroedit/VariablesPage.h"

#include "core/Texts.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/MacroValueText.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "resources/macroedit_ids.h"
#include "win/WinMessages.h"

VariablesPage::VariablesPage(KvEditConstraintsDlg& editor)
    : EditorPage(IDD_EDIT_VARIABLES_PAGE, editor) {}

Mdx_StringArray VariablesPage::typeItems() {
    Mdx_StringArray items;
    for (int id : {900, 895, 893, 901, 902, 1325, 1326, 1327}) items.append(dialString(id));
    return items;
}

BOOL VariablesPage::OnInitDialog() {
    EditorPage::OnInitDialog();
    SetDlgItemText(1130, dialString(875).c_str());
    SetDlgItemText(1133, dialString(898).c_str());
    SetDlgItemText(1134, dialString(899).c_str());
    add_.SubclassDlgItem(kAddRow, this);
    add_.SetIcon(212);
    add_.SetTooltipText(896);
    delete_.SubclassDlgItem(kDeleteRow, this);
    delete_.SetIcon(206);
    delete_.SetTooltipText(897);
    if (variables.attachToDlgItem(this, kVariables, true)) variables.setStandardLayout(1);
    if (dimensions.attachToDlgItem(this, kDimensions, true)) dimensions.setStandardLayout(1);
    build();
    return TRUE;
}

void VariablesPage::refresh() {
    readBack();
    build();
}

void VariablesPage::build() {
    if (!variables.isAttached() || !dimensions.isAttached()) return;
    const MacroVarsData& vars = *editor_.data.variables;
    const int before = variables.getMaxRows();
    variables.setMaxCols(3, false);
    variables.setMaxRows(vars.names.length(), false);
    variables.setColumnHeaders({dialString(87), dialString(86), dialString(101)});
    const Mdx_StringArray types = typeItems();
    for (int r = 0; r < vars.names.length(); ++r) {
        variables.setEditCell(1, r + 1);
        variables.setEditCell(2, r + 1);
        variables.setRowTexts(r + 1, {vars.names[r], exactNumberText(vars.values[r])}, false);
        variables.setComboCell(3, r + 1, types, false);
        if (types.isValidIndex(vars.types[r])) variables.setCellData(3, r + 1, types[vars.types[r]]);
        if (r + 1 > before) {
            variables.setFontFace("Tahoma");
            variables.setFontHeight(15);
            variables.applyRowFont(r + 1, false);
        }
    }
    variables.fitColumnsEqually(false, 0);
    dimensions.setMaxCols(2, false);
    dimensions.setMaxRows(vars.dimensionNames.length(), false);
    dimensions.setColumnHeaders({dialString(87), dialString(86)});
    dimensions.setColumnTexts(1, vars.dimensionNames, false);
    dimensions.setColumnTexts(2, vars.dimensionValues, false);
    dimensions.lockColumn(1);
    dimensions.lockColumn(2);
    dimensions.fitColumnsEqually(false, 0);
    Mdx_String text;
    for (const Mdx_String& line : vars.equations) text += line + "\n\r";
    SetDlgItemText(kEquations, text.c_str());
    built_ = true;
}

void VariablesPage::readBack() {
    if (!built_ || !variables.isAttached()) return;
    MacroVarsData& vars = *editor_.data.variables;
    const Mdx_StringArray types = typeItems();
    MacroVarsData read = vars;
    read.names.setEmpty();
    read.values.setLogicalLength(0);
    read.types.setLogicalLength(0);
    for (int r = 1; r <= variables.getMaxRows(); ++r) {
        Mdx_String name, value, type;
        variables.getCellText(1, r, name, kTextData);
        variables.getCellText(2, r, value, kTextData);
        variables.getCellText(3, r, type, kTextData);
        read.names.append(name);
        read.values.append(value.toDouble());
        read.types.append(static_cast<short>(std::max(0, types.find(type, true))));
    }
    char buffer[8192] = {};
    GetDlgItemText(kEquations, buffer, sizeof buffer);
    read.equations.setEmpty();
    Mdx_String line;
    for (const char* c = buffer;; ++c) {
        if (*c == '\n' || *c == '\r' || *c == '\0') {
            if (!line.trim().isEmpty()) read.equations.append(line);
            line.setEmpty();
            if (*c == '\0') break;
        } else {
            line += *c;
        }
    }
    vars = read;
    UpdateVarsEqs(editor_.data);
}

BOOL VariablesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kAddRow) {
        const int row = std::max(1, variables.getCurrentRow());
        variables.insertRowAt(row, false, false);
        variables.setEditCell(1, row);
        variables.setEditCell(2, row);
        variables.setComboCell(3, row, typeItems(), false);
        variables.setCellData(3, row, typeItems()[0]);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kDeleteRow) {
        variables.deleteCurrentRow();
        return TRUE;
    }
    return EditorPage::OnCommand(wParam, lParam);
}
