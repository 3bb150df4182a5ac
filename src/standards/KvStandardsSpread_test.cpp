#include "MdxBuildPaths.h"
#include "standards/KvStandardsSpread.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "core/Mdx_Settings.h"
#include "core/macro/MacroData.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"
#include "spread/SheetTestSupport.h"
#include "standards/KvChildCallChain.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvEquationFailures.h"
#include "standards/KvFileScope.h"
#include "standards/KvStandardsTimers.h"
#include "standards/testing/LibraryFolder.h"
#include "standards/testing/StandardsFiles.h"
#include "standards/testing/OwnWindowEvaluator.h"
#include "win/ScriptedUser.h"

namespace {

using spread_testing::HostDialog;
using standards::testing::evaluateInOwnWindow;

using standards::testing::Column;
using standards::testing::passedVar;
using standards::testing::sheetFile;

class StandardsSpreadTest : public spread_testing::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        library = std::make_unique<standards::testing::LibraryFolder>();
        gSettings.current().setStandardsMessages(true);
        KvStandardsSpread::setChildEvaluator(evaluateInOwnWindow);
        spread = std::make_unique<KvStandardsSpread>();
        ASSERT_TRUE(spread->attachToDlgItem(host.get(), spread_testing::kPlaceholder, false));
    }
    void TearDown() override {
        spread.reset();
        KvStandardsSpread::setChildEvaluator(nullptr);
        gSettings.current().setStandardsMessages(true);
        library.reset();
        SheetTest::TearDown();
    }

    void putStandard(const std::string& relative, const std::vector<Column>& columns) {
        library->put(relative, sheetFile(columns));
    }
    // A child request over the standard "name" with the passed variables.
    KvDlgStandardsData childRequest(const char* name, std::initializer_list<KvVarCell> vars) {
        KvDlgStandardsData data;
        data.mode = KvDlgStandardsData::kChildEvaluation;
        data.fileName = name;
        for (const KvVarCell& var : vars) data.varCells.append(var);
        return data;
    }
    std::string valueOf(const KvDlgStandardsData& data, int index) const {
        return data.varCells[index].value.str();
    }
    double numberOf(const KvDlgStandardsData& data, int index) const {
        return data.varCells[index].value.toDouble();
    }
    const std::vector<win::MessageBoxRecord>& boxes() const { return win::user::messageBoxes(); }

    std::unique_ptr<standards::testing::LibraryFolder> library;
    std::unique_ptr<KvStandardsSpread> spread;
};

// ---- replacing words ----------------------------------------------------------------------

TEST(ReplaceWords, ReplacesWholeWordsOnlySoSimilarNamesStaySeparate) {
    Mdx_String text = "AB+A*A_1+a";
    EXPECT_TRUE(KvStandardsSpread::replaceWords(text, {"A", "AB"}, {"C3", "C4"}, false));
    EXPECT_EQ(text.str(), "C4+C3*A_1+C3");
}

TEST(ReplaceWords, QuotesTextValuesButNotNumbers) {
    Mdx_String text = "gen_grade & gen_gap";
    EXPECT_TRUE(
        KvStandardsSpread::replaceWords(text, {"gen_grade", "gen_gap"}, {"S355", "2.5"}, true));
    EXPECT_EQ(text.str(), "\"S355\" & 2.5");
}

TEST(ReplaceWords, BytesAboveAsciiEndAWordAndEmptyNamesAreIgnored) {
    Mdx_String text = "\xE9x\xE9+xy";
    EXPECT_TRUE(KvStandardsSpread::replaceWords(text, {"", "x"}, {"Z", "B2"}, false));
    EXPECT_EQ(text.str(),
              "\xE9"
              "B2\xE9+xy");
    Mdx_String untouched = "xy";
    EXPECT_FALSE(KvStandardsSpread::replaceWords(untouched, {"x"}, {"B2"}, false));
}

