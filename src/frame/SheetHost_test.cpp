#include "frame/SheetHost.h"

#include <filesystem>
#include <memory>

#include "frame/FrameTestSupport.h"
#include "frame/SheetFileLaunch.h"
#include "resources/resource.h"
#include "win/CDialog.h"
#include "win/FilePaths.h"
#include "win/ResourceModule.h"

namespace {

constexpr UINT kCallerTemplate = 100;
constexpr int kCallerPlace = 1196;

class SheetFileHost : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        HINSTANCE local = win::loadResourceModuleFromText(
            "100 DIALOG 10, 10, 300, 200\n"
            "STYLE WS_POPUP | WS_CAPTION | WS_VISIBLE\n"
            "CAPTION \"Caller\"\n"
            "BEGIN\n"
            "    LTEXT \"\", 1196, 10, 12, 240, 150\n"
            "END\n");
        ASSERT_NE(local, nullptr);
        win::addResourceSearchModule(local);
        AfxSetResourceHandle(module);
        callerDialog = std::make_unique<CDialog>();
        ASSERT_TRUE(callerDialog->Create(kCallerTemplate, nullptr));
        caller = std::make_unique<Mdx_Spread>();
        ASSERT_TRUE(caller->attachToDlgItem(callerDialog.get(), kCallerPlace, false));
        caller->setMaxCols(6, false);
        caller->setMaxRows(6, false);
        ASSERT_TRUE(SheetHost::registerLookUp(*caller));
        table = makeTable();
        host::CommandLine::clearTranscript();
    }
    void TearDown() override {
        currentFormulaSheet = nullptr;
        caller.reset();
        callerDialog.reset();
        FrameTest::TearDown();
    }

    // A look-up table: headers Size, Weight, Sizes; a text key column, a number column and a
    // check-box cell.
    std::string makeTable() {
        CDialog dialog;
        EXPECT_TRUE(dialog.Create(kCallerTemplate, nullptr));
        Mdx_Spread sheet;
        EXPECT_TRUE(sheet.attachToDlgItem(&dialog, kCallerPlace, false));
        sheet.setMaxCols(3, false);
        sheet.setMaxRows(3, false);
        sheet.SetData(1, SS_HEADER, "Size");
        sheet.SetData(2, SS_HEADER, "Weight");
        sheet.SetData(3, SS_HEADER, "Sizes");
        sheet.setCellData(1, 1, "IPE200");
        sheet.setCellData(1, 2, "HEA300");
        sheet.setNumberCell(2, 1, 2, false);
        sheet.setNumberCell(2, 2, 2, false);
        sheet.setCellValue(2, 1, "22.4");
        sheet.setCellValue(2, 2, "88.3");
        sheet.setCheckBoxCell(3, 1, false);
        sheet.setCheck(3, 1, true);
        const std::string path = (folder / "table.sss").string();
        EXPECT_EQ(sheet.saveToFile(path.c_str(), 0), 1);
        dialog.DestroyWindow();
        return path;
    }

    // Calculates the formula in cell (6, 6) of the caller as a host does and gives its value.
    std::string calculate(const std::string& formula, bool insideHost = true) {
        currentFormulaSheet = insideHost ? caller.get() : nullptr;
        caller->SetFormula(6, 6, formula.c_str(), FALSE);
        caller->recalcCell(6, 6);
        Mdx_String value;
        caller->getCellText(6, 6, value, kTextValue);
        return value.str();
    }
    std::string quoted() const { return "\"" + table + "\""; }

    std::unique_ptr<CDialog> callerDialog;
    std::unique_ptr<Mdx_Spread> caller;
    std::string table;
};

TEST_F(SheetFileHost, ACellOfAnotherFileComesBackByItsType) {
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",A2)"), "HEA300");
    EXPECT_NE(transcript().find("Result is string: HEA300\n"), std::string::npos);
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",C1)"), "1");
    EXPECT_NE(transcript().find("Result is long: 1\n"), std::string::npos) << transcript();
    calculate("=FROMTABLE(" + quoted() + ",B2)");
    EXPECT_NE(transcript().find("Result is double: 88.300000\n"), std::string::npos);
    EXPECT_NE(transcript().find("Loading spreadsheet:\n"), std::string::npos)
        << "the look-up host opens without a file of its own";
    EXPECT_EQ(currentFormulaSheet, caller.get()) << "the host hands the caller back";
}

