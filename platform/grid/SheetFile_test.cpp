#include "MdxBuildPaths.h"
#include "grid/SheetFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "grid/PlainGridFile.h"
#include "grid/SpreadModel.h"
#include "win/FilePaths.h"

namespace grid {
namespace {

namespace fs = std::filesystem;

class SheetFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("grid_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) { return (dir / name).string(); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    static std::string text(SpreadModel& m, int c, int r, TextKind kind) {
        std::string t;
        m.text(c, r, kind, t);
        return t;
    }
    // A sheet that uses every property the file keeps.
    static void fill(SpreadModel& m) {
        m.setMaxColumns(6);
        m.setMaxRows(8);
        m.setData(1, 1, "42");
        m.setData(2, 1, "Text with \"quotes\", tabs\tand\nlines \xE9\xFC");
        m.setFormula(3, 1, "=A1*2+SUM(A1:A3)", true);
        m.setFormula(4, 1, "=CUSTOMFN(A1)", false);
        m.sheet().setBool(5, 1, true);
        m.sheet().setError(6, 1, ErrorCode::NA);
        m.setData(kHeaderIndex, 2, "Row two");
        m.setData(2, kHeaderIndex, "Column B");
        m.setType(1, 2, 1, 4, makeNumberType(0x10100000, 3, -50, 50, true));
        m.setData(1, 2, "12.5");
        m.setType(2, 2, 2, 2, makeCheckBoxType(0x300, "box"));
        m.setData(2, 2, "1");
        m.setType(3, 2, 3, 2, makeComboType(0x100002, "one\ttwo"));
        m.setType(4, 2, 4, 2, makeButtonType(0, "Press"));
        m.setType(5, 2, 5, 2, makePictureFileType(36, "C:\\pics\\a.bmp"));
        m.setType(6, 2, 6, 2, makeEditType(0x110000, 200));
        FontSpec bold;
        bold.weight = 700;
        bold.face = "Arial";
        bold.height = 13;
        m.setFont(1, 3, 2, 3, bold);
        m.setColors(1, 4, 1, 4, 0x123456, 0xABCDEF);
        m.setBorder(2, 4, 3, 4, BorderSpec{2, 6, 0x8000000B});
        m.setLock(1, 5, 2, 5, true);
        m.setTag(0, 0, "settings\xA4text");
        m.setTag(3, 3, "tagged");
        m.setNote(4, 4, "check this\nvalue");
        m.addSpan(1, 6, 2, 2);
        m.setColumnWidth(2, 120);
        m.setColumnWidth(0, 33);
        m.setRowHeight(3, 40);
        m.setOption(12, true);
        m.setOption(kOptionAutoCalc, false);
        m.sheet().setRefStyle(RefStyle::R1C1);
        ViewSettings& v = m.view();
        v.appearance = 1;
        v.operationMode = 5;
        v.backColorStyle = 2;
        v.selBackColor = 0x6A240A;
        v.selForeColor = 0xFFFFFF;
        v.colorPair1[0] = 0x80000005;
        v.colorPair2[1] = 0xE6E6E6;
        v.twoArgOption[0] = 1;
        v.twoArgOption[1] = -1;
        v.noteIndicator = 3;
        v.gridType = 7;
        v.gridColor = 0x323232;
        v.actionKeys[0] = {0, 0, 0};
        v.actionKeys[2] = {1, 0, 13};
        v.textTip.status = 1;
        v.textTip.delay = 0;
        v.textTip.hasFont = true;
        v.textTip.font = bold;
        SelectionState& s = m.selection();
        s.activeColumn = 2;
        s.activeRow = 3;
        s.hasBlock = true;
        s.block = {1, 1, 3, 4};
    }
    fs::path dir;
};

TEST_F(SheetFiles, RoundTripKeepsEveryProperty) {
    SpreadModel original;
    fill(original);
    ASSERT_TRUE(saveSheet(original, path("all.sss")));
    SpreadModel loaded;
    ASSERT_TRUE(loadSheet(loaded, path("all.sss")));
    // Writing the loaded sheet gives the same file: nothing was lost or changed (a sheet
    // just loaded counts as unchanged).
    original.setOption(kOptionChanged, false);
    EXPECT_EQ(writeSheetFile(loaded), writeSheetFile(original));
    EXPECT_EQ(loaded.view().gridType, 7);
    EXPECT_EQ(loaded.view().gridColor, 0x323232u);
    EXPECT_EQ(text(loaded, 2, 1, TextKind::Value), "Text with \"quotes\", tabs\tand\nlines \xE9\xFC");
    EXPECT_EQ(text(loaded, 3, 1, TextKind::Formula), "=RC[-2]*2+SUM(RC[-2]:R[2]C[-2])");
    EXPECT_EQ(text(loaded, 1, 2, TextKind::Data), "12.500");
    EXPECT_EQ(text(loaded, 2, 2, TextKind::Value), "1");
    EXPECT_EQ(text(loaded, 0, 0, TextKind::Tag), "settings\xA4text");
    EXPECT_EQ(text(loaded, 2, kHeaderIndex, TextKind::Data), "Column B");
    EXPECT_EQ(loaded.typeCode(5, 2), kTypePicture);
    EXPECT_EQ(loaded.type(3, 2).text, "one\ttwo");
    EXPECT_EQ(loaded.font(2, 3).weight, 700);
    EXPECT_TRUE(loaded.isLocked(2, 5));
    EXPECT_EQ(loaded.note(4, 4), "check this\nvalue");
    EXPECT_EQ(loaded.border(3, 4).color, 0x8000000Bu);
    Span span;
    ASSERT_TRUE(loaded.spanAt(2, 7, span));
    EXPECT_EQ(span.column, 1);
    EXPECT_EQ(loaded.columnWidth(2), 120);
    EXPECT_EQ(loaded.rowHeight(3), 40);
    EXPECT_FALSE(loaded.option(kOptionAutoCalc));
    EXPECT_FALSE(loaded.sheet().autoCalculate());
    EXPECT_EQ(loaded.view().actionKeys.at(2)[2], 13);
    EXPECT_EQ(loaded.selection().block.row2, 4);
    EXPECT_FALSE(loaded.option(kOptionChanged));
    // The formulas calculate again after loading.
    loaded.sheet().recalculateAll();
    EXPECT_EQ(text(loaded, 3, 1, TextKind::Value), "138.5");
    EXPECT_EQ(text(loaded, 4, 1, TextKind::Value), "#NAME?");
}

TEST_F(SheetFiles, MalformedFilesLoadNothingAndLeaveTheSheetAsItWas) {
    SpreadModel original;
    fill(original);
    std::string good = writeSheetFile(original);
    const std::string head = "MDX-SHEET 1\n";
    const std::string bad[] = {
        "",
        "MDX-SHEET 2\nend\n",
        "SOMETHING ELSE\nend\n",
        head,                                           // no end: cut short
        good.substr(0, good.size() / 2),                // cut in the middle
        head + "size 5\nend\n",                        // missing field
        head + "size -1 3\nend\n",
        head + "size 3 3\ncell 1 1 n abc\nend\n",     // not a number
        head + "size 3 3\ncell 1 1 s \"open\nend\n",  // open quote
        head + "size 3 3\ncell 1 1 f \"=1+\"\nend\n",  // not a formula
        head + "size 3 3\ncell 1 1 t 1\nend\n",        // type never defined
        head + "size 3 3\ncell 1 1 fo 4\nend\n",       // font never defined
        head + "size 3 3\ncell 99999999 1 n 1\nend\n",
        head + "size 3 3\ncell 1 1 e 99\nend\n",
        head + "size 3 3\nbogus 1\nend\n",
        head + "size 3 3\ncell 1 1 n 1 extra\nend\n",
        head + "size 3 3\nend\ncell 1 1 n 1\n",        // text after the end
        head + "options 0101\nend\n",
        head + "type 2 14 0 0 2 0 1 0 0 0 \"\"\nend\n",  // ids out of order, short
        head + "size 3 3\ncell 1 1 s \"bad\\q\"\nend\n",   // unknown escape
        head + "size 3 3\nspan 1 1 0 2\nend\n",
    };
    int i = 0;
    for (const std::string& bytes : bad) {
        std::string name = "bad" + std::to_string(i++) + ".sss";
        write(name, bytes);
        SpreadModel target;
        fill(target);
        std::string before = writeSheetFile(target);
        EXPECT_FALSE(loadSheet(target, path(name))) << name << ": " << bytes;
        EXPECT_EQ(writeSheetFile(target), before) << name;
    }
    SpreadModel target;
    EXPECT_FALSE(loadSheet(target, path("missing.sss")));
}

TEST_F(SheetFiles, AFormulaOverALimitIsRefusedWithTheLimitNamed) {
    const std::string head = "MDX-SHEET 1\nsize 3 3\n";
    const std::string deep = std::string(300, '(') + "1" + std::string(300, ')');
    std::string error;
    SpreadModel target;
    EXPECT_FALSE(readSheetFile(head + "cell 2 1 f \"=" + deep + "\"\nend\n", target, &error));
    EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    EXPECT_NE(error.find("column 2, row 1"), std::string::npos) << error;
    EXPECT_NE(error.find("more than 200 levels"), std::string::npos) << error;
    const std::string longText = "=" + std::string(40000, '1');
    EXPECT_FALSE(readSheetFile(head + "cell 1 1 f \"" + longText + "\"\nend\n", target, &error));
    EXPECT_NE(error.find("32768 characters"), std::string::npos) << error;
}

TEST_F(SheetFiles, ReaderSurvivesArbitraryBytes) {
    std::string junk;
    for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 256);
    SpreadModel m;
    EXPECT_FALSE(readSheetFile("MDX-SHEET 1\n" + junk, m));
    EXPECT_FALSE(readSheetFile(junk, m));
}