TEST(ReplaceWords, WordsInsideQuotedTextsAreLeftAlone) {
    Mdx_String text = "GETCELL(\"Bolts.dat\", d, \"Hole\") + Hole & \"say \"\"Hole\"\" d\" & d";
    EXPECT_TRUE(
        KvStandardsSpread::replaceWords(text, {"Hole", "d", "dat"}, {"B3", "B4", "B5"}, false));
    EXPECT_EQ(text.str(),
              "GETCELL(\"Bolts.dat\", B4, \"Hole\") + B3 & \"say \"\"Hole\"\" d\" & B4");

    // A general variable's text value goes in quotes, and nothing replaces inside it again.
    Mdx_String general = "gen_a & \"gen_a\" & S355";
    EXPECT_TRUE(KvStandardsSpread::replaceWords(general, {"gen_a", "S355"}, {"S355", "X"}, true));
    EXPECT_EQ(general.str(), "\"S355\" & \"gen_a\" & \"X\"");

    Mdx_String open = "\"unterminated Hole";
    EXPECT_FALSE(KvStandardsSpread::replaceWords(open, {"Hole"}, {"B3"}, false));
}

TEST(ReplaceWords, ALaterNameIsReplacedInsideAnEarlierReplacement) {
    Mdx_String text = "p";
    KvStandardsSpread::replaceWords(text, {"p", "B2"}, {"B2", "C9"}, false);
    EXPECT_EQ(text.str(), "C9");
}

// ---- loading and one evaluation ------------------------------------------------------------

TEST_F(StandardsSpreadTest, LoadsByNameFromTheLibraryAndFailsForAMissingFile) {
    putStandard("plate.kvs", {{"Input", "Double a", "Output", "Local", "Calc"}});
    EXPECT_EQ(spread->loadStandardsFile("plate"), Acad::eOk);
    EXPECT_EQ(spread->filePath().str(), "L:\\Connection Standards\\plate.kvs");
    EXPECT_EQ(spread->loadStandardsFile("nothing"), Acad::eInvalidInput);
    EXPECT_EQ(spread->filePath().str(), "L:\\Connection Standards\\plate.kvs");
}

TEST_F(StandardsSpreadTest, SectionsInAnyOrderCalculateTopToBottom) {
    putStandard("order.kvs", {{"Output", "Double b", "Double c", "Input", "Double a", "Local",
                               "Double tmp", "Calc", "c = b * 10", "tmp = a * 2", "b = tmp + 1"}});
    KvDlgStandardsData data = childRequest(
        "order", {passedVar("a", "4", KvCellType::Input), passedVar("b", "7", KvCellType::Output),
                  passedVar("c", "", KvCellType::Output)});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(numberOf(data, 2), 70.0) << "c sees b before b is calculated";
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 9.0);
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(gCalcCells.isRunning());
    EXPECT_FALSE(gLoadFile.isRunning());
}

TEST_F(StandardsSpreadTest, FailingCellsAreReportedWithTheirRowAndTheOthersGoOn) {
    putStandard("faults.kvs", {{"Input", "Double a", "Output", "Double b", "Calc", "x = a + 1",
                                "a comment without equals", "b = a + 1"}});
    KvDlgStandardsData data = childRequest(
        "faults", {passedVar("a", "1", KvCellType::Input), passedVar("b", "", KvCellType::Output)});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 2.0);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[0].text.find("The following equation failed:\nx = a + 1\n"),
              std::string::npos);
    EXPECT_NE(boxes()[0].text.find("faults.kvs (line: 6)\n"), std::string::npos);
    EXPECT_NE(boxes()[1].text.find("failed:\na comment without equals\n"), std::string::npos);
    EXPECT_NE(boxes()[1].text.find("(line: 7)"), std::string::npos);
}

TEST_F(StandardsSpreadTest, AnEquationThatCalculatesToAnErrorFailsAndKeepsTheOldValue) {
    putStandard("errors.kvs", {{"Input", "Double a", "Output", "String grade", "Double ratio",
                                "Double ok", "Calc", "grade = gen_Grade", "ratio = a / 0",
                                "ok = a * 2"}});
    KvDlgStandardsData data = childRequest(
        "errors", {passedVar("a", "3", KvCellType::Input),
                   passedVar("grade", "S235", KvCellType::Output),
                   passedVar("ratio", "1.5", KvCellType::Output),
                   passedVar("ok", "", KvCellType::Output)});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_EQ(valueOf(data, 1), "S235") << "an unknown name is no text result";
    EXPECT_DOUBLE_EQ(numberOf(data, 2), 1.5);
    EXPECT_DOUBLE_EQ(numberOf(data, 3), 6.0);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[0].text.find("failed:\ngrade = gen_Grade\n"), std::string::npos);
    EXPECT_NE(boxes()[0].text.find("(line: 8)"), std::string::npos);
    EXPECT_NE(boxes()[1].text.find("failed:\nratio = A2 / 0\n"), std::string::npos)
        << "the report shows the expression as the grid was given it: " << boxes()[1].text;
}

