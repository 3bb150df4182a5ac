#include "grid/SpreadApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "grid/SpreadModel.h"
#include "win/Gdi.h"
#include "win/GlobalMemory.h"
#include "win/Window.h"

namespace {

class SpreadWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SSRegisterSpreadClass());
        grid = make();
        ASSERT_NE(grid, nullptr);
        SSSetMaxCols(grid, 6);
        SSSetMaxRows(grid, 10);
        blocksBefore = win::liveGlobalBlocks();
    }
    void TearDown() override {
        if (IsWindow(grid)) DestroyWindow(grid);
        EXPECT_EQ(win::liveGlobalBlocks(), blocksBefore) << "memory blocks leaked";
    }
    static HWND make() {
        return CreateWindowEx(0, "fpSpread70", nullptr, WS_VISIBLE, 0, 0, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
    }
    static std::string value(HWND w, int c, int r) {
        char buf[256];
        SSGetValue(w, c, r, buf, sizeof buf);
        return buf;
    }
    HWND grid = nullptr;
    size_t blocksBefore = 0;
};

TEST_F(SpreadWindow, CallsOnOtherWindowsFailAndTheStateDiesWithTheWindow) {
    HWND other = CreateWindowEx(0, "STATIC", "x", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    EXPECT_EQ(SSGetMaxRows(other), -1);
    EXPECT_FALSE(SSSetData(other, 1, 1, "x"));
    EXPECT_EQ(SSGetModel(other), nullptr);
    EXPECT_EQ(SSGetMaxRows(nullptr), -1);
    DestroyWindow(other);
    HWND second = make();
    ASSERT_TRUE(SSSetMaxRows(second, 3));
    DestroyWindow(second);
    EXPECT_EQ(SSGetMaxRows(second), -1);  // a stale handle is not a grid any more
}

TEST_F(SpreadWindow, TextReadsNeverOverrunTheBuffer) {
    ASSERT_TRUE(SSSetData(grid, 2, 3, "a longer text"));
    char small[5];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(SSGetData(grid, 2, 3, small, sizeof small), 13);
    EXPECT_STREQ(small, "a lo");
    EXPECT_EQ(SSGetDataLen(grid, 2, 3), 13);
    EXPECT_EQ(SSGetData(grid, 7, 1, small, sizeof small), -1);  // beyond the columns
    EXPECT_STREQ(small, "");
    EXPECT_FALSE(SSSetData(grid, 1, 11, "beyond the rows"));
    // The header index and 0 both name the header band; unnamed headers read as letters.
    ASSERT_TRUE(SSSetData(grid, SS_HEADER, 2, "Second"));
    EXPECT_EQ(value(grid, 0, 2), "Second");
    EXPECT_EQ(value(grid, 3, SS_HEADER), "C");
    ASSERT_TRUE(SSSetCellTag(grid, 0, 0, "tag"));
    char tag[8];
    EXPECT_EQ(SSGetCellTag(grid, SS_HEADER, SS_HEADER, tag, sizeof tag), 3);
    EXPECT_STREQ(tag, "tag");
}

TEST_F(SpreadWindow, FormulasAndCellTypesThroughTheWindow) {
    SSCELLTYPE type;
    ASSERT_NE(SSSetTypeNumber(grid, &type, 0x10100000, 2, -100, 100, FALSE), nullptr);
    ASSERT_TRUE(SSSetCellTypeRange(grid, 1, 1, 1, 3, &type));
    ASSERT_TRUE(SSSetValue(grid, 1, 1, "1.5"));
    ASSERT_TRUE(SSSetValue(grid, 1, 2, "2.25"));
    ASSERT_TRUE(SSSetFormula(grid, 1, 3, "=A1+A2", TRUE));
    EXPECT_EQ(value(grid, 1, 3), "3.75");
    double v = 0;
    ASSERT_TRUE(SSGetFloat(grid, 1, 3, &v));
    EXPECT_DOUBLE_EQ(v, 3.75);
    SSCELLTYPE read;
    ASSERT_TRUE(SSGetCellType(grid, 1, 2, &read));
    EXPECT_EQ(*reinterpret_cast<const unsigned char*>(&read), 14);  // first byte: the code
    ASSERT_TRUE(SSSetRefStyle(grid, 2));
    char buf[64];
    SSGetFormula(grid, 1, 3, buf, sizeof buf);
    EXPECT_STREQ(buf, "=R[-2]C+R[-1]C");
    EXPECT_FALSE(SSSetFormula(grid, 2, 2, "=1+", TRUE));
}

TEST_F(SpreadWindow, TextExtentFollowsFontAndText) {
    SSSetData(grid, 1, 1, "short");
    SSSetData(grid, 2, 1, "a much longer text in this cell");
    double w1, h1, w2, h2;
    ASSERT_TRUE(SSGetMaxTextCellSize(grid, 1, 1, &w1, &h1));
    ASSERT_TRUE(SSGetMaxTextCellSize(grid, 2, 1, &w2, &h2));
    EXPECT_GT(w2, w1 * 3);
    EXPECT_DOUBLE_EQ(h1, h2);
    HFONT big = CreateFont(30, 0, 0, 0, 700, 0, 0, 0, 1, 2, 1, 0, 0, "Tahoma");
    ASSERT_TRUE(SSSetFont(grid, 1, 1, big, TRUE));
    double w3, h3;
    ASSERT_TRUE(SSGetMaxTextCellSize(grid, 1, 1, &w3, &h3));
    EXPECT_GT(w3, w1);
    EXPECT_GT(h3, h1);
    DeleteObject(big);
}

TEST_F(SpreadWindow, ScrollBarsShowOnlyWhenTheCellsDoNotFit) {
    int v = -1, h = -1;
    SSSetMaxRows(grid, 2);
    SSSetMaxCols(grid, 2);
    ASSERT_TRUE(SSGetScrollBarSize(grid, &v, &h));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(h, 0);
    SSSetMaxRows(grid, 100);
    ASSERT_TRUE(SSGetScrollBarSize(grid, &v, &h));
    EXPECT_GT(v, 0);
    EXPECT_EQ(h, 0);
}

// ---- custom functions --------------------------------------------------------------------

std::string textOf(const SSCALCVALUE& v) {
    const char* p = static_cast<const char*>(GlobalLock(v.value.hText));
    std::string s = p ? p : "";
    GlobalUnlock(v.value.hText);
    return s;
}

BOOL describe(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    std::string out;
    for (short i = 0; i < count; ++i) {
        const SSCALCVALUE& a = args[i];
        out += std::to_string(a.status) + ":" + std::to_string(a.kind) + "=";
        switch (a.kind) {
        case SS_KIND_LONG: out += std::to_string(a.value.lValue); break;
        case SS_KIND_DOUBLE: out += std::to_string(a.value.dfValue); break;
        case SS_KIND_TEXT: out += textOf(a); break;
        case SS_KIND_CELL:
            out += std::to_string(a.value.cell.col) + "," + std::to_string(a.value.cell.row);
            break;
        case SS_KIND_RANGE:
            out += std::to_string(a.value.range.col1) + ".." + std::to_string(a.value.range.row2);
            break;
        }
        out += " ";
    }
    HGLOBAL block = GlobalAlloc(GHND, out.size() + 1);
    std::memcpy(GlobalLock(block), out.c_str(), out.size() + 1);
    GlobalUnlock(block);
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_TEXT;
    result->value.hText = block;
    return TRUE;
}

BOOL decline(LPSSCALCVALUE result, LPSSCALCVALUE, short) {
    result->status = SS_VALUE_NONE;
    return FALSE;
}

BOOL noResult(LPSSCALCVALUE result, LPSSCALCVALUE, short) {
    result->status = SS_VALUE_NONE;
    return TRUE;
}

TEST_F(SpreadWindow, CustomFunctionsSeeValuesOrReferences) {
    SSSetData(grid, 1, 1, "7");
    SSSetData(grid, 1, 2, "text");
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "VALS", 0, 6, describe, 0));
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "REFS", 0, 6, describe, SS_PASS_REFERENCES));
    ASSERT_TRUE(SSSetFormula(grid, 3, 1, "=VALS(A1, A2, 2.5, A9, 1/0)", TRUE));
    EXPECT_EQ(value(grid, 3, 1), "0:0=7 0:2=text 0:1=2.500000 2:1=0.000000 1:0=1 ");
    ASSERT_TRUE(SSSetFormula(grid, 3, 2, "=REFS(A1, A1:B4, 3)", TRUE));
    EXPECT_EQ(value(grid, 3, 2), "0:3=1,1 0:4=1..4 0:0=3 ");
    // A callback that declines makes the cell an error; one without a result leaves it empty.
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "NOPE", 0, 1, decline, 0));
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "NONE", 0, 1, noResult, 0));
    ASSERT_TRUE(SSSetFormula(grid, 4, 1, "=NOPE()", TRUE));
    EXPECT_EQ(value(grid, 4, 1), "#VALUE!");
    ASSERT_TRUE(SSSetFormula(grid, 4, 2, "=NONE()", TRUE));
    EXPECT_EQ(value(grid, 4, 2), "");
    // Registering again replaces the function; built-in names cannot be taken.
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "nope", 0, 1, noResult, 0));
    SSReCalcCell(grid, 4, 1);
    EXPECT_EQ(value(grid, 4, 1), "");
    EXPECT_FALSE(SSAddCustomFunctionExt(grid, "SUM", 0, 1, noResult, 0));
    EXPECT_FALSE(SSAddCustomFunctionExt(grid, "bad name", 0, 1, noResult, 0));
    EXPECT_FALSE(SSAddCustomFunctionExt(grid, "X", 2, 1, noResult, 0));
}