TEST_F(SheetFiles, SavingIsAtomic) {
    SpreadModel m;
    fill(m);
    ASSERT_TRUE(saveSheet(m, path("keep.sss")));
    std::string before;
    ASSERT_TRUE(win::readWholeFile(path("keep.sss"), before));
    m.setData(1, 1, "43");
    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Write; });
    EXPECT_FALSE(saveSheet(m, path("keep.sss")));
    win::setWriteFaultHook({});
    std::string after;
    ASSERT_TRUE(win::readWholeFile(path("keep.sss"), after));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(saveSheet(m, path("no/such/folder/x.sss")));
}

TEST_F(SheetFiles, PlainGridsLoadByExtension) {
    write("t.tsv", "Name\tSize\nBolt\t12\r\nNut\t16.5\n");
    SpreadModel m;
    ASSERT_TRUE(loadSheet(m, path("t.tsv")));
    EXPECT_EQ(m.maxColumns(), 2);
    EXPECT_EQ(m.maxRows(), 3);
    EXPECT_EQ(text(m, 2, 3, TextKind::Value), "16.5");
    EXPECT_TRUE(m.sheet().value(2, 3).isNumber());
    write("c.CSV", "a,\"b,c\",\"say \"\"hi\"\"\"\n1,2\n");
    ASSERT_TRUE(loadSheet(m, path("c.CSV")));
    EXPECT_EQ(m.maxColumns(), 3);
    EXPECT_EQ(m.maxRows(), 2);
    EXPECT_EQ(text(m, 2, 1, TextKind::Value), "b,c");
    EXPECT_EQ(text(m, 3, 1, TextKind::Value), "say \"hi\"");
    ASSERT_TRUE(saveSheet(m, path("out.csv")));
    SpreadModel again;
    ASSERT_TRUE(loadSheet(again, path("out.csv")));
    EXPECT_EQ(text(again, 3, 1, TextKind::Value), "say \"hi\"");
    // An unterminated quote is malformed: the sheet keeps the previous content.
    write("bad.csv", "x,\"never closed\n");
    EXPECT_FALSE(loadSheet(m, path("bad.csv")));
    EXPECT_EQ(text(m, 2, 1, TextKind::Value), "b,c");
}