TEST_F(StandardsSpreadTest, TheDocumentSwitchSilencesFailedEquations) {
    gSettings.current().setStandardsMessages(false);
    putStandard("quiet.kvs", {{"Input", "Output", "Double b", "Calc", "zz = 1", "b = 5"}});
    KvDlgStandardsData data = childRequest("quiet", {passedVar("b", "", KvCellType::Output)});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(numberOf(data, 0), 5.0);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(StandardsSpreadTest, DuplicatesAreAlwaysReportedAndTheLaterOneDropped) {
    gSettings.current().setStandardsMessages(false);
    putStandard("dup.kvs", {{"Input", "Double a", "Output", "Double b", "Local", "Double a", "Calc",
                             "b = a * 3"}});
    KvDlgStandardsData data = childRequest(
        "dup", {passedVar("a", "2", KvCellType::Input), passedVar("b", "", KvCellType::Output)});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].caption, "Variable names must be unique");
    EXPECT_NE(boxes()[0].text.find("Duplicate variable names:\n\na"), std::string::npos);
    EXPECT_EQ(spread->varCells().length(), 2);
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 6.0) << "the input a is used, not the local";
}

TEST_F(StandardsSpreadTest, GeneralVariablesAreInsertedQuotedUnlessNumbers) {
    putStandard("gen.kvs", {{"Input", "Output", "Double gap", "String grade", "Calc",
                             "gap = gen_gap * 2", "grade = gen_grade & \"-N\""}});
    KvDlgStandardsData data = childRequest("gen", {passedVar("gap", "", KvCellType::Output),
                                                   passedVar("grade", "", KvCellType::Output)});
    data.genVarNames = {"gen_gap", "gen_grade"};
    data.genVarValues = {"1.5", "S355"};
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(numberOf(data, 0), 3.0);
    EXPECT_EQ(valueOf(data, 1), "S355-N");
}

TEST_F(StandardsSpreadTest, QuotedFileNamesKeysAndTextsKeepNamesOfVariables) {
    library->put("Data/Bolts.dat", "20;Hole\t22\n");
    putStandard("quotes.kvs",
                {{"Input", "Double BoltD", "Output", "Double Hole", "String Label", "Local",
                  "Double dat", "Calc", "Hole = GETCELL(\"Bolts.dat\", BoltD, \"Hole\")",
                  "Label = \"Hole \" & gen_Grade & \" gen_Grade\""}});
    KvDlgStandardsData data = childRequest("quotes", {passedVar("BoltD", "20", KvCellType::Input),
                                                      passedVar("Hole", "", KvCellType::Output),
                                                      passedVar("Label", "", KvCellType::Output)});
    data.genVarNames = {"gen_Grade"};
    data.genVarValues = {"S355 \"N\""};
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_TRUE(boxes().empty()) << boxes()[0].text;
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 22.0);
    EXPECT_EQ(valueOf(data, 2), "Hole S355 \"N\" gen_Grade");
}

TEST_F(StandardsSpreadTest, ChildStagesRejectMismatchedPassedVariables) {
    putStandard("two.kvs",
                {{"Input", "Double a", "Double b", "Output", "Double c", "Calc", "c = a + b"}});
    KvDlgStandardsData tooFew = childRequest(
        "two", {passedVar("a", "1", KvCellType::Input), passedVar("b", "2", KvCellType::Input)});
    EXPECT_EQ(spread->evaluate(tooFew), Acad::eInvalidInput);
    KvDlgStandardsData intoInput = childRequest(
        "two", {passedVar("a", "1", KvCellType::Input), passedVar("b", "2", KvCellType::Input),
                passedVar("c", "3", KvCellType::Input)});
    EXPECT_EQ(spread->evaluate(intoInput), Acad::eInvalidInput)
        << "an output may not write into the caller's input";
    EXPECT_FALSE(gGetFromVars.isRunning());
}