// A look-up that loads another sheet file into a second grid window, calculates a cell
// there and copies its text into the calling sheet: the engine re-entered from a callback.
HWND gCaller = nullptr;
std::string gFile;

BOOL lookUp(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    result->status = SS_VALUE_NONE;
    if (count != 1 || args[0].kind != SS_KIND_CELL) return FALSE;
    HWND host = CreateWindowEx(0, "fpSpread70", nullptr, 0, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
    BOOL ok = SSLoadFromFile(host, gFile.c_str()) == 1;
    if (ok) {
        SSReCalcCell(host, 2, 1);
        char buf[64];
        SSGetData(host, 2, 1, buf, sizeof buf);
        SSSetData(gCaller, args[0].value.cell.col, args[0].value.cell.row, buf);
        double v = 0;
        SSGetFloat(host, 2, 1, &v);
        result->status = SS_VALUE_OK;
        result->kind = SS_KIND_DOUBLE;
        result->value.dfValue = v;
    }
    DestroyWindow(host);
    return ok;
}

TEST_F(SpreadWindow, CallbacksMayLoadAndCalculateAnotherSheet) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / "grid_spread_lookup";
    fs::create_directories(dir);
    gFile = (dir / "table.sss").string();
    {
        HWND source = make();
        SSSetMaxCols(source, 2);
        SSSetMaxRows(source, 2);
        SSSetData(source, 1, 1, "20");
        SSSetFormula(source, 2, 1, "=A1*2+0.5", FALSE);
        ASSERT_EQ(SSSaveToFile(source, gFile.c_str(), FALSE), 1);
        DestroyWindow(source);
    }
    gCaller = grid;
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "LOOKUP", 1, 1, lookUp, SS_PASS_REFERENCES));
    ASSERT_TRUE(SSSetFormula(grid, 1, 1, "=LOOKUP(B5)+1", TRUE));
    EXPECT_EQ(value(grid, 1, 1), "41.5");
    EXPECT_EQ(value(grid, 2, 5), "40.5");
    fs::remove_all(dir);
}