TEST_F(SheetFiles, PlainGridsAsSpreadsheetProgramsSaveThem) {
    // A byte-order mark, CRLF line ends (also inside a quoted field) and semicolons.
    write("s.csv", "\xEF\xBB\xBFInput\r\nDouble A;\"two\r\nlines\"\r\n1,5;x\r\n");
    SpreadModel m;
    ASSERT_TRUE(loadSheet(m, path("s.csv")));
    EXPECT_EQ(text(m, 1, 1, TextKind::Value), "Input") << "no mark left in the first cell";
    EXPECT_EQ(text(m, 2, 2, TextKind::Value), "two\nlines");
    EXPECT_EQ(text(m, 1, 3, TextKind::Value), "1,5");
    EXPECT_EQ(m.maxColumns(), 2);
    ASSERT_TRUE(saveSheet(m, path("s2.csv")));
    std::string saved;
    ASSERT_TRUE(win::readWholeFile(path("s2.csv"), saved));
    EXPECT_EQ(saved.substr(0, 9), "Input,\nDo") << "written back with commas";
    EXPECT_EQ(guessCsvSeparator("a;b,c\n1;2\n"), ';');
    EXPECT_EQ(guessCsvSeparator("\"a;b\";c,d,e\n"), ',') << "quoted semicolons do not count";

    // Formulas only when asked, and a formula that does not parse names its cell.
    SpreadModel f;
    ASSERT_TRUE(readPlainGrid("2,=A1*3\n", PlainGridOptions{',', true}, f));
    EXPECT_EQ(text(f, 2, 1, TextKind::Value), "6");
    ASSERT_TRUE(readPlainGrid("2,=A1*3\n", PlainGridOptions{',', false}, f));
    EXPECT_EQ(text(f, 2, 1, TextKind::Value), "=A1*3");
    std::string why;
    SpreadModel bad;
    EXPECT_FALSE(readPlainGrid("1\n2,=A1*\n", PlainGridOptions{',', true}, bad, &why));
    EXPECT_EQ(why, "line 2, cell B2: the formula =A1* does not parse");
}