TEST_F(StandardsSpreadTest, AMissingCalcSectionFails) {
    putStandard("nocalc.kvs", {{"Input", "Output", "Double b"}});
    KvDlgStandardsData data = childRequest("nocalc", {passedVar("b", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(data), Acad::eInvalidInput);
    EXPECT_FALSE(gCalcChild.isRunning());
}

// ---- child calls ---------------------------------------------------------------------------

class ChildCallTest : public StandardsSpreadTest {
protected:
    void putParent(const std::string& callText) {
        putStandard("parent.kvs", {{"Input", "Double a", "Output", "Double b", "Local", "Double t",
                                    "Calc", "t = a + 1", callText, "b = b + 0"}});
    }
    KvDlgStandardsData runParent() {
        KvDlgStandardsData data = childRequest("parent", {passedVar("a", "1", KvCellType::Input),
                                                          passedVar("b", "", KvCellType::Output)});
        EXPECT_EQ(spread->evaluate(data), Acad::eOk);
        return data;
    }
    // Doubles x into y.
    std::vector<Column> doubler(const char* factor) {
        return {
            {"Input", "Double x", "Output", "Double y", "Calc", std::string("y = x * ") + factor}};
    }
};

TEST_F(ChildCallTest, ResultsReachOnlyTheCallersOutputs) {
    putStandard("Childs/twice.kvs", doubler("2"));
    putParent("CallChild(\"twice.kvs\", t, b)");
    KvDlgStandardsData data = runParent();
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 4.0);
    EXPECT_TRUE(boxes().empty()) << boxes()[0].text;

    putStandard("Childs/twice.kvs", doubler("2"));
    putParent("CallChild(\"twice.kvs\", b, t)");  // the child's output lands on a local
    KvDlgStandardsData local = runParent();
    EXPECT_DOUBLE_EQ(numberOf(local, 1), 0.0);
}

TEST_F(ChildCallTest, ADuplicateInTheChildDoesNotShiftItsResultsToOtherVariables) {
    putStandard("Childs/dupkid.kvs",
                {{"Input", "Double x", "Double x", "Output", "Double y", "Calc", "y = x * 2"}});
    putParent("CallChild(dupkid.kvs, t, a, b)");
    KvDlgStandardsData data = runParent();
    EXPECT_DOUBLE_EQ(numberOf(data, 1), 4.0) << "y reaches b, which it was matched with";
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].caption, "Variable names must be unique");
}

TEST_F(ChildCallTest, TheCallersFolderIsSearchedBeforeTheLibraryFolders) {
    putStandard("Childs/twice.kvs", doubler("100"));
    putStandard("twice.kvs", doubler("2"));
    putParent("CallChild(twice.kvs, t, b)");
    EXPECT_DOUBLE_EQ(numberOf(runParent(), 1), 4.0);
    ASSERT_EQ(spread->loadStandardsFile("parent"), Acad::eOk);
    EXPECT_EQ(spread->resolveChildFile("\\twice.kvs").str(), "L:\\Connection Standards\\twice.kvs");
    EXPECT_EQ(spread->resolveChildFile("nope.kvs").str(), "nope.kvs");
}

