#include "macroedit/VariablesPage.h"

#include "core/Texts.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/MacroValueText.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "resources/macroedit_ids.h"
#include "win/MessageBox.h"
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

// A refused read-back keeps the grid as the user typed it, so it can be put right.
void VariablesPage::refresh() {
    if (readBack()) build();
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
    builtFor_ = editor_.data.currentModule;
    builtForMacro_ = editor_.data.macroId;
}

namespace {

bool sameVariables(const MacroVarsData& a, const MacroVarsData& b) {
    return a.names == b.names && a.values == b.values && a.types == b.types &&
           a.equations == b.equations;
}

// Non-empty lines of the text, split at line feeds and carriage returns.
Mdx_StringArray equationLines(const std::string& text) {
    Mdx_StringArray lines;
    Mdx_String line;
    for (char c : text + '\n') {
        if (c == '\n' || c == '\r') {
            if (!line.trim().isEmpty()) lines.append(line);
            line.setEmpty();
        } else {
            line += c;
        }
    }
    return lines;
}

}  // namespace

// The grid belongs to the module (of the macro) it was built for: once another one is
// current (the pages were committed before the change), reading it back would give that
// module this one's variables.
bool VariablesPage::readBack() {
    if (!built_ || !variables.isAttached() || builtFor_ != editor_.data.currentModule ||
        builtForMacro_ != editor_.data.macroId)
        return true;
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
        // An empty value is a new row's 0; any other text that is no number would be lost.
        if (!value.trim().isEmpty() && !value.isNumber()) return refuse(9305, name);
        read.names.append(name);
        read.values.append(value.isEmpty() ? 0.0 : value.toDouble());
        read.types.append(static_cast<short>(std::max(0, types.find(type, true))));
    }
    std::string text;
    GetDlgItemText(kEquations, text);  // as long as the user made it
    read.equations = equationLines(text);
    if (sameVariables(read, vars)) return true;
    const MacroVarsData before = vars;
    vars = read;
    if (UpdateVarsEqs(editor_.data)) return true;
    vars = before;
    return refuse(9304, "");
}

bool VariablesPage::refuse(int text, const Mdx_String& name) {
    Mdx_String message = dialString(text);
    if (!name.isEmpty()) message += " \"" + name + "\"";
    MessageBox(message.c_str(), dialString(875).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
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