TEST_F(SheetFiles, LoadingKeepsRegisteredCustomFunctions) {
    SpreadModel m;
    m.sheet().addCustomFunction("TWICE", 1, 1, [](void*, CustomCall& call) {
        call.result.setNumber(call.args[0].number * 2);
        return true;
    }, nullptr, 0);
    write("f.sss", "MDX-SHEET 1\nsize 2 2\ncell 1 1 f \"=TWICE(21)\"\nend\n");
    ASSERT_TRUE(loadSheet(m, path("f.sss")));
    EXPECT_EQ(text(m, 1, 1, TextKind::Value), "42");
}

}  // namespace
}  // namespace grid

namespace grid {
namespace {

// The example in docs/sheet-file.md must be a file the grid reads as described there.
TEST(SheetFileDocs, TheDocumentedExampleReads) {
    std::string doc;
    ASSERT_TRUE(win::readWholeFile(std::string(MDX_SOURCE_DIR) + "/docs/sheet-file.md", doc));
    size_t start = doc.find("```\nMDX-SHEET 1");
    ASSERT_NE(start, std::string::npos);
    start += 4;
    size_t end = doc.find("```", start);
    SpreadModel m;
    std::string error;
    ASSERT_TRUE(readSheetFile(doc.substr(start, end - start), m, &error)) << error;
    std::string t;
    m.text(1, 1, TextKind::Data, t);
    EXPECT_EQ(t, "12.50");
    m.text(2, 1, TextKind::Value, t);
    EXPECT_EQ(t, "25");
    m.text(3, 1, TextKind::Value, t);
    EXPECT_EQ(t, "M16 \"bolt\"");
    EXPECT_EQ(m.tag(3, 1), "row 1");
    m.text(1, 0, TextKind::Data, t);
    EXPECT_EQ(t, "Size");
}

}  // namespace
}  // namespace grid