TEST_F(SheetFileHost, KeysMatchIgnoringLetterCaseButNotLength) {
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"size\",\"WEIGHT\",\"ipe200\")"), "22.4");
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"Size\",\"Weigh\",\"IPE200\")"), "");
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"Size\",\"Weight\",\"IPE20\")"), "");
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"Sizes\",\"Size\",1)"), "IPE200")
        << "an integer key is matched as its digits";
}

TEST_F(SheetFileHost, AKeyCanComeFromACellOfTheCallingSheet) {
    caller->setCellData(4, 1, "hea300");
    caller->setCellData(5, 1, "Weight");
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"Size\",E1,D1)"), "88.3");
}

TEST_F(SheetFileHost, ATargetCellReceivesTheDataTextAndTheCallHasNoResult) {
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",A1,C3)"), "");
    Mdx_String copied;
    caller->getCellText(3, 3, copied, kTextData);
    EXPECT_EQ(copied.str(), "IPE200");
    calculate("=FROMTABLE(" + quoted() + ",\"Size\",\"Weight\",\"HEA300\",D4)");
    caller->getCellText(4, 4, copied, kTextData);
    EXPECT_EQ(copied.toDouble(), 88.3);
    EXPECT_EQ(transcript().find("Result is"), std::string::npos);
}

TEST_F(SheetFileHost, ANumberInsteadOfAFileLoadsNothing) {
    EXPECT_EQ(calculate("=FROMTABLE(5,A1)"), "");
    EXPECT_EQ(transcript().find("Result is"), std::string::npos);
}

TEST_F(SheetFileHost, AMissingFileOrAMissingTargetGivesNoResult) {
    EXPECT_EQ(calculate("=FROMTABLE(\"" + (folder / "none.sss").string() + "\",A1)"), "");
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",\"A1\")"), "") << "a text is no cell";
    EXPECT_EQ(transcript().find("Result is"), std::string::npos);
}

TEST_F(SheetFileHost, APathFromAFormulaNeverClimbsAboveItsDrive) {
    const std::filesystem::path drive = folder / "drive";
    std::filesystem::create_directories(drive);
    std::filesystem::copy_file(table, drive / "inside.sss");
    win::setDriveRoot('c', drive);
    EXPECT_EQ(calculate("=FROMTABLE(\"c:\\inside.sss\",A2)"), "HEA300");
    // table.sss lies beside the drive's folder, one level up.
    EXPECT_EQ(calculate("=FROMTABLE(\"c:\\..\\table.sss\",A2)"), "");
    EXPECT_EQ(calculate("=FROMTABLE(\"c:\\..\\..\\drive\\inside.sss\",A2)"), "")
        << "c:\\..\\..\\drive is c:\\drive, which does not exist";
    win::clearDriveRoots();
}

TEST_F(SheetFileHost, OutsideAnyHostTheResultIsLeftAlone) {
    EXPECT_EQ(calculate("=FROMTABLE(" + quoted() + ",A2)", false), "");
    EXPECT_EQ(transcript().find("Result is"), std::string::npos);
}

TEST_F(SheetFileHost, ReadsAFileIntoHeadersAndRows) {
    Mdx_String first = "old";
    Mdx_StringArray headers{"stale"};
    Mdx_Array<Mdx_StringArray> rows;
    rows.append(Mdx_StringArray{"stale"});
    ReadSSFile(table, first, headers, rows);
    EXPECT_EQ(first.str(), "IPE200");
    ASSERT_EQ(headers.length(), 3);
    EXPECT_EQ(headers[0].str(), "Size");
    EXPECT_EQ(headers[2].str(), "Sizes");
    ASSERT_EQ(rows.length(), 3);
    ASSERT_EQ(rows[1].length(), 3);
    EXPECT_EQ(rows[1][0].str(), "HEA300");
    EXPECT_EQ(rows[2][0].str(), "");
    EXPECT_EQ(win::findDialog(SheetHost::kTemplateId), nullptr) << "the reading host closes";
}

