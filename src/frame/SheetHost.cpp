#include "frame/SheetHost.h"

#include "host/CommandLine.h"
#include "resources/resource.h"

Mdx_Spread* currentFormulaSheet = nullptr;

namespace {

constexpr int kOptionEnterMovesOn = 12;
constexpr DWORD kHostNumberStyle = 0x10000200;
constexpr int kHostRows = 10;
constexpr int kHostCols = 8;
constexpr int kNumberBlock = 6;
// The style buttons show what column 4 holds in column 1, in the chosen style.
constexpr int kFormulaColumn = 4;
constexpr int kShownColumn = 1;

}  // namespace

SheetHost::SheetHost(CWnd* parent) : CAcUiDialog(kTemplateId, parent) {}

bool SheetHost::registerLookUp(Mdx_Spread& target) {
    return target.addCustomFunction("FROMTABLE", 2, 5, lookUpCallback, SS_PASS_REFERENCES);
}

void SheetHost::bringToForeground() {
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    AttachThreadInput(GetCurrentThreadId(), foregroundThread, TRUE);
    SetForegroundWindow();
    SetFocus();
}

void SheetHost::prepareSheet() {
    sheet.attachToDlgItem(this, IDC_SHEET_PLACE, true);
    sheet.SetBool(kOptionEnterMovesOn, TRUE);
    sheet.SetBool(kOptionAutoCalc, FALSE);
    CheckDlgButton(IDC_AUTO_CALCULATE, BST_UNCHECKED);
    CheckRadioButton(IDC_STYLE_DEFAULT, IDC_STYLE_R1C1, IDC_STYLE_DEFAULT);
    registerLookUp(sheet);
    sheet.setMaxRows(kHostRows, false);
    sheet.setMaxCols(kHostCols, false);
    SSCELLTYPE number;
    sheet.SetTypeNumber(&number, kHostNumberStyle, 2, -9999, 9999, TRUE);
    sheet.SetCellTypeRange(1, 1, kNumberBlock, kNumberBlock, &number);
}

BOOL SheetHost::OnInitDialog() {
    CAcUiDialog::OnInitDialog();
    bringToForeground();
    SetDlgItemText(IDC_SHEET_FILE, fileName.c_str());
    prepareSheet();
    if (!fileName.isEmpty()) sheet.loadFromFile(fileName.c_str());
    acutPrintf("Loading spreadsheet:%s\n", fileName.c_str());
    registerLookUp(sheet);
    if (mode == kModeReadArrays) {
        readIntoArrays();
        OnOK();
        return TRUE;
    }
    currentFormulaSheet = &sheet;
    if (mode == kModeEvaluateCell) {
        sheet.recalcCell(evalCol, evalRow);
        sheet.getCellText(evalCol, evalRow, evalResult, kTextData);
    } else if (mode == kModeLookUp) {
        evaluateLookUp();
    }
    currentFormulaSheet = callerSheet;
    return TRUE;
}

void SheetHost::readIntoArrays() {
    if (!headersOut || !rowsOut) return;
    headersOut->setEmpty();
    rowsOut->setEmpty();
    sheet.getCellText(1, 1, firstCellText, kTextData);
    const int cols = sheet.getMaxCols();
    const int rows = sheet.getMaxRows();
    for (int col = 1; col <= cols; ++col) {
        Mdx_String header;
        sheet.getCellText(col, SS_HEADER, header, kTextData);
        headersOut->append(header);
    }
    for (int row = 1; row <= rows; ++row) {
        Mdx_StringArray texts;
        for (int col = 1; col <= cols; ++col) {
            Mdx_String text;
            sheet.getCellText(col, row, text, kTextData);
            texts.append(text);
        }
        rowsOut->append(texts);
    }
}

BOOL SheetHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDC_SAVE_TO_FILE:
                onSave();
                return TRUE;
            case IDC_LOAD_FROM_FILE:
                onLoad();
                return TRUE;
            case IDC_AUTO_CALCULATE:
                onAutoCalculate();
                return TRUE;
            case IDC_RECALCULATE:
                sheet.recalcAll();
                return TRUE;
            case IDC_STYLE_DEFAULT:
                onRefStyle(0);
                return TRUE;
            case IDC_STYLE_A1:
                onRefStyle(1);
                return TRUE;
            case IDC_STYLE_R1C1:
                onRefStyle(2);
                return TRUE;
            default:
                break;
        }
    }
    return CAcUiDialog::OnCommand(wParam, lParam);
}

void SheetHost::onSave() {
    std::string path;
    GetDlgItemText(IDC_SHEET_FILE, path);
    if (sheet.saveToFile(path.c_str(), 0) != 1) acutPrintf("Save failed\n");
}

void SheetHost::onLoad() {
    std::string path;
    GetDlgItemText(IDC_SHEET_FILE, path);
    if (sheet.loadFromFile(path.c_str()) != 1) acutPrintf("Load failed\n");
    registerLookUp(sheet);
}

void SheetHost::onAutoCalculate() {
    const bool automatic = IsDlgButtonChecked(IDC_AUTO_CALCULATE) == BST_CHECKED;
    sheet.SetBool(kOptionAutoCalc, automatic);
    if (CWnd* recalculate = GetDlgItem(IDC_RECALCULATE)) recalculate->EnableWindow(!automatic);
}

void SheetHost::onRefStyle(int style) {
    SSSetRefStyle(sheet.GetSafeHwnd(), style);
    Mdx_String formula;
    for (int row = 1; row <= 4; ++row) {
        sheet.getCellText(kFormulaColumn, row, formula, kTextFormula);
        sheet.setCellData(kShownColumn, row, formula);
    }
    sheet.getCellText(kFormulaColumn, 5, formula, kTextFormula);
    if (!formula.isEmpty()) sheet.setCellData(kShownColumn, 5, formula);
    sheet.fitColumnToText(kShownColumn, false);
}