TEST_F(SpreadWindow, FailedLoadLeavesTheSheetAsItWas) {
    SSSetData(grid, 1, 1, "kept");
    EXPECT_EQ(SSLoadFromFile(grid, "/no/such/file.sss"), 0);
    EXPECT_EQ(value(grid, 1, 1), "kept");
    EXPECT_EQ(SSGetMaxRows(grid), 10);
}

TEST_F(SpreadWindow, SelectionEditingAndTheEditCommands) {
    int col = 0, row = 0;
    ASSERT_TRUE(SSGetActiveCell(grid, &col, &row)) << "a fresh grid starts on its first cell";
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(SSSetActiveCell(grid, 2, 2));
    SSSetData(grid, 2, 2, "hello");
    ASSERT_TRUE(SSSetEditMode(grid, TRUE));
    int s = -1, e = -1;
    ASSERT_TRUE(SSGetEditSel(grid, &s, &e));
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 5);
    ASSERT_TRUE(SSSetEditSel(grid, 1, 99));
    SSGetEditSel(grid, &s, &e);
    EXPECT_EQ(e, 5);
    ASSERT_TRUE(SSSetSelectBlock(grid, 2, 2, 2, 2));
    ASSERT_TRUE(SSClipboardCopy(grid));
    ASSERT_TRUE(SSSetActiveCell(grid, 4, 6));
    ASSERT_TRUE(SSClipboardPaste(grid));
    EXPECT_EQ(value(grid, 4, 6), "hello");
}

}  // namespace

namespace {

HWND gClosing = nullptr;

BOOL closeOwnWindow(LPSSCALCVALUE result, LPSSCALCVALUE, short) {
    DestroyWindow(gClosing);
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_LONG;
    result->value.lValue = 3;
    return TRUE;
}

TEST_F(SpreadWindow, ACallbackMayDestroyItsOwnGridWindow) {
    gClosing = grid;
    ASSERT_TRUE(SSAddCustomFunctionExt(grid, "CLOSE", 0, 0, closeOwnWindow, 0));
    SSSetData(grid, 1, 1, "4");
    EXPECT_FALSE(SSSetFormula(grid, 2, 1, "=CLOSE()+A1", TRUE) && IsWindow(grid));
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_EQ(SSGetMaxRows(grid), -1);
    grid = make();  // creating the next grid frees the orphaned state
    EXPECT_EQ(SSGetMaxRows(grid), 0);
}

}  // namespace
