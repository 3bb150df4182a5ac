// mdx sheet import of what spreadsheet programs write: plain grids with their byte-order
// marks, CRLF line ends and semicolons, formulas in fields, and .ods / .xlsx workbooks made
// here with the libraries that write them. A standards sheet that went through a spreadsheet
// program evaluates as its .kvs twin.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "testing/MdxProcess.h"
#include "testing/WorkbookFiles.h"

namespace {

using namespace mdx_testing;
namespace fs = std::filesystem;

const fs::path kExamples = fs::path(kSourceDir) / "examples";

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

MdxRun import(const fs::path& in, const fs::path& out, const std::string& options = "") {
    return runMdx("sheet import " + quoted(in) + " " + quoted(out) + " " + options);
}

std::string calc(const fs::path& sheet) { return runMdx("sheet calc " + quoted(sheet)).out; }

// The cells of the sample end-plate standard, read back from its .kvs through mdx.
std::vector<TestCell> endPlateCells(const ScratchFolder& folder) {
    const fs::path tsv = folder / "EndPlate.tsv";
    EXPECT_EQ(runMdx("sheet export " + quoted(kExamples / "Connection Standards/EndPlate.kvs") +
                     " " + quoted(tsv))
                  .status,
              0);
    std::vector<TestCell> cells;
    std::istringstream lines(readFile(tsv));
    int row = 0;
    for (std::string line; std::getline(lines, line);) {
        ++row;
        std::istringstream fields(line);
        int column = 0;
        for (std::string field; std::getline(fields, field, '\t');)
            if (++column, !field.empty()) cells.push_back({column, row, field});
    }
    return cells;
}

std::string asCsv(const std::vector<TestCell>& cells) {
    std::vector<std::vector<std::string>> rows;
    for (const TestCell& cell : cells) {
        rows.resize(std::max<size_t>(rows.size(), static_cast<size_t>(cell.row)));
        auto& row = rows[static_cast<size_t>(cell.row - 1)];
        row.resize(std::max<size_t>(row.size(), static_cast<size_t>(cell.column)));
        std::string quotedText = "\"";
        for (char c : cell.text) quotedText += c == '"' ? std::string("\"\"") : std::string(1, c);
        row[static_cast<size_t>(cell.column - 1)] = quotedText + "\"";
    }
    std::string csv = "\xEF\xBB\xBF";  // as spreadsheet programs save "CSV UTF-8"
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) csv += (c ? ";" : "") + row[c];
        csv += "\r\n";
    }
    return csv;
}

// The standard evaluated from a library whose EndPlate.kvs was imported from the file.
std::string evaluateImported(const ScratchFolder& folder, const fs::path& file,
                             const std::string& options) {
    const fs::path library = folder / ("library-" + file.extension().string().substr(1));
    fs::create_directories(library);
    fs::copy(kExamples / "Connection Standards", library / "Connection Standards",
             fs::copy_options::recursive);
    const MdxRun imported =
        import(file, library / "Connection Standards/EndPlate.kvs", options);
    EXPECT_EQ(imported.status, 0) << imported.out;
    return runMdx("evaluate EndPlate --library " + quoted(library) + " --drawing " +
                  quoted(kExamples / "drawings/EndPlate_IPE300_HEA300.json") +
                  " --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355 --json",
                  false)
        .out;
}

// Only what was computed: the report also names the library's folder.
std::string computed(const std::string& json) {
    const size_t from = json.find("\"inputs\"");
    return from == std::string::npos ? json : json.substr(from);
}

TEST(SheetImport, AStandardFromASpreadsheetProgramEvaluatesAsItsKvsTwin) {
    ScratchFolder folder;
    const std::vector<TestCell> cells = endPlateCells(folder);
    ASSERT_GT(cells.size(), 30u);
    const std::string expected = computed(
        runMdx("evaluate EndPlate --drawing " +
                   quoted(kExamples / "drawings/EndPlate_IPE300_HEA300.json") +
                   " --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355 --json",
               false)
            .out);
    ASSERT_TRUE(contains(expected, "\"Thickness\"")) << expected;

    writeFile(folder / "EndPlate.csv", asCsv(cells));
    EXPECT_EQ(computed(evaluateImported(folder, folder / "EndPlate.csv", "")), expected)
        << "a byte-order mark, CRLF line ends and semicolons";

    const std::vector<TestSheet> book = {{"Notes", {{1, 1, "not this one"}}},
                                         {"EndPlate", cells}};
    ASSERT_TRUE(writeXlsx(folder / "EndPlate.xlsx", book));
    EXPECT_EQ(computed(evaluateImported(folder, folder / "EndPlate.xlsx", "--sheet EndPlate")),
              expected);
    ASSERT_TRUE(writeOds(folder / "EndPlate.ods", book));
    EXPECT_EQ(computed(evaluateImported(folder, folder / "EndPlate.ods", "--sheet EndPlate")),
              expected);
}