TEST_F(ChildCallTest, SelfCallsAndCallCyclesFailTheCallingCell) {
    putParent("CallChild(parent.kvs, t, b)");
    runParent();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find("CallChild(parent.kvs, t, b)"), std::string::npos);
    EXPECT_NE(boxes()[0].text.find("(line: 9)"), std::string::npos);

    // ping calls pong calls ping ...: stopped by the nesting limit, nothing hangs.
    putStandard("ping.kvs",
                {{"Input", "Double x", "Output", "Double y", "Calc", "CallChild(pong.kvs, x, y)"}});
    putStandard("pong.kvs",
                {{"Input", "Double x", "Output", "Double y", "Calc", "CallChild(ping.kvs, x, y)"}});
    gSettings.current().setStandardsMessages(false);
    KvDlgStandardsData data = childRequest(
        "ping", {passedVar("x", "1", KvCellType::Input), passedVar("y", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_FALSE(gCalcCellCalcNativeFunctions.isRunning());
}

TEST_F(ChildCallTest, ACycleIsRefusedAtItsFirstReturnAndTheWorkOfAnEvaluationIsBounded) {
    // Each sheet calls the other three times: by depth alone that is 3^16 evaluations.
    const char* const thrice[] = {"Input", "Double x", "Output", "Double y", "Calc",
                                  "CallChild(pong.kvs, x, y)", "CallChild(pong.kvs, x, y)",
                                  "CallChild(pong.kvs, x, y)"};
    putStandard("ping.kvs", {Column(std::begin(thrice), std::end(thrice))});
    std::vector<std::string> pong(std::begin(thrice), std::end(thrice));
    for (std::size_t i = 5; i < pong.size(); ++i) pong[i] = "CallChild(ping.kvs, x, y)";
    putStandard("pong.kvs", {Column(pong.begin(), pong.end())});
    gSettings.current().setStandardsMessages(false);
    equation_failures::clear();
    KvDlgStandardsData data = childRequest(
        "ping", {passedVar("x", "1", KvCellType::Input), passedVar("y", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(data), Acad::eOk);
    // ping runs pong three times; each of pong's three calls back is refused.
    const auto& failures = equation_failures::all();
    ASSERT_EQ(failures.size(), 9u);
    EXPECT_NE(failures[0].reason.str().find("ping.kvs -> pong.kvs -> ping.kvs"), std::string::npos)
        << failures[0].reason.str();
    EXPECT_EQ(failures[0].row, 6);

    // Calls without a cycle multiply too (a calls b twice, b calls c twice, ...): the
    // evaluation stops making calls at its allowance, and says so.
    const int allowance = child_call_chain::callAllowance();
    child_call_chain::setCallAllowance(5);
    for (const char* name : {"a", "b", "c", "d"}) {
        const std::string next(1, static_cast<char>(name[0] + 1));
        const std::string call = "CallChild(" + next + ".kvs, x, y)";
        putStandard(std::string(name) + ".kvs",
                    {{"Input", "Double x", "Output", "Double y", "Calc", call, call}});
    }
    putStandard("e.kvs", doubler("2"));
    equation_failures::clear();
    KvDlgStandardsData fan = childRequest(
        "a", {passedVar("x", "1", KvCellType::Input), passedVar("y", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(fan), Acad::eOk);
    child_call_chain::setCallAllowance(allowance);
    ASSERT_FALSE(equation_failures::all().empty());
    EXPECT_NE(equation_failures::all().back().reason.str().find("more than 5 child calls"),
              std::string::npos);
}

TEST_F(ChildCallTest, DataAndChildFilesOutsideTheLibraryAreRefused) {
    const std::filesystem::path outside =
        std::filesystem::temp_directory_path() / ("mdx_outside_" + std::to_string(::getpid()));
    std::filesystem::create_directories(outside);
    std::ofstream(outside / "secret.txt") << "key\tsecret\n";
    std::ofstream(outside / "kid.kvs") << sheetFile(doubler("2"));
    library->put("Data/open.txt", "key\topen\n");
    gSettings.current().setStandardsMessages(false);
    const std::string secret = (outside / "secret.txt").string();
    const std::vector<std::string> refusedCalls = {
        "CallChild(" + (outside / "kid.kvs").string() + ", t, b)",
        "CallChild(..\\..\\" + outside.filename().string() + "\\kid.kvs, t, b)",
    };
    for (const std::string& call : refusedCalls) {
        putParent(call);
        equation_failures::clear();
        EXPECT_DOUBLE_EQ(numberOf(runParent(), 1), 0.0) << call;
        ASSERT_EQ(equation_failures::all().size(), 1u) << call;
    }
    // The absolute path exists and is named as refused; ".." stops at the library's root.
    putParent(refusedCalls[0]);
    equation_failures::clear();
    runParent();
    ASSERT_EQ(equation_failures::all().size(), 1u);
    EXPECT_NE(equation_failures::all()[0].reason.str().find("outside the library"),
              std::string::npos)
        << equation_failures::all()[0].reason.str();
    putStandard("reader.kvs", {{"Input", "Output", "String s", "String o", "Calc",
                                ("s = GETCELL(\"" + secret + "\", \"key\")").c_str(),
                                "o = GETCELL(\"open.txt\", \"key\")"}});
    equation_failures::clear();
    KvDlgStandardsData data = childRequest(
        "reader", {passedVar("s", "", KvCellType::Output), passedVar("o", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_EQ(valueOf(data, 0), "");
    EXPECT_EQ(valueOf(data, 1), "open");
    ASSERT_EQ(equation_failures::all().size(), 1u);
    EXPECT_NE(equation_failures::all()[0].reason.str().find("secret.txt"), std::string::npos);

    // A folder the user allows is read.
    file_scope::allowFolder(Mdx_String::fromUtf8(outside.string()));
    KvDlgStandardsData allowed = childRequest(
        "reader", {passedVar("s", "", KvCellType::Output), passedVar("o", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(allowed), Acad::eOk);
    file_scope::clearAllowedFolders();
    EXPECT_EQ(valueOf(allowed, 0), "secret");
    std::filesystem::remove_all(outside);
}

TEST_F(ChildCallTest, AFailedEquationIsRecordedWithItsFormulaAndAFittingTip) {
    putStandard("div.kvs", {{"Input", "Double a", "Output", "Double b", "Double c", "Calc",
                             "b = a / 0", "c = GETCELL(\"nothing.txt\", a)"}});
    equation_failures::clear();
    KvDlgStandardsData data = childRequest(
        "div", {passedVar("a", "1", KvCellType::Input), passedVar("b", "7", KvCellType::Output),
                passedVar("c", "", KvCellType::Output)});
    EXPECT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_EQ(valueOf(data, 1), "7") << "a failed equation leaves its variable as it was";
    const auto& failures = equation_failures::all();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].name.str(), "b");
    EXPECT_EQ(failures[0].formula.str(), "a / 0") << "as written, with names";
    EXPECT_EQ(failures[0].errorValue.str(), "#DIV/0!");
    EXPECT_NE(failures[0].tip.str().find("divides by zero"), std::string::npos);
    EXPECT_NE(failures[1].tip.str().find("look-up"), std::string::npos);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[0].text.find("divides by zero"), std::string::npos) << boxes()[0].text;
}

TEST_F(ChildCallTest, MalformedCallsAndUnknownNamesFail) {
    putStandard("Childs/twice.kvs", doubler("2"));
    for (const char* call : {"CallChild(twice.kvs)", "CallChild twice.kvs, t, b",
                             "CallChild(twice.kvs, t, nobody)", "CallChild(absent.kvs, t, b)"}) {
        putParent(call);
        KvDlgStandardsData data = runParent();
        EXPECT_DOUBLE_EQ(numberOf(data, 1), 0.0) << call;
    }
    EXPECT_EQ(boxes().size(), 4u);
}

// ---- main evaluations for the sample end-plate macro ---------------------------------------

class MainEvaluationTest : public StandardsSpreadTest {
protected:
    void SetUp() override {
        StandardsSpreadTest::SetUp();
        dbMacro = endplate::buildAndOpen(db, drawing, transaction);
        ASSERT_NE(dbMacro, nullptr);
        ASSERT_EQ(macroData.addMacro(drawing.macro, *transaction), Acad::eOk);
        ASSERT_EQ(data.initialize(dbMacro, "plate", "Module.Plate", &macroData), Acad::eOk);
        data.transaction = transaction.get();
    }
    // Width as the macro has it now.
    double macroWidth() {
        KvDlgStandardsData probe = data;
        probe.fileName = "probe";
        putStandard("probe.kvs", {{"Input", "Double Width", "Output", "Calc"}});
        KvStandardsSpread reader;
        HostDialog window;
        EXPECT_TRUE(window.Create(spread_testing::kHostTemplate, nullptr));
        EXPECT_TRUE(reader.attachToDlgItem(&window, spread_testing::kPlaceholder, false));
        EXPECT_EQ(reader.evaluate(probe), Acad::eOk);
        return probe.varCells[0].value.toDouble();
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    std::unique_ptr<AcTransaction> transaction;
    Mdx_DbMacro* dbMacro = nullptr;
    MacroData macroData;
    KvDlgStandardsData data;
};

TEST_F(MainEvaluationTest, InputsComeFromTheMacroAndOutputsGoBack) {
    putStandard("plate.kvs", {{"Input", "Double Thickness", "Output", "Double Width", "Calc",
                               "Width = Thickness * 10 + 5"}});
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    ASSERT_EQ(data.varCells.length(), 2);
    EXPECT_DOUBLE_EQ(data.varCells[1].value.toDouble(), 205.0);
    EXPECT_DOUBLE_EQ(macroWidth(), 205.0);
    EXPECT_FALSE(gSetToMacro.isRunning());
    EXPECT_FALSE(gSSSGetFromMacro.isRunning());
}

TEST_F(MainEvaluationTest, NothingIsWrittenWhenTheEvaluationFailsEarly) {
    const double before = macroWidth();
    putStandard("plate.kvs", {{"Input", "Double Thickness", "Output", "Double Width",
                               "Width = Thickness * 10 + 5"}});
    EXPECT_EQ(spread->evaluate(data), Acad::eInvalidInput) << "no Calc section";
    data.transaction = nullptr;
    putStandard("plate.kvs", {{"Input", "Double Thickness", "Output", "Double Width", "Calc",
                               "Width = Thickness * 10 + 5"}});
    EXPECT_EQ(spread->evaluate(data), Acad::eInvalidInput) << "no transaction";
    data.transaction = transaction.get();
    EXPECT_DOUBLE_EQ(macroWidth(), before);
}

TEST_F(MainEvaluationTest, EveryStageTimerRunsAndEndsWithAChildCall) {
    putStandard("Childs/gap.kvs",
                {{"Input", "Double t", "Output", "Double g", "Calc", "g = t / 2"}});
    putStandard("plate.kvs",
                {{"Input", "Double Thickness", "Output", "Double Width", "Local", "Double half",
                  "Calc", "CallChild(gap.kvs, Thickness, Width)", "Width = Width + 1"}});
    Mdx_Timer::resetAll();
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_DOUBLE_EQ(data.varCells[1].value.toDouble(), 11.0);
    const Mdx_Timer* stages[] = {&gLoadFile,
                                 &gInitSSForInput,
                                 &gSSSGetFromMacro,
                                 &gInitMapping,
                                 &gInitFromMacro,
                                 &gSetMacroValuelsToSS,
                                 &gSSSreplaceGenVars,
                                 &gCalcMain,
                                 &gSetToMacro,
                                 &gGetFromVars,
                                 &gCalcChild,
                                 &gSetToVars,
                                 &gRegisterFuntions,
                                 &gFindDuplicates,
                                 &gCalcCells,
                                 &gCalcCellSplitSymbol,
                                 &gCalcCellFindVarCell,
                                 &gCalcCellFindFunctions,
                                 &gCalcCellCalcNativeFunctions,
                                 &gCalcCellCalcFunctionsPrepare,
                                 &gCalcCellGetVarNames,
                                 &gCalcCellGetVarCoords,
                                 &gCalcCellGetVarCoordName,
                                 &gCalcCellReplaceVariables,
                                 &gCalcCellCalcFunctions};
    for (const Mdx_Timer* timer : stages) {
        EXPECT_GT(timer->count(), 0) << timer->name();
        EXPECT_FALSE(timer->isRunning()) << timer->name();
    }
    EXPECT_EQ(gLoadFile.count(), 2) << "the parent and its child";
}

TEST_F(MainEvaluationTest, TheSampleEndPlateStandardSizesThePlateOfTheSampleMacro) {
    gSettings.setLibraryFolder(std::string(MDX_SOURCE_DIR) + "/examples");
    data.fileName = "EndPlate";
    data.genVarNames = {"gen_Grade"};
    data.genVarValues = {"S355"};
    ASSERT_EQ(spread->evaluate(data), Acad::eOk);
    EXPECT_TRUE(boxes().empty()) << boxes()[0].text;
    int index = -1;
    ASSERT_EQ(data.varCells.findVarCell("Thickness", index), Acad::eOk);
    EXPECT_DOUBLE_EQ(data.varCells[index].value.toDouble(), 20.0) << "18 rounded up to stock";
    ASSERT_EQ(data.varCells.findVarCell("Width", index), Acad::eOk);
    EXPECT_DOUBLE_EQ(data.varCells[index].value.toDouble(), 180.0) << "gauge 100 + 2 x edge 40";
    ASSERT_EQ(data.varCells.findVarCell("Grade", index), Acad::eOk);
    EXPECT_EQ(data.varCells[index].value.str(), "S355");
    gSettings.setLibraryFolder(library->standards().parent_path().string());
    EXPECT_DOUBLE_EQ(macroWidth(), 180.0);
}

}  // namespace
