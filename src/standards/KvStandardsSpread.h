#pragma once
// The hidden grid a standards spreadsheet is calculated in. One evaluation loads the file,
// fills the declared variables from the macro or from the calling spreadsheet, replaces the
// general variables, calculates the Calc section cell by cell and hands the results back.
// A "CallChild" cell runs another spreadsheet as a nested evaluation through the child
// evaluator that the module frame installs.
#include <memory>
#include <vector>

#include "core/Mdx_StringArray.h"
#include "host/AcadErrorStatus.h"
#include "spread/Mdx_Spread.h"
#include "standards/KvEquationFailures.h"
#include "standards/KvVarCells.h"

class KvDlgStandardsData;
class KvWordReplacer;

class KvStandardsSpread : public Mdx_Spread {
public:
    // Evaluates a child request in a spreadsheet of its own; true when it succeeded and the
    // request holds the child's results.
    using ChildEvaluator = bool (*)(KvDlgStandardsData& request);
    // How deep child calls may nest. A cycle of calls (A calls B calls A) is refused before
    // that, by the chain of files being evaluated (standards/KvChildCallChain.h).
    static constexpr int kMaxChildNesting = 16;

    KvStandardsSpread();
    ~KvStandardsSpread() override;

    static void setChildEvaluator(ChildEvaluator evaluator);
    static ChildEvaluator childEvaluator();

    // The whole evaluation of a request (mode 0 main, 1 child, others do nothing after
    // loading). eInvalidInput when any stage fails.
    Acad::ErrorStatus evaluate(KvDlgStandardsData& data);

    // name itself when that file exists, else the library's "Connection Standards\" folder,
    // name and ".kvs".
    Acad::ErrorStatus loadStandardsFile(const Mdx_String& name);
    Acad::ErrorStatus initVarCells();

    Acad::ErrorStatus prepareMainInput(KvDlgStandardsData& data);
    Acad::ErrorStatus finishMainOutput(KvDlgStandardsData& data);
    Acad::ErrorStatus prepareChildInput(KvDlgStandardsData& data);
    Acad::ErrorStatus finishChildOutput(KvVarCells& passed);

    // Registers the custom functions, drops duplicate declarations (after telling the user)
    // and calculates every cell below the Calc keyword; eInvalidInput without that keyword.
    Acad::ErrorStatus calcMain();
    Acad::ErrorStatus calcCell(const int& col, const int& row);

    // Variable names in an expression become the addresses of their declaration cells.
    Acad::ErrorStatus replaceVarNames(Mdx_String& expression);
    // General variable names in every cell become their values, quoted unless numbers.
    Acad::ErrorStatus replaceGeneralVariables();
    Acad::ErrorStatus callChild(const Mdx_String& text, const Mdx_String& functionName);
    // The parts of a child call: the text between the first "(" after the function name and
    // the first ")" after that, split at ","; file is the first part, trimmed and without its
    // enclosing quotes, passed the others as written. False when the name or a parenthesis is
    // missing. Nested parentheses are not supported.
    static bool splitChildCall(const Mdx_String& text, const Mdx_String& functionName,
                               Mdx_String& file, Mdx_StringArray& passed);
    // The first existing of: name; the folder of this spreadsheet's file + name; the
    // library's Connection Standards folder and its Childs, Data and Parents folders + name.
    // Files outside the allowed folders (standards/KvFileScope.h) are passed over and the
    // first of them noted as refused. name itself when none is found.
    Mdx_String resolveChildFile(const Mdx_String& name) const;

    // Replaces every whole-word occurrence (ignoring case) of names[i] by replacements[i];
    // with quote on, a replacement that is not a number goes in double quotes. Words inside
    // a double-quoted text are left alone. True when something was replaced.
    static bool replaceWords(Mdx_String& text, const Mdx_StringArray& names,
                             const Mdx_StringArray& replacements, bool quote);

    const Mdx_String& filePath() const { return filePath_; }
    KvVarCells& varCells() { return varCells_; }
    const KvVarCells& varCells() const { return varCells_; }
    Mdx_StringArray genVarNames;
    Mdx_StringArray genVarValues;

private:
    void shrinkToUsedRange();
    Acad::ErrorStatus runMain(KvDlgStandardsData& data);
    Acad::ErrorStatus runChild(KvDlgStandardsData& data);
    Acad::ErrorStatus calcEquation(int col, int row, KvVarCell& cell, Mdx_String& expression);
    Acad::ErrorStatus runChildCall(const Mdx_String& text, const Mdx_String& functionName);
    Acad::ErrorStatus childCallFails(const Mdx_String& reason);
    Acad::ErrorStatus collectPassed(const Mdx_StringArray& items, KvVarCells& passed) const;
    Acad::ErrorStatus takeChildResults(const KvVarCells& returned);
    void removeDuplicates();
    void reportFailedEquation(const Mdx_String& name, const Mdx_String& expression, int row);
    Mdx_String cellAddress(const KvVarCell& cell) const;
    std::unique_ptr<KvWordReplacer> makeVarNameReplacer() const;

    Mdx_String filePath_;
    KvVarCells varCells_;
    // In a child evaluation: for each variable, the position of the caller's variable it
    // was matched with (-1 for locals). Results go back to the same positions even when
    // duplicate declarations are dropped in between.
    std::vector<int> passedPositions_;
    // While the Calc section is calculated: the names of the variables to their addresses.
    std::unique_ptr<KvWordReplacer> calculationReplacer_;
    // The equation being calculated and, once it fails, why.
    KvEquationFailure failure_;
};