TEST(SheetImport, PlainGridFormulasSeparatorsAndEncodings) {
    ScratchFolder folder;
    writeFile(folder / "semi.csv", "Size;Twice\r\n12;=A2*2\r\n\"1;5\";=SUM(A2:A3)\r\n");
    ASSERT_EQ(import(folder / "semi.csv", folder / "semi.sss").status, 0);
    std::string shown = calc(folder / "semi.sss");
    EXPECT_TRUE(contains(shown, "2  12    24\n")) << shown;
    EXPECT_TRUE(contains(shown, "3  1;5   12\n")) << "a quoted separator is text\n" << shown;

    ASSERT_EQ(import(folder / "semi.csv", folder / "text.sss", "--text").status, 0);
    EXPECT_TRUE(contains(calc(folder / "text.sss"), "=A2*2")) << "--text keeps formulas as text";

    writeFile(folder / "comma.csv", "a,b;c\n1,2\n");
    ASSERT_EQ(import(folder / "comma.csv", folder / "comma.sss").status, 0);
    EXPECT_TRUE(contains(calc(folder / "comma.sss"), "1  a  b;c")) << "commas win";
    ASSERT_EQ(import(folder / "comma.csv", folder / "forced.sss", "--separator semicolon").status, 0);
    EXPECT_TRUE(contains(calc(folder / "forced.sss"), "1  a,b  c"));

    writeFile(folder / "latin.tsv", "Unit\nmm\xB2\n");
    EXPECT_EQ(import(folder / "latin.tsv", folder / "u.sss", "--encoding utf-8").status, 2)
        << "Windows-1252 bytes are not UTF-8";
    ASSERT_EQ(import(folder / "latin.tsv", folder / "w.sss", "--encoding windows-1252").status, 0);
    EXPECT_TRUE(contains(readFile(folder / "w.sss"), "\"mm\xB2\""));
    writeFile(folder / "marked.tsv", "\xEF\xBB\xBFUnit\nmm\xB2\n");
    const MdxRun marked = import(folder / "marked.tsv", folder / "m.sss");
    EXPECT_EQ(marked.status, 2) << "a byte-order mark says UTF-8";
    EXPECT_TRUE(contains(marked.out, "line 2: not UTF-8")) << marked.out;

    writeFile(folder / "keep.sss", "previous");
    writeFile(folder / "bad.csv", "a,b\n1,=SUM(A1\n");
    const MdxRun bad = import(folder / "bad.csv", folder / "keep.sss");
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(contains(bad.out, "line 2, cell B2: the formula =SUM(A1 does not parse")) << bad.out;
    EXPECT_EQ(readFile(folder / "keep.sss"), "previous");
    EXPECT_EQ(import(folder / "comma.csv", folder / "x.sss", "--separator pipe").status, 2);
    EXPECT_EQ(import(folder / "comma.csv", folder / "x.sss", "--encoding latin9").status, 64);
}

TEST(SheetImport, WorkbookFormulasBecomeGridFormulasOrAreRefusedByCell) {
    ScratchFolder folder;
    const std::vector<TestSheet> xlsx = {
        {"Sizes", {{1, 1, "12"}, {2, 1, "=A1*2"}, {3, 1, "=IFS(A1>10,\"big\",TRUE,\"small\")"},
                   {1, 2, "Bolt"}, {2, 2, "=XLOOKUP(24,B1:B1,A2:A2)"}}}};
    ASSERT_TRUE(writeXlsx(folder / "book.xlsx", xlsx));
    ASSERT_EQ(import(folder / "book.xlsx", folder / "book.sss").status, 0);
    std::string shown = calc(folder / "book.sss");
    EXPECT_TRUE(contains(shown, "1  12    24    big")) << shown;
    EXPECT_TRUE(contains(shown, "2  Bolt  Bolt")) << shown;

    const std::vector<TestSheet> ods = {
        {"Sizes", {{1, 1, "12"}, {2, 1, "of:=SUM([.A1:.A1];[.$A$1])"}}}};
    ASSERT_TRUE(writeOds(folder / "book.ods", ods));
    ASSERT_EQ(import(folder / "book.ods", folder / "ods.sss").status, 0);
    EXPECT_TRUE(contains(calc(folder / "ods.sss"), "1  12  24")) << calc(folder / "ods.sss");

    writeFile(folder / "keep.sss", "previous");
    ASSERT_TRUE(writeXlsx(folder / "unknown.xlsx",
                          {{"S", {{1, 1, "1"}, {3, 4, "=A1+GAMMALN(A1)"}}}}));
    MdxRun run = import(folder / "unknown.xlsx", folder / "keep.sss");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "sheet \"S\", cell C4: the formula =A1+GAMMALN(A1) uses GAMMALN"))
        << run.out;
    ASSERT_TRUE(writeOds(folder / "other.ods", {{"S", {{1, 1, "of:=[$T.A1]"}}}, {"T", {}}}));
    run = import(folder / "other.ods", folder / "keep.sss");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "cell A1: a reference to another sheet")) << run.out;
    run = import(folder / "book.xlsx", folder / "keep.sss", "--sheet Nope");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "no sheet \"Nope\"; the workbook has \"Sizes\"")) << run.out;
    writeFile(folder / "fake.xlsx", "not a zip at all");
    run = import(folder / "fake.xlsx", folder / "keep.sss");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(contains(run.out, "fake.xlsx: not a workbook")) << run.out;
    EXPECT_EQ(readFile(folder / "keep.sss"), "previous");
}

}  // namespace
