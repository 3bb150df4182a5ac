#include "standards/KvStandardsSpread.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "core/macro/StringChecks.h"
#include "grid/UsedRange.h"
#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"
#include "grid/TextRules.h"
#include "standards/KvChildCallChain.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvEquationFailures.h"
#include "standards/KvFileScope.h"
#include "standards/KvSheetSections.h"
#include "standards/KvStandardsFunctions.h"
#include "standards/KvStandardsTimers.h"
#include "standards/KvWordReplacer.h"
#include "win/MessageBox.h"

namespace {

// The grid accepts a formula that names something unknown or divides by zero and leaves an
// error value in the cell. That is no result: taken as one, a text variable would carry
// "#NAME?" into the macro without a word to the author.
bool holdsErrorValue(HWND grid, int col, int row) {
    grid::SpreadModel* model = SSGetModel(grid);
    return model && model->sheet().value(col, row).isError();
}

// The grid options a calculation sheet needs: 13 and 12 on, redraw and automatic
// calculation off, so every equation is calculated exactly when its formula is set.
constexpr int kOptionCalcSheetA = 13;
constexpr int kOptionCalcSheetB = 12;

constexpr const char* kStandardsFolder = "Connection Standards\\";
constexpr const char* kCallChild = "CallChild";

KvStandardsSpread::ChildEvaluator gChildEvaluator = nullptr;
int gChildNesting = 0;

void removeEnclosingQuotes(Mdx_String& text) {
    if (text.startsWith("\"", true)) text.remove(0, 1);
    if (text.endsWith("\"", true)) text.remove(text.length() - 1, 1);
}

// Ends a stage's timer on every way out of the stage.
class StageTimer {
public:
    explicit StageTimer(Mdx_Timer& timer) : timer_(timer) { timer_.start(); }
    ~StageTimer() { timer_.end(); }
    StageTimer(const StageTimer&) = delete;
    StageTimer& operator=(const StageTimer&) = delete;

private:
    Mdx_Timer& timer_;
};

// Counts one level of child nesting for as long as the child runs.
class NestingLevel {
public:
    NestingLevel() { ++gChildNesting; }
    ~NestingLevel() { --gChildNesting; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
};

}  // namespace

KvStandardsSpread::KvStandardsSpread() = default;
KvStandardsSpread::~KvStandardsSpread() = default;

void KvStandardsSpread::setChildEvaluator(ChildEvaluator evaluator) {
    gChildEvaluator = evaluator;
}

KvStandardsSpread::ChildEvaluator KvStandardsSpread::childEvaluator() {
    return gChildEvaluator;
}

Acad::ErrorStatus KvStandardsSpread::evaluate(KvDlgStandardsData& data) {
    if (loadStandardsFile(data.fileName) != Acad::eOk) return Acad::eInvalidInput;
    child_call_chain::Link running(filePath_);
    if (data.mode == KvDlgStandardsData::kMainEvaluation) return runMain(data);
    if (data.mode == KvDlgStandardsData::kChildEvaluation) return runChild(data);
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::runMain(KvDlgStandardsData& data) {
    if (prepareMainInput(data) != Acad::eOk) return Acad::eInvalidInput;
    if (finishMainOutput(data) != Acad::eOk) return Acad::eInvalidInput;
    data.varCells = varCells_;
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::runChild(KvDlgStandardsData& data) {
    if (prepareChildInput(data) != Acad::eOk) return Acad::eInvalidInput;
    if (finishChildOutput(data.varCells) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::loadStandardsFile(const Mdx_String& name) {
    StageTimer timer(gLoadFile);
    Mdx_String path = name;
    if (name.isEmpty() || !fileExists(name))
        path = gSettings.libDir() + kStandardsFolder + name + ".kvs";
    SetBool(kOptionCalcSheetA, TRUE);
    SetBool(kOptionCalcSheetB, TRUE);
    SetBool(kOptionRedraw, FALSE);
    SetBool(kOptionAutoCalc, FALSE);
    if (loadFromFile(path.c_str()) == 0) return Acad::eInvalidInput;
    filePath_ = path;
    shrinkToUsedRange();
    return Acad::eOk;
}

// Every stage walks the sheet cell by cell up to its size, and a file may declare the
// largest grid with no cell in it (ten billion cells to visit). The calculation grid is cut
// to the extent worth visiting once it is loaded; the cells cut off are empty, so no result
// changes.
void KvStandardsSpread::shrinkToUsedRange() {
    grid::SpreadModel* model = SSGetModel(m_hWnd);
    if (!model) return;
    int columns = 0;
    int rows = 0;
    grid::extentToVisit(*model, columns, rows);
    if (columns < model->maxColumns()) model->setMaxColumns(columns);
    if (rows < model->maxRows()) model->setMaxRows(rows);
}

Acad::ErrorStatus KvStandardsSpread::initVarCells() {
    passedPositions_.clear();
    return varCells_.initFromSheet(*this);
}

Acad::ErrorStatus KvStandardsSpread::prepareMainInput(KvDlgStandardsData& data) {
    if (!data.dbMacro || !data.transaction) return Acad::eInvalidInput;
    {
        StageTimer timer(gInitSSForInput);
        genVarNames = data.genVarNames;
        genVarValues = data.genVarValues;
        if (initVarCells() != Acad::eOk) return Acad::eInvalidInput;
    }
    {
        StageTimer timer(gSSSGetFromMacro);
        if (varCells_.getFromMacro(data) != Acad::eOk) return Acad::eInvalidInput;
    }
    {
        StageTimer timer(gSetMacroValuelsToSS);
        if (varCells_.setValuesToSS(*this) != Acad::eOk) return Acad::eInvalidInput;
    }
    StageTimer timer(gSSSreplaceGenVars);
    return replaceGeneralVariables();
}

Acad::ErrorStatus KvStandardsSpread::finishMainOutput(KvDlgStandardsData& data) {
    {
        StageTimer timer(gCalcMain);
        if (calcMain() != Acad::eOk) return Acad::eInvalidInput;
        if (varCells_.getValuesFromSS(*this) != Acad::eOk) return Acad::eInvalidInput;
    }
    StageTimer timer(gSetToMacro);
    return varCells_.setToMacro(data);
}

Acad::ErrorStatus KvStandardsSpread::prepareChildInput(KvDlgStandardsData& data) {
    StageTimer timer(gGetFromVars);
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    initVarCells();
    const KvVarCells& passed = data.varCells;
    int locals = 0;
    for (int k = 0; k < varCells_.length(); ++k) {
        KvVarCell& own = varCells_[k];
        if (own.isLocal()) {
            ++locals;
            passedPositions_.push_back(-1);
            if (own.setNewValue(*this, Mdx_String()) != Acad::eOk) return Acad::eInvalidInput;
            continue;
        }
        const int position = k - locals;
        passedPositions_.push_back(position);
        if (position >= passed.length()) return Acad::eInvalidInput;
        // An output here would write into a value the caller only reads.
        if (own.isOutput() && passed[position].isInput()) return Acad::eInvalidInput;
        if (own.setNewValue(*this, passed[position].value) != Acad::eOk) return Acad::eInvalidInput;
    }
    return replaceGeneralVariables();
}

Acad::ErrorStatus KvStandardsSpread::finishChildOutput(KvVarCells& passed) {
    {
        StageTimer timer(gCalcChild);
        if (calcMain() != Acad::eOk) return Acad::eInvalidInput;
    }
    StageTimer timer(gSetToVars);
    const bool matched = static_cast<int>(passedPositions_.size()) == varCells_.length();
    int locals = 0;
    for (int k = 0; k < varCells_.length(); ++k) {
        const KvVarCell& own = varCells_[k];
        if (own.isLocal()) {
            ++locals;
            continue;
        }
        if (!own.isOutput()) continue;
        const int position = matched ? passedPositions_[k] : k - locals;
        if (position >= passed.length()) return Acad::eInvalidInput;
        passed[position].value = own.value;
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::replaceGeneralVariables() {
    if (genVarNames.length() == 0) return Acad::eOk;
    const int rows = getMaxRows();
    const int cols = getMaxCols();
    for (int col = 1; col <= cols; ++col) {
        for (int row = 1; row <= rows; ++row) {
            Mdx_String text;
            if (!getCellText(col, row, text, kTextValue) || text.isEmpty()) continue;
            if (replaceWords(text, genVarNames, genVarValues, true)) setCellData(col, row, text);
        }
    }
    return Acad::eOk;
}

bool KvStandardsSpread::replaceWords(Mdx_String& text, const Mdx_StringArray& names,
                                     const Mdx_StringArray& replacements, bool quote) {
    return KvWordReplacer(names, replacements, quote).replaceIn(text);
}

Mdx_String KvStandardsSpread::cellAddress(const KvVarCell& cell) const {
    Mdx_FunctionTimer timer(gCalcCellGetVarCoordName);
    Mdx_String address(grid::columnLetters(cell.col));
    address.append(cell.row);
    return address;
}

std::unique_ptr<KvWordReplacer> KvStandardsSpread::makeVarNameReplacer() const {
    Mdx_StringArray names;
    {
        StageTimer timer(gCalcCellGetVarNames);
        for (int i = 0; i < varCells_.length(); ++i) names.append(varCells_[i].name);
    }
    Mdx_StringArray addresses;
    {
        StageTimer timer(gCalcCellGetVarCoords);
        // A name stands for the first variable of that name, as findVarCell finds it.
        std::vector<std::string> lower;
        std::unordered_map<std::string, int> first;
        for (int i = 0; i < names.length(); ++i) {
            lower.push_back(Mdx_String(names[i]).makeLower().str());
            first.emplace(lower.back(), i);
        }
        for (int i = 0; i < names.length(); ++i)
            addresses.append(cellAddress(varCells_[first.at(lower[i])]));
    }
    return std::make_unique<KvWordReplacer>(names, addresses, false);
}

Acad::ErrorStatus KvStandardsSpread::replaceVarNames(Mdx_String& expression) {
    // During a calculation the names and addresses stay as they are, so the replacer made
    // for it serves every equation.
    std::unique_ptr<KvWordReplacer> own;
    const KvWordReplacer* replacer = calculationReplacer_.get();
    if (!replacer) {
        own = makeVarNameReplacer();
        replacer = own.get();
    }
    StageTimer timer(gCalcCellReplaceVariables);
    replacer->replaceIn(expression);
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::calcMain() {
    {
        StageTimer timer(gRegisterFuntions);
        registerStandardsFunctions(*this);
    }
    {
        StageTimer timer(gFindDuplicates);
        removeDuplicates();
    }
    StageTimer timer(gCalcCells);
    const int first = KvSheetSections::findSectionStart(*this, KvSheetSections::kCalc);
    if (first < 0) return Acad::eInvalidInput;
    calculationReplacer_ = makeVarNameReplacer();
    const int rows = getMaxRows();
    const int cols = getMaxCols();
    for (int row = first; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col) calcCell(col, row);
    calculationReplacer_.reset();
    return Acad::eOk;
}

void KvStandardsSpread::removeDuplicates() {
    Mdx_StringArray names;
    for (int i = 0; i < varCells_.length(); ++i) names.append(varCells_[i].name);
    Mdx_StringArray duplicates;
    if (!hasDuplicates(names, duplicates, false)) return;
    Mdx_String message = "There were duplicate variable names found in the standards file " +
                         filePath_ +
                         ".\nThe duplicates will be ignored. Please correct this file.\n" +
                         "Duplicate variable names:\n\n" + arrToStr(duplicates, "\n");
    MessageBox(message.c_str(), "Variable names must be unique", MB_ICONEXCLAMATION);
    AcArray<int> positions;
    getDuplicates(names, positions, false);
    for (int i = positions.length() - 1; i >= 0; --i) {
        const int position = positions[i];
        varCells_.removeAt(position);
        if (position < static_cast<int>(passedPositions_.size()))
            passedPositions_.erase(passedPositions_.begin() + position);
    }
}

Acad::ErrorStatus KvStandardsSpread::calcCell(const int& col, const int& row) {
    Mdx_String text;
    if (!getCellText(col, row, text, kTextValue) || text.isEmpty()) return Acad::eInvalidInput;
    Mdx_String name;
    Mdx_String expression;
    bool plain = false;
    {
        StageTimer timer(gCalcCellSplitSymbol);
        plain = splitStringAtSymbol(text, "=", name, expression, true);
        if (!plain) {
            name.setEmpty();
            expression = text;
        }
        name.trim();
        expression.trim();
    }
    int index = -1;
    {
        StageTimer timer(gCalcCellFindVarCell);
        if (plain && varCells_.findVarCell(name, index) != Acad::eOk) plain = false;
    }
    bool isChildCall = false;
    {
        StageTimer timer(gCalcCellFindFunctions);
        isChildCall = hasASubstr(expression, stringArr({kCallChild}), false);
    }
    failure_ = KvEquationFailure{filePath_, col, row, name, expression, {}, {}, {}};
    file_scope::forgetRefused();
    if (isChildCall) {
        if (callChild(expression, kCallChild) == Acad::eOk) return Acad::eOk;
        reportFailedEquation(name, expression, row);
        return Acad::eInvalidInput;
    }
    if (!plain) {
        failure_.reason = name.isEmpty() ? Mdx_String("the cell is no equation NAME = formula")
                                         : "\"" + name + "\" is no declared variable";
        failure_.tip = equation_failures::unknownNameTip();
        reportFailedEquation(name, expression, row);
        return Acad::eInvalidInput;
    }
    if (calcEquation(col, row, varCells_[index], expression) == Acad::eOk) return Acad::eOk;
    reportFailedEquation(name, expression, row);
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvStandardsSpread::calcEquation(int col, int row, KvVarCell& cell,
                                                  Mdx_String& expression) {
    {
        StageTimer timer(gCalcCellCalcFunctionsPrepare);
        if (cell.valueType == KvValueType::String)
            setEditCell(col, row);
        else
            setNumberCell(col, row, 7, false);
        replaceVarNames(expression);
    }
    if (!SetFormula(col, row, expression.c_str(), 1)) {
        failure_.reason = "the grid cannot read the formula (a syntax error, or longer or "
                          "deeper nested than the grid takes)";
        failure_.tip = "Check the formula's parentheses, operators and function names.";
        return Acad::eInvalidInput;
    }
    Mdx_FunctionTimer timer(gCalcCellCalcFunctions);
    Mdx_String result;
    if (!getCellText(col, row, result, kTextValue)) {
        failure_.reason = "the result cannot be read from the cell";
        return Acad::eInvalidInput;
    }
    if (holdsErrorValue(m_hWnd, col, row)) {
        failure_.errorValue = result;
        failure_.reason = "the formula calculates to the error value " + result;
        failure_.tip = equation_failures::tipForErrorValue(result);
        return Acad::eInvalidInput;
    }
    if (cell.setNewValue(*this, result) == Acad::eOk) return Acad::eOk;
    failure_.reason = "the result " + result + " does not fit the variable's type";
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvStandardsSpread::callChild(const Mdx_String& text,
                                               const Mdx_String& functionName) {
    StageTimer timer(gCalcCellCalcNativeFunctions);
    return runChildCall(text, functionName);
}

bool KvStandardsSpread::splitChildCall(const Mdx_String& text, const Mdx_String& functionName,
                                       Mdx_String& file, Mdx_StringArray& passed) {
    const int call = text.find(functionName, false);
    if (call < 0) return false;
    const int open = text.findFirstFrom("(", call + functionName.length(), true);
    if (open < 0) return false;
    const int close = text.findFirstFrom(")", open + 1, true);
    if (close < 0) return false;
    splitStringAtSymbol(text.mid(open + 1, close - open - 1), ",", passed, true);
    file = passed.isEmpty() ? Mdx_String() : passed[0];
    file.trim();
    removeEnclosingQuotes(file);
    if (!passed.isEmpty()) passed.removeAt(0);
    return true;
}

Acad::ErrorStatus KvStandardsSpread::runChildCall(const Mdx_String& text,
                                                  const Mdx_String& functionName) {
    Mdx_String file;
    Mdx_StringArray items;
    if (!splitChildCall(text, functionName, file, items) || items.isEmpty())
        return childCallFails("the child call is not CallChild(file, variable, ...)");
    const Mdx_String childPath = resolveChildFile(file);
    if (!file_scope::lastRefused().isEmpty())
        return childCallFails("the child file " + file_scope::lastRefused() +
                              " lies outside the library folder and is not read");
    if (!fileExists(childPath))
        return childCallFails("the child file " + file + " is found neither beside " +
                              filePath_ + " nor in the library's Connection Standards folders");
    KvDlgStandardsData request;
    if (collectPassed(items, request.varCells) != Acad::eOk)
        return childCallFails("a variable passed to the child is not declared here");
    if (childPath.equal(filePath_, false) || child_call_chain::isRunning(childPath))
        return childCallFails("the child call would run a sheet that is being evaluated: " +
                              child_call_chain::describeWith(childPath));
    if (!gChildEvaluator || gChildNesting >= kMaxChildNesting) {
        Mdx_String limit = "child calls are nested deeper than ";
        limit.append(kMaxChildNesting);
        return childCallFails(limit + " levels");
    }
    if (!child_call_chain::countCall()) {
        Mdx_String limit = "the evaluation made more than ";
        limit.append(child_call_chain::callAllowance());
        return childCallFails(limit + " child calls");
    }
    request.mode = KvDlgStandardsData::kChildEvaluation;
    request.fileName = childPath;
    request.genVarNames = genVarNames;
    request.genVarValues = genVarValues;
    {
        NestingLevel level;
        if (!gChildEvaluator(request))
            return childCallFails("the child " + childPath +
                                  " failed (its equations or the passed variables do not fit its "
                                  "declarations)");
    }
    if (takeChildResults(request.varCells) == Acad::eOk) return Acad::eOk;
    return childCallFails("a result of the child would overwrite an input of this sheet");
}

Acad::ErrorStatus KvStandardsSpread::childCallFails(const Mdx_String& reason) {
    failure_.reason = reason;
    failure_.tip = "Check the child call's file name and the variables it passes: one for each "
                   "of the child's inputs and outputs, in the child's order.";
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvStandardsSpread::collectPassed(const Mdx_StringArray& items,
                                                   KvVarCells& passed) const {
    for (int i = 0; i < items.length(); ++i) {
        Mdx_String name = items[i];
        name.trim();
        int index = -1;
        if (varCells_.findVarCell(name, index) != Acad::eOk) return Acad::eInvalidInput;
        KvVarCell copy = varCells_[index];
        copy.col = 0;
        copy.row = 0;
        passed.append(copy);
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvStandardsSpread::takeChildResults(const KvVarCells& returned) {
    for (int i = 0; i < returned.length(); ++i) {
        if (!returned[i].isOutput()) continue;
        int index = -1;
        if (varCells_.findVarCell(returned[i].name, index) != Acad::eOk) continue;
        KvVarCell& own = varCells_[index];
        if (own.isInput()) return Acad::eInvalidInput;
        if (own.isLocal()) continue;
        if (own.setValueFromOther(*this, returned[i]) != Acad::eOk) return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Mdx_String KvStandardsSpread::resolveChildFile(const Mdx_String& name) const {
    Mdx_String relative = name;
    ensureNoStartBSlash(relative);
    std::vector<Mdx_String> candidates{name};
    if (!getPath(filePath_).isEmpty()) candidates.push_back(getPath(filePath_) + relative);
    const Mdx_String library = gSettings.libDir();
    for (const char* folder : {"Connection Standards\\", "Connection Standards\\Childs\\",
                               "Connection Standards\\Data\\", "Connection Standards\\Parents\\"})
        candidates.push_back(library + folder + relative);
    Mdx_String outside;
    for (const Mdx_String& candidate : candidates) {
        if (!fileExists(candidate)) continue;
        if (file_scope::isAllowed(candidate)) return candidate;
        if (outside.isEmpty()) outside = candidate;
    }
    if (!outside.isEmpty()) file_scope::noteRefused(outside);
    return name;
}

void KvStandardsSpread::reportFailedEquation(const Mdx_String& name, const Mdx_String& expression,
                                             int row) {
    // A file a look-up refused explains the failure better than any error value.
    if (!file_scope::lastRefused().isEmpty() && failure_.reason.find("outside", true) < 0) {
        failure_.reason = "the file " + file_scope::lastRefused() +
                          " lies outside the library folder and is not read";
        failure_.tip = "Data and child files must lie inside the library folder, or in a "
                       "folder the user allows.";
    }
    if (failure_.tip.isEmpty()) failure_.tip = equation_failures::unknownNameTip();
    equation_failures::record(failure_);
    if (!gSettings.current().standardsMessages()) return;
    Mdx_String message = "The following equation failed:\n";
    if (!name.isEmpty()) message += name + " = ";
    message += expression + "\n" + "Spreadsheet : " + filePath_ + " (line: ";
    message.append(row);
    message += Mdx_String(")\n");
    if (!failure_.reason.isEmpty()) message += "Cause : " + failure_.reason + "\n";
    message += "Here's a tip for finding the cause :\n" + failure_.tip;
    MessageBox(message.c_str(), nullptr, MB_ICONEXCLAMATION);
}