TEST_F(SheetFileHost, ReadsAThreeByTwoSheet) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kCallerTemplate, nullptr));
    Mdx_Spread sheet;
    ASSERT_TRUE(sheet.attachToDlgItem(&dialog, kCallerPlace, false));
    sheet.setMaxCols(3, false);
    sheet.setMaxRows(2, false);
    const char* headerTexts[] = {"a", "b", "c"};
    for (int col = 1; col <= 3; ++col) {
        sheet.SetData(col, SS_HEADER, headerTexts[col - 1]);
        for (int row = 1; row <= 2; ++row)
            sheet.setCellData(col, row, Mdx_String::fromInt(col * 10 + row));
    }
    const std::string path = (folder / "small.sss").string();
    ASSERT_EQ(sheet.saveToFile(path.c_str(), 0), 1);
    Mdx_String first;
    Mdx_StringArray headers;
    Mdx_Array<Mdx_StringArray> rows;
    ReadSSFile(path, first, headers, rows);
    EXPECT_EQ(first.str(), "11");
    ASSERT_EQ(headers.length(), 3);
    EXPECT_EQ(headers[1].str(), "b");
    ASSERT_EQ(rows.length(), 2);
    ASSERT_EQ(rows[0].length(), 3);
    ASSERT_EQ(rows[1].length(), 3);
    EXPECT_EQ(rows[1][2].str(), "32");
}

TEST_F(SheetFileHost, TheSampleEvaluationNamesItsFile) {
    EvaluateSS();
    EXPECT_NE(transcript().find("Loading spreadsheet:c:\\a\\t3.sss\n"), std::string::npos);
}

TEST_F(SheetFileHost, ControlsLoadSaveCalculateAndShowFormulas) {
    const std::string bad = (folder / "missing" / "x.sss").string();
    win::user::typeText(IDC_SHEET_FILE, table);
    win::user::click(IDC_LOAD_FROM_FILE);
    win::user::act([] {
        HWND host = win::findDialog(SheetHost::kTemplateId);
        auto* dialog = static_cast<SheetHost*>(CWnd::FromHandlePermanent(host));
        ASSERT_NE(dialog, nullptr);
        Mdx_String text;
        dialog->sheet.getCellText(1, 2, text, kTextData);
        EXPECT_EQ(text.str(), "HEA300");
        dialog->sheet.setMaxCols(5, false);
        dialog->sheet.SetFormula(4, 1, "=B1*2", FALSE);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(host, IDC_RECALCULATE)));
    });
    win::user::check(IDC_AUTO_CALCULATE, BST_CHECKED);
    win::user::act([] {
        HWND host = win::findDialog(SheetHost::kTemplateId);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(host, IDC_RECALCULATE)));
    });
    win::user::click(IDC_STYLE_R1C1);
    win::user::act([] {
        auto* dialog = static_cast<SheetHost*>(
            CWnd::FromHandlePermanent(win::findDialog(SheetHost::kTemplateId)));
        Mdx_String text;
        dialog->sheet.getCellText(1, 1, text, kTextData);
        EXPECT_EQ(text.str(), "=RC[-2]*2") << "relative references in the R1C1 style";
        EXPECT_EQ(SSGetRefStyle(dialog->sheet.GetSafeHwnd()), 2);
    });
    win::user::typeText(IDC_SHEET_FILE, bad);
    win::user::click(IDC_SAVE_TO_FILE);
    win::user::click(IDC_LOAD_FROM_FILE);
    win::user::click(IDOK);
    SheetHost host;
    host.fileName = "";
    EXPECT_EQ(host.DoModal(), IDOK);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_NE(transcript().find("Save failed\n"), std::string::npos);
    EXPECT_NE(transcript().find("Load failed\n"), std::string::npos);
}

}  // namespace
